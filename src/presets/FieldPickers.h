#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class CSettingsStore;

// What the pickers of boxes 1, 19, 25 and 54 decide: the codes they offer,
// which one they preselect for a field text and what OK hands back. No
// widgets, so tests and the form view use it without a dialog.
namespace FieldPickers {

// Numbered texts of the pickers.
enum ETextId : int {
    kTextTipTakeOver = 259,
    kTextTipCancel = 260,
    kTextTipAbort = 261,
    kTextTipHelp = 262,
    kTextTipTransport = 297,
    kTextTipPlace = 300,
    kTextTransportFirst = 1090,
    kTextTransportLast = 1097,
};
QString Text(int id);

inline const QString kTakeOverText = QStringLiteral("Übernehmen");
inline const QString kAbortText = QStringLiteral("Abbruch");
inline const QString kHelpText = QStringLiteral("Hilfe");

// The code of a field text: its leading decimal digits, 0 without any.
int CodeFromText(const QString& text);

// ---------------------------------------------------------------- box 1

inline const QString kCaption01 = QStringLiteral("Vorgaben für Feld 1");
inline const QString kHeading01 = QStringLiteral("1  A N M E L D U N G");

enum class EPart { kA, kB, kC };
// The codes one part offers, in button order.
QStringList PartCodes(EPart part);
// Button of a part for a field text (exact, case-sensitive); -1 for none.
int PartChoice(EPart part, const QString& text);
// Text OK writes for a part: the chosen code, empty without a choice.
QString PartText(EPart part, int choice);

// ---------------------------------------------------------------- box 19

inline const QString kCaption19 = QStringLiteral("Vorgaben für Feld 19");
QStringList ContainerTexts();
// Button for a code: 0 or 1, -1 for any other code.
int ContainerChoice(int code);
// Code of a button; none without a chosen button.
std::optional<int> ContainerCode(int choice);

// ---------------------------------------------------------------- box 25

inline const QString kCaption25 = QStringLiteral("Vorgaben für Verkehrszweig");
// "1 - Seeverkehr" to "9 - Eigener Antrieb"; there is no code 6.
QStringList TransportTexts();
// Row to preselect for a code: row 0 below 1, the nearest lower code for 6,
// none for codes beyond 9.
int TransportRow(int code);
// Code of a row; none without a row.
std::optional<int> TransportCode(int row);

// ---------------------------------------------------------------- box 54

inline const QString kCaption54 = QStringLiteral("Aktuelles Datum einfügen");
inline const QString kPlaceLabel = QStringLiteral("Ort:");
inline const QString kRememberText = QStringLiteral("Ortsname merken");
inline const QString kInsertDateText = QStringLiteral("Datum einsetzen");
inline const QString kCancel54Text = QStringLiteral("Abbrechen");

// Values of the `Settings` section that remember the place.
inline const QString kReusePlaceValue = QStringLiteral("ReuseDatumOrt");
inline const QString kPlaceValue = QStringLiteral("DatumOrt");

struct SPlaceMemory
{
    bool remember = true;
    QString place; // empty unless remembered
};
SPlaceMemory ReadPlaceMemory(const CSettingsStore& profile);

// "Hamburg, 5.3.2024", or "5.3.2024" without a place; no leading zeros.
// Trailing white space of the place is dropped.
QString DateText(const QString& place, const QDate& date);
// What OK of the box 54 picker does: stores the switch and, when it is on,
// the place; returns the text for the field.
QString TakeDate(const CSettingsStore& profile, const QString& place, bool remember, const QDate& date);

} // namespace FieldPickers
