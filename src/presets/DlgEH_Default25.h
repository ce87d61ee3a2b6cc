#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// Picker for box 25, the mode of transport at the border.
class CDlgEH_Default25 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 360;

    // code: the field text's code (FieldPickers::CodeFromText).
    explicit CDlgEH_Default25(int code, QWidget* parent = nullptr);

    // After OK the chosen code; otherwise what was passed in.
    int Code() const { return m_code; }
    // The text for the field.
    QString ResultText() const { return QString::number(m_code); }

    QListWidget* List() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

public Q_SLOTS:
    void accept() override;

private:
    int SelectedRow() const;

    int m_code;
    QListWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
