#pragma once

#include <QDialog>

class CEinheitspapierView;
class QComboBox;
class QPushButton;

// Moves the texts of one goods position to another place of the form.
class CDlgMoveEHWarenpositon : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 375;
    static constexpr int kAborted = 3; // exec() without a view to work on

    explicit CDlgMoveEHWarenpositon(CEinheitspapierView* view, QWidget* parent = nullptr);

    int exec() override;

    QComboBox* SourceList() const { return m_source; }
    QComboBox* TargetList() const { return m_target; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    // Whether OK changed the form (a move onto itself does not).
    bool Changed() const { return m_changed; }

public Q_SLOTS:
    void accept() override;

private:
    void UpdateOk();

    CEinheitspapierView* m_view;
    QComboBox* m_source;
    QComboBox* m_target;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_changed = false;
};
