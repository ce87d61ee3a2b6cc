#pragma once

#include <QDate>
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Picker for box 54: today's date, with the place before it if one is
// given. The place can be remembered for the next time.
class CDlgEH_Default54 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 365;

    explicit CDlgEH_Default54(QWidget* parent = nullptr);

    // The text for the field after OK, e.g. "Hamburg, 5.3.2024".
    const QString& Result() const { return m_result; }

    // The date OK uses; today's when not set.
    void SetDate(const QDate& date) { m_date = date; }

    QLineEdit* PlaceEdit() const { return m_place; }
    QCheckBox* RememberCheck() const { return m_remember; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

public Q_SLOTS:
    void accept() override;

private:
    QString m_result;
    QDate m_date;
    QLineEdit* m_place;
    QCheckBox* m_remember;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
