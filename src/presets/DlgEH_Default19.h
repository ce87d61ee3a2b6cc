#pragma once

#include <QDialog>

class QButtonGroup;
class QPushButton;

// Picker for box 19, the container indicator: 0 or 1.
class CDlgEH_Default19 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 357;

    // code: the field text's code (FieldPickers::CodeFromText).
    explicit CDlgEH_Default19(int code, QWidget* parent = nullptr);

    // After OK the chosen code; otherwise what was passed in.
    int Code() const { return m_code; }
    // The text for the field.
    QString ResultText() const { return QString::number(m_code); }

    QButtonGroup* Group() const { return m_group; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

public Q_SLOTS:
    void accept() override;

private:
    int m_code;
    QButtonGroup* m_group;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
