#pragma once

#include <QDialog>

class CEinheitspapierView;
class QComboBox;
class QPushButton;

// Deletes one goods position of a continuation sheet.
class CDlgDeleteEHWarenpositon : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 374;
    static constexpr int kAborted = 3; // exec() without a view to work on

    explicit CDlgDeleteEHWarenpositon(CEinheitspapierView* view, QWidget* parent = nullptr);

    int exec() override;

    QComboBox* PositionList() const { return m_positions; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    bool Changed() const { return m_changed; }

public Q_SLOTS:
    void accept() override;

private:
    CEinheitspapierView* m_view;
    QComboBox* m_positions;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_changed = false;
};
