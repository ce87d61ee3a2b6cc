#include "PresetSettings.h"

#include "CodeText.h"
#include "FederalStates.h"
#include "app/FieldDefinitionStore.h"
#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "document/DocumentPresets.h"
#include "fields/FieldDefinitions.h"
#include "fields/KivEditWindow.h"

#include <QRegularExpression>
#include <QSettings>

namespace {

struct SText
{
    int id;
    const char16_t* text;
};

const SText kTexts[] = {
    {33, u"Die Vorgabedaten wurden gesichert\nund werden beim nächsten neuen\nDokument benutzt."},
    {272, u"Eintragen: Firmenname und Adresse des Versenders/Ausführers"},
    {273, u"Eintragen: Zollnummer des Versenders/Ausführers"},
    {274, u"Eintragen: Zollnummer des Anmelders/Vertereters"},
    {275, u"Auswählen: Bestimmungsland"},
    {276, u"Auswählen: Standardtext"},
    {277, u"Auswählen: Ursprungsland"},
    {278, u"Aktiviert die Angaben für jedes neue Dokument"},
    {279, u"Aktiviert die Angaben für jedes neue Dokument"},
    {280, u"Aktiviert die Angaben für jedes neue Dokument"},
    {281, u"Aktiviert die Angaben für jedes neue Dokument"},
    {282, u"Aktiviert die automatische Befüllung der Felder 3, 5 und 32"},
    {283, u"Deaktiviert die Angaben für die Ergänzungsblätter"},
    {284, u"Aktiviert den Stempel im Feld A"},
    {285, u"Aktiviert den Stempel im Feld C"},
    {286, u"Fügt automatisch das aktuelle Datum im Stempel ein"},
    {287, u"Ermöglicht eine dreizeilige Eingabe im Stempelfeld 2 und 5"},
    {288, u"Abbruch des Dialogs, ohne die Änderungen zu sichern"},
    {289, u"Aufruf der On-Line Hilfe"},
    {290, u"Dialog beenden und alle Daten sichern"},
};

constexpr int kStateCount = FederalStates::kTextLastState - FederalStates::kTextFirstState + 1;
constexpr int kRoleCount = 4;

constexpr quint8 kStampOff = CFieldDefinitions::kNotPrinted | CFieldDefinitions::kNotEditable
                             | CFieldDefinitions::kNotShown;

// Which boxes each stamp switch owns: sheet kind and the first of six fields.
struct SStampBoxes
{
    int sheetKind;
    int firstField;
};
constexpr int kStampBoxCount = 6;
const SStampBoxes kStampA[] = {{kMainSheet, 3}, {kContSheet, 1}};
const SStampBoxes kStampC[] = {{kMainSheet, 53}};
const SStampBoxes kStampC2[] = {{kContSheet, 38}};

template <size_t N>
void SetStamp(CFieldDefinitions& defs, const SStampBoxes (&boxes)[N], bool on)
{
    for (const SStampBoxes& b : boxes)
        for (int i = b.firstField; i < b.firstField + kStampBoxCount; ++i)
            for (int v = 0; v < CFieldDefinitions::kRecordSize; ++v)
                defs.SetFlags(i, b.sheetKind, v, on ? 0 : kStampOff);
}

const QString& D()
{
    return SettingsSection::kDefaults;
}

QString Firma(int line)
{
    return QStringLiteral("Firma%1").arg(line);
}

// Whether the settings file behind store takes writes. A value written to a
// file that cannot be written may still be read back from Qt's cache, so
// the store is asked to write its pending values once more.
bool Writable(const CSettingsStore& store)
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, store.Organisation(), store.Application());
    s.sync();
    return s.status() != QSettings::AccessError;
}

} // namespace

