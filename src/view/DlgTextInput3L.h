#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Texteingabe": several lines for a stamp line at once. Enter in the edit
// starts a new line; the text is kept with "\r\n" line breaks as the form stores it.
class CDlgTextInput3L : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 351;
    static constexpr int kEditId = 1000;

    // Leading white space of the text is dropped before it is shown.
    explicit CDlgTextInput3L(const QString& text, QWidget* parent = nullptr);

    // After OK the edited text; otherwise what was shown.
    QString Text() const { return m_text; }

    QPlainTextEdit* Edit() const { return m_edit; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

public Q_SLOTS:
    void accept() override;

private:
    QString m_text;
    QPlainTextEdit* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
