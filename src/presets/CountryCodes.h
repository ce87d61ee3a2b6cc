#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <span>

// The country code list: the table of countries and territories with their
// two-letter codes, the order of the two sorted lists of the country dialog
// and everything the dialog decides. No widgets: tests and other callers use
// it directly.
namespace CountryCodes {

struct SCountryEntry
{
    const char16_t* code;
    const char16_t* name;
};

// The table as stored, terminator entry included.
extern const std::span<const SCountryEntry> kCountryTableSpan;

// Entries before the first one whose code reads as a number of 1999 or more;
// a table without such an entry counts to its end.
int CountBeforeTerminator(std::span<const SCountryEntry> table);

// Entries of the country table (the terminator not counted).
int Count();
QString Code(int entry);
QString Name(int entry);

// First entry, in table order, whose name begins with `beginning`
// (case-insensitive); -1 when none does or `beginning` is empty.
int FindByNameBeginning(const QString& beginning);

// Window caption for the dialog's mode: 1 destination, 2 origin,
// 3 dispatch, 4 production country, anything else the plain list.
QString Caption(int mode);

// Texts of the dialog.
inline const QString kCodeLabel = QStringLiteral("Länder-\n&code");
inline const QString kNameLabel = QStringLiteral("Land");
inline const QString kOkText = QStringLiteral("Übernehmen");
inline const QString kCancelText = QStringLiteral("Abbrechen");
inline const QString kHelpText = QStringLiteral("Hilfe");
inline const QString kTipCodeList = QStringLiteral("In diesem Fenster den ISO-Ländercode auswählen");
inline const QString kTipNameList = QStringLiteral("In diesem Fenster das Land auswählen");
inline const QString kTipCancel = QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern");
inline const QString kTipHelp = QStringLiteral("Aufruf der On-Line Hilfe");
inline const QString kTipOk = QStringLiteral("Dialog beenden und alle Daten sichern");

// Sort key for list texts, the way a German dictionary orders words: case
// does not count, umlauts sort as their base letter, ß as "ss", accents are
// dropped, hyphens and apostrophes are skipped. It depends on no locale
// setting of the machine, so every installation shows the same order.
QString SortKey(QStringView text);
// Orders two list texts by their sort keys, then by their exact text.
int CompareListTexts(QStringView a, QStringView b);

// The state of the country dialog's two sorted lists: which entry each row
// stands for and which row is selected. Rows stay in step through their
// entries, never through their positions.
class CCountryList
{
public:
    CCountryList();

    // Entry shown in each row, in row order.
    const QList<int>& NameRows() const { return m_nameRows; }
    const QList<int>& CodeRows() const { return m_codeRows; }

    int NameRow() const { return m_nameRow; }
    int CodeRow() const { return m_codeRow; }
    int NameRowOfEntry(int entry) const;
    // First code row whose code equals `code` / begins with `beginning`
    // (both case-insensitive); -1 when there is none.
    int FirstCodeRowEqual(const QString& code) const;
    int FirstCodeRowBeginning(const QString& beginning) const;

    // Preselection when the dialog opens. A name beginning wins; without a
    // name, or with one no entry begins with, the code beginning decides,
    // "DE" when the code is empty or matches nothing.
    void Open(const QString& inName, const QString& inCode);

    // The user chose a row of one list; the other list follows.
    void SelectNameRow(int row);
    void SelectCodeRow(int row);

    // The entry of the selected name row: the one OK takes. -1 without one.
    int ChosenEntry() const;

private:
    QList<int> m_nameRows;
    QList<int> m_codeRows;
    int m_nameRow = -1;
    int m_codeRow = -1;
};

} // namespace CountryCodes