namespace PresetSettings {

QString Text(int id)
{
    for (const SText& t : kTexts)
        if (t.id == id)
            return QString::fromUtf16(t.text);
    return QString();
}

QString NotStoredMessage(const QStringList& fileNames)
{
    return QStringLiteral("Die Vorgabedaten konnten nicht gesichert werden.\n"
                          "Bitte prüfen Sie, ob diese Dateien beschrieben werden können:\n%1")
        .arg(fileNames.join(QLatin1Char('\n')));
}

QStringList FederalStateTexts()
{
    return FederalStates::StateTexts();
}

int FederalStateRow(const QString& code)
{
    const int n = CodeText::LeadingNumber(code);
    return n >= 1 && n <= kStateCount ? n - 1 : -1;
}

QString FederalStateCode(int row)
{
    const int n = row >= 0 && row < kStateCount ? row + 1 : 0;
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QStringList DeclarantRoleEntries()
{
    QStringList list{QString()};
    for (int role = 1; role <= kRoleCount; ++role)
        list << DocumentPresets::DeclarantRoleText(role);
    return list;
}

QStringList ConsigneeLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r|\u2029"));
    QStringList lines = text.split(lineBreak);
    QStringList out;
    for (int i = 0; i < kConsigneeLines; ++i) {
        QString line = lines.value(i);
        if (line.size() > kConsigneeLineLength) {
            qsizetype cut = kConsigneeLineLength;
            // Never keep half of a character outside the basic plane.
            if (line.at(cut - 1).isHighSurrogate())
                --cut;
            line.truncate(cut);
        }
        out << line;
    }
    return out;
}

SPresetValues Read(const CSettingsStore& p)
{
    SPresetValues v;
    QStringList lines;
    for (int i = 1; i <= kConsigneeLines; ++i)
        lines << p.ReadString(D(), Firma(i), QString());
    v.consignee = lines.join(QStringLiteral("\r\n"));
    CKivEditWindow::TrimTrailingWhiteSpace(v.consignee);
    v.consigneeCustomsNumber = p.ReadString(D(), QStringLiteral("ZollNummer1"), QString());
    const int role = p.ReadInt(D(), QStringLiteral("Anmelder"), 0);
    v.declarantRole = role >= 0 && role <= kRoleCount ? role : -1;
    v.declarantCustomsNumber = p.ReadString(D(), QStringLiteral("ZollNummer2"), QString());
    v.useConsignee = (p.ReadInt(D(), QStringLiteral("Feld2"), 0) & 4) != 0;
    v.notOnPage2 = (p.ReadInt(D(), QStringLiteral("Feld2S2"), 0) & 1) != 0;
    v.useDeclarant = (p.ReadInt(D(), QStringLiteral("Feld14"), 0) & 4) != 0;
    v.useField17 = (p.ReadInt(D(), QStringLiteral("Feld17"), 4) & 4) != 0;
    v.useField34 = (p.ReadInt(D(), QStringLiteral("Feld34"), 4) & 4) != 0;
    v.autoFill = p.ReadInt(D(), QStringLiteral("AutoFillPositions"), 1) != 0;
    v.stampA = p.ReadInt(D(), QStringLiteral("Stamp_A"), 0) != 0;
    v.stampC = p.ReadInt(D(), QStringLiteral("Stamp_C"), 0) != 0;
    v.stampC2 = p.ReadInt(D(), QStringLiteral("Stamp_C2"), 0) != 0;
    v.dateInStamp = p.ReadInt(D(), QStringLiteral("AutoDateInStamp"), 0) != 0;
    v.threeLineStamp = p.ReadInt(D(), QStringLiteral("3LineInStamp"), 1) != 0;
    v.showXxx = p.ReadInt(D(), QStringLiteral("EH_ShowXX"), 1) != 0;
    v.field34State = FederalStateRow(p.ReadString(D(), QStringLiteral("Bundesland1"), QStringLiteral("01")));
    v.field17State = FederalStateRow(p.ReadString(D(), QStringLiteral("Bundesland2"), QStringLiteral("01")));
    return v;
}

void Write(const SPresetValues& v, const CSettingsStore& p)
{
    const QStringList lines = ConsigneeLines(v.consignee);
    for (int i = 0; i < kConsigneeLines; ++i)
        p.WriteString(D(), Firma(i + 1), lines.at(i));
    p.WriteString(D(), QStringLiteral("Bundesland2"), FederalStateCode(v.field17State));
    p.WriteString(D(), QStringLiteral("Bundesland1"), FederalStateCode(v.field34State));
    p.WriteInt(D(), QStringLiteral("Anmelder"), v.declarantRole);
    p.WriteString(D(), QStringLiteral("ZollNummer1"), v.consigneeCustomsNumber);
    p.WriteString(D(), QStringLiteral("ZollNummer2"), v.declarantCustomsNumber);
    p.WriteInt(D(), QStringLiteral("AutoFillPositions"), v.autoFill ? 1 : 0);
    p.WriteInt(D(), QStringLiteral("3LineInStamp"), v.threeLineStamp ? 1 : 0);
    p.WriteInt(D(), QStringLiteral("EH_ShowXX"), v.showXxx ? 1 : 0);
    p.WriteInt(D(), QStringLiteral("Feld2"), v.useConsignee ? 4 : 0);
    p.WriteInt(D(), QStringLiteral("Feld2S2"), v.notOnPage2 ? 1 : 0);
    p.WriteInt(D(), QStringLiteral("Feld14"), v.useDeclarant ? 4 : 0);
    p.WriteInt(D(), QStringLiteral("Feld17"), v.useField17 ? 4 : 0);
    p.WriteInt(D(), QStringLiteral("Feld34"), v.useField34 ? 4 : 0);
    p.WriteInt(D(), QStringLiteral("AutoDateInStamp"), v.dateInStamp ? 1 : 0);
    p.WriteInt(D(), QStringLiteral("Stamp_A"), v.stampA ? 1 : 0);
    p.WriteInt(D(), QStringLiteral("Stamp_C"), v.stampC ? 1 : 0);
    p.WriteInt(D(), QStringLiteral("Stamp_C2"), v.stampC2 ? 1 : 0);
}

void ApplyStampFlags(CFieldDefinitions& definitions, bool stampA, bool stampC, bool stampC2)
{
    SetStamp(definitions, kStampA, stampA);
    SetStamp(definitions, kStampC, stampC);
    SetStamp(definitions, kStampC2, stampC2);
}

bool Store(const SPresetValues& values, const CSettingsStore& profile, const CRegeditManagment& library,
           CFieldDefinitions& definitions)
{
    Write(values, profile);
    ApplyStampFlags(definitions, values.stampA, values.stampC, values.stampC2);
    FieldDefinitionStore::Save(definitions, profile, library);

    // What the next opening shows must be what was just chosen.
    SPresetValues expected = values;
    expected.consignee = ConsigneeLines(values.consignee).join(QStringLiteral("\r\n"));
    CKivEditWindow::TrimTrailingWhiteSpace(expected.consignee);
    if (expected.declarantRole < 0 || expected.declarantRole > kRoleCount)
        expected.declarantRole = -1;
    if (expected.field17State < 0 || expected.field17State >= kStateCount)
        expected.field17State = -1;
    if (expected.field34State < 0 || expected.field34State >= kStateCount)
        expected.field34State = -1;
    CFieldDefinitions stored;
    FieldDefinitionStore::Read(stored, profile, library);
    return Writable(profile) && Writable(library.Root()) && Read(profile) == expected
           && stored.Table(kMainSheet) == definitions.Table(kMainSheet)
           && stored.Table(kContSheet) == definitions.Table(kContSheet);
}

} // namespace PresetSettings
