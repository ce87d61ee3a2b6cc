#pragma once

#include <QString>
#include <QStringList>

class CFieldDefinitions;
class CRegeditManagment;
class CSettingsStore;

// What the presets dialog shows and stores: the consignee and declarant
// presets, the federal states of boxes 17b and 34b, and the switches for
// the stamps and input conveniences.
struct SPresetValues
{
    QString consignee; // lines separated by CR LF
    QString consigneeCustomsNumber;
    int declarantRole = -1; // row of the role list; -1: none
    QString declarantCustomsNumber;
    bool useConsignee = false;
    bool useDeclarant = false;
    bool useField17 = false;
    bool useField34 = false;
    bool autoFill = false;
    bool notOnPage2 = false;
    bool stampA = false;
    bool stampC = false;
    bool stampC2 = false;
    bool dateInStamp = false;
    bool threeLineStamp = false;
    bool showXxx = false;
    int field17State = -1; // row of the federal-state list; -1: none
    int field34State = -1;

    bool operator==(const SPresetValues&) const = default;
};

namespace PresetSettings {

// Numbered texts of the dialog: 33 (stored), 272 to 290 (tooltips).
// Empty for any other number.
QString Text(int id);
// Shown instead of text 33 when the values did not reach the settings files.
QString NotStoredMessage(const QStringList& fileNames);

// The sixteen federal states "01 - Schleswig-Holstein" to "16 - Thüringen".
QStringList FederalStateTexts();
// Row of a stored two-digit code: its leading number minus 1, or -1 when
// that number is not 1 to 16 (text without leading digits counts as 0).
int FederalStateRow(const QString& code);
// "%.2d" of row + 1; "00" for no row.
QString FederalStateCode(int row);

// The declarant role list: an empty first row, then the four role texts,
// so that a row is the role number documents use.
QStringList DeclarantRoleEntries();

// Consignee lines to store: the first four lines, each cut after 49
// characters; missing lines are empty.
constexpr int kConsigneeLines = 4;
constexpr int kConsigneeLineLength = 49;
QStringList ConsigneeLines(const QString& text);

// What the dialog shows when it opens.
SPresetValues Read(const CSettingsStore& profile);

// Writes every value as OK stores it (no field flags).
void Write(const SPresetValues& values, const CSettingsStore& profile);

// The stamp switches in the field flags of both sheet kinds, all four
// variant columns: a stamp that is off hides its six boxes.
void ApplyStampFlags(CFieldDefinitions& definitions, bool stampA, bool stampC, bool stampC2);

// OK: writes the values, rewrites the stamp flags in definitions and saves
// them. False when a value could not be read back as written.
bool Store(const SPresetValues& values, const CSettingsStore& profile, const CRegeditManagment& library,
           CFieldDefinitions& definitions);

} // namespace PresetSettings
