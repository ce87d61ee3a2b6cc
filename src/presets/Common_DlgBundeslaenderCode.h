#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// Lets the user pick a German federal state, or "99 - Ausland", by its
// two-digit number.
class Common_DlgBundeslaenderCode : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 21134;

    // caption, when not empty, replaces the dialog's own caption.
    explicit Common_DlgBundeslaenderCode(const QString& code, const QString& caption = QString(), QWidget* parent = nullptr);

    // After OK the chosen number ("01" to "16", "99"); otherwise what was passed in.
    const QString& StateCode() const { return m_code; }

    QListWidget* List() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

public Q_SLOTS:
    void accept() override;

private:
    int SelectedRow() const;

    QString m_code;
    QListWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
