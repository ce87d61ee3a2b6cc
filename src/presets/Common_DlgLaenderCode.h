#pragma once

#include "CountryCodes.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// Lets the user pick a country by its code or by its name. Both lists are
// sorted on their own; each row knows its table entry, and choosing a row in
// one list selects the same country in the other.
class Common_DlgLaenderCode : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 21109;

    // mode selects the caption (CountryCodes::Caption); name, when given, is
    // the beginning of the country to preselect, else code is.
    Common_DlgLaenderCode(int mode, const QString& name, const QString& code, QWidget* parent = nullptr);

    // After OK the chosen country; otherwise what was passed in.
    const QString& CountryName() const { return m_name; }
    const QString& CountryCode() const { return m_code; }

    QListWidget* CodeList() const { return m_codeList; }
    QListWidget* NameList() const { return m_nameList; }
    QLabel* CodeLabel() const { return m_codeLabel; }
    QLabel* NameLabel() const { return m_nameLabel; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

public Q_SLOTS:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Shows the selected rows; chosenIn is the list the user chose in.
    void ShowSelection(QListWidget* chosenIn);

    CountryCodes::CCountryList m_lists;
    QString m_name;
    QString m_code;
    QListWidget* m_codeList;
    QListWidget* m_nameList;
    QLabel* m_codeLabel;
    QLabel* m_nameLabel;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
