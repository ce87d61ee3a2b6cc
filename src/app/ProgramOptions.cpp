#include "ProgramOptions.h"

#include "SettingsStore.h"
#include "masterdata/AddressTable.h"
#include "masterdata/VelmoraStammDaten.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct SText
{
    int id;
    const char16_t* text;
};

// 144, 145 and 337 say what the buttons really do: an empty table where
// none exists, an existing file kept with its data.
const SText kTexts[] = {
    {144, u"Mit dieser Option wird beim Beenden des Dialogs mit \"OK\"\n"
          u"eine neue, leere Datenbankdatei für die Adressdaten angelegt,\n"
          u"sofern am angegebenen Speicherort noch keine Datei vorhanden ist.\n\n"
          u"Eine vorhandene Datei bleibt mit allen Daten unverändert erhalten.\n\n"
          u"Möchten Sie die Datei initialisieren?"},
    {145, u"Mit dieser Option wird beim Beenden des Dialogs mit \"OK\"\n"
          u"eine neue, leere Datenbankdatei für die Warendaten angelegt,\n"
          u"sofern am angegebenen Speicherort noch keine Datei vorhanden ist.\n\n"
          u"Eine vorhandene Datei bleibt mit allen Daten unverändert erhalten.\n\n"
          u"Möchten Sie die Datei initialisieren?"},
    {257, u"Dialog beenden und alle Einstellungen sichern"},
    {261, u"Abbruch des Dialogs, ohne die Änderungen zu sichern"},
    {262, u"Aufruf der On-Line Hilfe"},
    {332, u"Datenbankdatei mit Adressdaten"},
    {333, u"Hier den Speicherort für die Adressdatenbankdatei eintragen"},
    {334, u"Dateidialog"},
    {335, u"Hier können Sie den Dateidialog aufrufen, um die Datei zu suchen und zu benennen."},
    {336, u"Datei initialisieren"},
    {337, u"Mit dieser Schaltfläche legen Sie eine neue, leere Datenbankdatei an, sobald der Dialog mit \"OK\" "
          u"beendet wird, sofern noch keine Datei vorhanden ist.\n"
          u"Eine vorhandene Datei bleibt mit allen Daten unverändert erhalten."},
    {338, u"Datenbankdatei mit Warendaten"},
    {339, u"Hier den Speicherort für die Datenbankdatei mit Ihren Warendaten eintragen"},
    {340, u"Papierformatprüfung"},
    {341, u"Aktiviert eine Papierformatprüfung vor dem Aufruf des Dialogs \"Drucken\""},
};

QString WithSeparator(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

} // namespace

namespace ProgramOptions {

QString Text(int id)
{
    for (const SText& t : kTexts)
        if (t.id == id)
            return QString::fromUtf16(t.text);
    return QString();
}

SValues Load(const CSettingsStore& profile, const QString& dataDirectory)
{
    SValues v;
    v.addressPath = profile.ReadString(SettingsSection::kSettings, kAddressPathName, QString());
    v.goodsPath = profile.ReadString(SettingsSection::kSettings, kGoodsPathName, QString());
    v.paperCheck = profile.ReadInt(SettingsSection::kSettings, kPaperCheckName, kPaperCheckDefault);
    if (v.addressPath.isEmpty())
        v.addressPath = WithSeparator(dataDirectory) + CAddressTable::kFileName;
    // The goods store's own default name: file names differ by case here, and
    // "Artikel1.dbf" stored on OK would hide an existing ARTIKEL1.DBF.
    if (v.goodsPath.isEmpty()) {
        const bool legacy = profile.ReadInt(SettingsSection::kSettings, QStringLiteral("Stammdaten"), 1)
                            == CVelmoraStammDaten::kLayoutLegacy;
        v.goodsPath = WithSeparator(dataDirectory)
                      + (legacy ? CVelmoraStammDaten::kLegacyFileName : CVelmoraStammDaten::kCurrentFileName);
    }
    return v;
}

void Store(const CSettingsStore& profile, const SValues& values)
{
    profile.WriteString(SettingsSection::kSettings, kAddressPathName, values.addressPath);
    profile.WriteString(SettingsSection::kSettings, kGoodsPathName, values.goodsPath);
    profile.WriteInt(SettingsSection::kSettings, kPaperCheckName, values.paperCheck);
}

SCreateOutcome CreateGoodsTable(const CSettingsStore& profile, const QString& dataDirectory)
{
    // The goods store's own reading of the settings, so the new table is the
    // one its dialog opens.
    const CVelmoraStammDaten::SLocation location = CVelmoraStammDaten::LocationFromSettings(profile);
    CVelmoraStammDaten store(dataDirectory);
    SCreateOutcome outcome;
    if (store.SetLocation(location.directory, location.fileName, location.layout) != 0) {
        outcome.error = QStringLiteral("Unbekannte Art der Warendatei.");
        return outcome;
    }
    outcome.path = store.TablePath();
    if (QFileInfo::exists(outcome.path)) {
        outcome.result = ECreateResult::kKept;
        return outcome;
    }
    if (store.CreateGoodsTable()) {
        outcome.result = ECreateResult::kCreated;
    } else {
        outcome.error = store.ErrorText();
    }
    return outcome;
}

SCreateOutcome CreateAddressTable(const CSettingsStore& profile, const QString& dataDirectory)
{
    SCreateOutcome outcome;
    outcome.path = CAddressTable::TablePath(profile, dataDirectory);
    if (QFileInfo::exists(outcome.path)) {
        outcome.result = ECreateResult::kKept;
        return outcome;
    }
    CAddressTable table(outcome.path, dataDirectory);
    if (table.Create(false)) {
        outcome.result = ECreateResult::kCreated;
        table.Close();
    } else {
        outcome.error = table.ErrorText();
    }
    return outcome;
}

QString CreateFailedText(const SCreateOutcome& outcome)
{
    QString text = QStringLiteral("Die Datenbankdatei\n%1\nkonnte nicht angelegt werden.").arg(QDir::toNativeSeparators(outcome.path));
    if (!outcome.error.isEmpty())
        text += QStringLiteral("\n\n") + outcome.error;
    return text + QStringLiteral("\n\nDie Einstellungen wurden gesichert.");
}

} // namespace ProgramOptions
