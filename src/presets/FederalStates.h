#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The German federal states with their two-digit numbers, and what the
// federal-state list decides. No widgets.
namespace FederalStates {

// Numbered texts: 1072 "01 - Schleswig-Holstein" to 1087 "16 - Thüringen",
// 1088 "99 - Ausland".
enum ETextId : int {
    kTextFirstState = 1072,
    kTextLastState = 1087,
    kTextAbroad = 1088,
};
QString Text(int id);

// All seventeen texts in list order, "99 - Ausland" last.
QStringList Texts();
// The sixteen states without "99 - Ausland".
QStringList StateTexts();

inline const QString kCaption = QStringLiteral("Ländernummer (Inland)");
inline const QString kOkText = QStringLiteral("Übernehmen");
inline const QString kCancelText = QStringLiteral("Abbruch");
inline const QString kTipList = QStringLiteral("In diesem Fenster das Bundesland auswählen");
inline const QString kTipCancel = QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern");
inline const QString kTipOk = QStringLiteral("Dialog beenden und alle Daten sichern");

// Row to preselect for a code text: "01" to "16" their state, "99" the last
// row; an empty code counts as "1". -1 selects nothing.
int InitialRow(const QString& code);
// The code of a row: "01" to "16", "99" for the last row; none without a row.
std::optional<QString> ResultCode(int row);

} // namespace FederalStates
