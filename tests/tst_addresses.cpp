// The address table and the dialog "Adressdaten": location, first use, the
// list, browse and edit states, saving, the four-line split and the messages.

#include "TestSupport.h"

#include "app/SettingsStore.h"
#include "masterdata/AddressTable.h"
#include "masterdata/DlgEH_Default08.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Answers every question and records every message.
struct SPromptRecorder
{
    SPromptRecorder()
    {
        Prompts::SetAskFunction([this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons,
                                       QMessageBox::StandardButton) {
            messages.append(text);
            return answer;
        });
    }
    ~SPromptRecorder() { Prompts::SetAskFunction(nullptr); }
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An address table holding the given records (lines 1-4, customs number).
void MakeTable(const QString& path, const QList<QStringList>& records)
{
    CAddressTable table(path);
    QVERIFY(table.Create());
    CdBaseDocument& db = table.Table();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const quint32 n = quint32(i + 1);
        if (i > 0)
            QCOMPARE(db.WriteRecord(n), qint64(n)); // append, then fill
        QCOMPARE(db.ReadRecord(n), qint64(n));
        for (int p = 0; p < 5; ++p)
            QCOMPARE(db.SetCharField(p, records.at(i).value(p)), 0);
        QCOMPARE(db.WriteRecord(n), qint64(n));
    }
}

QStringList RecordFields(const QString& path, quint32 n)
{
    CdBaseDocument db;
    if (!db.OpenTable(path) || db.ReadRecord(n) != n)
        return {};
    QStringList fields;
    for (int p = 0; p < 5; ++p) {
        QString t;
        db.GetCharField(p, t);
        fields.append(t);
    }
    return fields;
}

QStringList ListTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QString SelectedText(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.size() == 1 ? items.first()->text() : QString();
}

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

class TestAddresses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_dataDir = m_settings->Path() + QStringLiteral("/Documents/velmora-t2l");
        m_path = m_settings->Path() + QStringLiteral("/Adressen.dbf");
        CSettingsStore::Profile().WriteString(SettingsSection::kSettings, CAddressTable::kSettingName, m_path);
    }
    void cleanup() { m_settings.reset(); }

    void tablePath_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("isDefault");
        QTest::newRow("@") << QStringLiteral("@") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("own path") << QStringLiteral("/daten/Kunden.dbf") << false;
    }
    void tablePath()
    {
        QFETCH(QString, setting);
        QFETCH(bool, isDefault);
        const CSettingsStore profile = CSettingsStore::Profile();
        profile.WriteString(SettingsSection::kSettings, CAddressTable::kSettingName, setting);
        const QString expected = isDefault ? m_dataDir + QStringLiteral("/Adress1.dbf") : setting;
        QCOMPARE(CAddressTable::TablePath(profile, m_dataDir), expected);
        QCOMPARE(profile.ReadString(SettingsSection::kSettings, CAddressTable::kSettingName, QString()), expected);
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("six lines, leading blanks")
            << QStringLiteral("  Müller GmbH\r\n\tHof 1\r\n3\r\n4\r\n5\r\n6")
            << QStringList{QStringLiteral("Müller GmbH"), "Hof 1", "3", "4"};
        QTest::newRow("two lines") << QStringLiteral("a\r\nb") << QStringList{"a", "b", "", ""};
        QTest::newRow("empty") << QString() << QStringList{"", "", "", ""};
        QTest::newRow("blank first line") << QStringLiteral("   \r\nb") << QStringList{"", "b", "", ""};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(CAddressTable::SplitLines(text), lines);
    }

    void firstUseCreatesTheTable()
    {
        // The default location in a data directory that does not exist yet.
        CSettingsStore::Profile().WriteString(SettingsSection::kSettings, CAddressTable::kSettingName, QStringLiteral("@"));
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        const QString path = m_dataDir + QStringLiteral("/Adress1.dbf");
        QCOMPARE(dialog.TablePath(), path);
        QVERIFY(dialog.OpenTable());
        QCOMPARE(prompts.messages,
                 (QStringList{QStringLiteral("%1 enthält eine falsche Pfadangabe.").arg(path),
                              QStringLiteral("Soll die Datenbankdatei neu erstellt werden?")}));
        QCOMPARE(ListTexts(dialog.List()), QStringList{QStringLiteral("Erster Eintrag")});
        QCOMPARE(SelectedText(dialog.List()), QStringLiteral("Erster Eintrag"));
        QCOMPARE(dialog.AddressEdit()->toPlainText(), QStringLiteral("Erster Eintrag\n\n\n"));
        QCOMPARE(dialog.CustomsEdit()->text(), QString());
        QCOMPARE(ReadAll(path).size(), 193 + 346 + 1);
    }

    void refusingToCreateAborts()
    {
        SPromptRecorder prompts;
        prompts.answer = QMessageBox::No;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QCOMPARE(dialog.Run(), CDlgEH_Default08::EResult::kAbort);
        QCOMPARE(prompts.messages.size(), 2);
        QCOMPARE(prompts.messages.first(), QStringLiteral("%1 wurde nicht gefunden.").arg(m_path));
        QVERIFY(!QFile::exists(m_path));
    }

    void aFileOfAnotherFormatIsNeverReplaced()
    {
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keine Tabelle, aber Daten");
        f.close();
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(!dialog.OpenTable());
        QCOMPARE(prompts.messages,
                 (QStringList{QStringLiteral("Unerwartetes Dateiformat."),
                              QStringLiteral("Soll die Datenbankdatei neu erstellt werden?"),
                              QStringLiteral("Unerwartetes Dateiformat.")}));
        QCOMPARE(ReadAll(m_path), QByteArray("keine Tabelle, aber Daten"));
    }

    void browseListsSortedAndTakesOver()
    {
        MakeTable(m_path, {{"zeta AG", "Weg 1", "", "", "DE1"}, {"Alpha KG", "Str. 2", "", "", "DE2"},
                           {QStringLiteral("Özdemir"), "", "", "", ""}, {"beta", "", "", "", "DE1234567890123456789012"}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        QCOMPARE(ListTexts(dialog.List()),
                 (QStringList{"Alpha KG", "beta", QStringLiteral("Özdemir"), "zeta AG"}));
        QCOMPARE(dialog.AddressEdit()->toPlainText(), QStringLiteral("Alpha KG\nStr. 2\n\n"));
        QCOMPARE(dialog.CustomsEdit()->text(), QStringLiteral("DE2"));
        dialog.List()->setCurrentRow(3);
        QCOMPARE(dialog.AddressEdit()->toPlainText(), QStringLiteral("zeta AG\nWeg 1\n\n"));
        QVERIFY(!dialog.IsEditing());
        QCOMPARE(dialog.OkButton()->text(), QStringLiteral("Übernehmen"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.AddressText(), QStringLiteral("zeta AG\r\nWeg 1"));
        QCOMPARE(dialog.CustomsNumber(), QStringLiteral("DE1"));
        QVERIFY(prompts.messages.isEmpty());
    }

    void editExistingRecord()
    {
        MakeTable(m_path, {{"Alpha KG", "Str. 2", "", "", "DE2"}, {"Beta", "", "", "", ""}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
        QVERIFY(dialog.IsEditing());
        QCOMPARE(dialog.OkButton()->text(), QStringLiteral("Speichern"));
        QVERIFY(dialog.EditButton()->isHidden());
        QVERIFY(dialog.NewButton()->isHidden());
        dialog.AddressEdit()->setPlainText(QStringLiteral("Gamma GmbH\n  Allee 3\nPLZ\nOrt\nZeile 5"));
        dialog.CustomsEdit()->clear();
        QTest::keyClicks(dialog.CustomsEdit(), QStringLiteral("DE99"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.IsEditing());
        QCOMPARE(dialog.OkButton()->text(), QStringLiteral("Übernehmen"));
        QVERIFY(!dialog.EditButton()->isHidden());
        QCOMPARE(RecordFields(m_path, 1), (QStringList{"Gamma GmbH", "Allee 3", "PLZ", "Ort", "DE99"}));
        QCOMPARE(ListTexts(dialog.List()), (QStringList{"Beta", "Gamma GmbH"}));
        QCOMPARE(SelectedText(dialog.List()), QStringLiteral("Gamma GmbH"));
        QCOMPARE(dialog.AddressEdit()->toPlainText(), QStringLiteral("Gamma GmbH\nAllee 3\nPLZ\nOrt"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open
        QVERIFY(dialog.isVisible());
        QVERIFY(prompts.messages.isEmpty());
    }

    void cancelInEditStateRestores()
    {
        MakeTable(m_path, {{"Alpha", "", "", "", "1"}, {"Beta", "", "", "", "2"}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        dialog.List()->setCurrentRow(1);
        QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
        dialog.AddressEdit()->setPlainText(QStringLiteral("verworfen"));
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.IsEditing());
        QVERIFY(dialog.isVisible());
        QCOMPARE(SelectedText(dialog.List()), QStringLiteral("Beta"));
        QCOMPARE(dialog.AddressEdit()->toPlainText(), QStringLiteral("Beta\n\n\n"));
        QCOMPARE(RecordFields(m_path, 2).first(), QStringLiteral("Beta"));

        // After "Neuer Datensatz" the first line comes back.
        QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
        QVERIFY(dialog.IsEditing());
        QVERIFY(dialog.List()->selectedItems().isEmpty());
        QVERIFY(dialog.AddressEdit()->toPlainText().isEmpty());
        QVERIFY(dialog.CustomsEdit()->text().isEmpty());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.IsEditing());
        QVERIFY(dialog.isVisible());
        QCOMPARE(SelectedText(dialog.List()), QStringLiteral("Alpha"));
        QCOMPARE(dialog.CustomsEdit()->text(), QStringLiteral("1"));
        // Outside the edit state Abbrechen ends the dialog.
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void newEntries_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("selected");
        QTest::newRow("six lines, leading blanks") << QStringLiteral("   Neu AG\n Weg\n3\n4\n5\n6") << true
                                                   << QStringLiteral("Neu AG");
        QTest::newRow("empty first line") << QStringLiteral("\nWeg") << false << QStringLiteral("Alpha");
        QTest::newRow("blank first line") << QStringLiteral("   \nWeg") << false << QStringLiteral("Alpha");
        // The prefix search finds the older entry first.
        QTest::newRow("prefix of an existing entry") << QStringLiteral("Alp") << true << QStringLiteral("Alp");
        QTest::newRow("beginning of a longer existing entry") << QStringLiteral("Beta") << true
                                                              << QStringLiteral("Beta");
    }
    void newEntries()
    {
        QFETCH(QString, typed);
        QFETCH(bool, saved);
        QFETCH(QString, selected);
        MakeTable(m_path, {{"Alpha", "", "", "", ""}, {"Beta Zwei", "x", "", "", "Z"}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
        dialog.AddressEdit()->setPlainText(typed);
        QTest::keyClicks(dialog.CustomsEdit(), QStringLiteral("ATU1"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.IsEditing());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.RecordCount(), saved ? 3u : 2u);
        QCOMPARE(dialog.List()->count(), saved ? 3 : 2);
        QCOMPARE(SelectedText(dialog.List()), selected);
        if (QTest::currentDataTag() == QLatin1String("six lines, leading blanks"))
            QCOMPARE(RecordFields(m_path, 3), (QStringList{"Neu AG", "Weg", "3", "4", "ATU1"}));
        if (QTest::currentDataTag() == QLatin1String("beginning of a longer existing entry")) {
            // "Beta" comes before "Beta Zwei" in the list, and its record is the one shown.
            QCOMPARE(dialog.CustomsEdit()->text(), QStringLiteral("ATU1"));
        }
        QVERIFY(prompts.messages.isEmpty());
    }

    void newRecordNeverTakesTheTextOfAnother()
    {
        // A line too long for its field is refused with a message, nothing is
        // written, and the edit state keeps the user's input.
        MakeTable(m_path, {{"Alpha", "Zeile zwei von Alpha", "", "", ""}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
        const QString typed = QStringLiteral("Neu\n") + QString(81, u'x');
        dialog.AddressEdit()->setPlainText(typed);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages,
                 QStringList{QStringLiteral("Zeile 2 der Adresse ist zu lang: Es sind höchstens 80 Zeichen möglich.")});
        QVERIFY(dialog.IsEditing());
        QCOMPARE(dialog.AddressEdit()->toPlainText(), typed);
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.RecordCount(), 1u);
        // With a fitting second line the new record holds only its own text.
        dialog.AddressEdit()->setPlainText(QStringLiteral("Neu"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(RecordFields(m_path, 2), (QStringList{"Neu", "", "", "", ""}));
    }

    void failedWriteIsReportedAndKeepsTheInput()
    {
        MakeTable(m_path, {{"Alpha", "", "", "", ""}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
        dialog.AddressEdit()->setPlainText(QStringLiteral("Neu"));
        // The file may not grow: the append fails as on a full disk.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = rlim_t(QFileInfo(m_path).size());
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(prompts.messages,
                 QStringList{QStringLiteral("Die Adresse konnte nicht in %1 gespeichert werden.").arg(m_path)});
        QVERIFY(dialog.IsEditing());
        QCOMPARE(dialog.AddressEdit()->toPlainText(), QStringLiteral("Neu"));
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.RecordCount(), 1u);
        // Once the disk has room again, the same click saves.
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.IsEditing());
        QCOMPARE(RecordFields(m_path, 2).first(), QStringLiteral("Neu"));
    }

    void failedNewEntryNeverReachesAnotherRecord()
    {
        MakeTable(m_path, {{"Alpha", "", "", "", "A1"}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
        dialog.AddressEdit()->setPlainText(QStringLiteral("Neu"));
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = rlim_t(QFileInfo(m_path).size());
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(prompts.messages.size(), 1);
        // Giving up shows the first record again, which must not take the unsaved text.
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.IsEditing());
        QCOMPARE(dialog.AddressEdit()->toPlainText(), QStringLiteral("Alpha\n\n\n"));
        QCOMPARE(RecordFields(m_path, 1), (QStringList{"Alpha", "", "", "", "A1"}));
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.RecordCount(), 1u);
    }

    void longStoredCustomsNumber()
    {
        // Another program stored 25 characters: shown whole, not taken over,
        // saved all the same after the reminder.
        const QString number(25, u'7');
        MakeTable(m_path, {{"Alpha", "", "", "", number}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QCOMPARE(dialog.CustomsEdit()->text(), number);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("Geben Sie höchstens 24 Zeichen ein.")});
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
        // Typing cannot make it longer.
        dialog.CustomsEdit()->end(false);
        QTest::keyClicks(dialog.CustomsEdit(), QStringLiteral("8"));
        QCOMPARE(dialog.CustomsEdit()->text(), number);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.size(), 2);
        QVERIFY(!dialog.IsEditing());
        QCOMPARE(RecordFields(m_path, 1).last(), number);
        // A new entry's edit takes 24 characters.
        QTest::mouseClick(dialog.NewButton(), Qt::LeftButton);
        QTest::keyClicks(dialog.CustomsEdit(), QString(30, u'1'));
        QCOMPARE(dialog.CustomsEdit()->text(), QString(24, u'1'));
    }

    void focusRules()
    {
        MakeTable(m_path, {{"Alpha", "", "", "", ""}});
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.AddressEdit()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.List()));
        dialog.CustomsEdit()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.List()));
        QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.AddressEdit()));
        dialog.List()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.AddressEdit()));
        // Enter in the address starts a new line instead of saving.
        QTest::keyClick(dialog.AddressEdit(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(dialog.AddressEdit(), Qt::Key_Return);
        QVERIFY(dialog.IsEditing());
    }

    void deletedRecordsAreListedAndSavedValid()
    {
        MakeTable(m_path, {{"Alpha", "", "", "", ""}, {"Beta", "", "", "", ""}});
        {
            QFile f(m_path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(193 + 346);
            f.write("*");
        }
        SPromptRecorder prompts;
        CDlgEH_Default08 dialog(CSettingsStore::Profile(), m_dataDir);
        QVERIFY(dialog.OpenTable());
        dialog.show();
        QCOMPARE(ListTexts(dialog.List()), (QStringList{"Alpha", "Beta"}));
        dialog.List()->setCurrentRow(1);
        QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(ReadAll(m_path).at(193 + 346), ' ');
    }

    void recordNumbersBeyondSixteenBits()
    {
        CdBaseDocument db;
        db.AddField(QStringLiteral("ADRESS1"), 'C', 80, 0);
        QVERIFY(db.CreateTable(m_path));
        const quint32 n = 65540;
        {
            QFile f(m_path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(65 + qint64(n) * 81);
            f.write("\x1A");
            f.seek(65 + qint64(n - 1) * 81);
            f.write(" letzter");
            f.seek(4);
            const char count[4] = {char(n & 0xFF), char((n >> 8) & 0xFF), char(n >> 16), 0};
            f.write(count, 4);
        }
        db.CloseTable();
        CAddressTable table(m_path);
        QVERIFY(table.Open());
        const QList<CAddressTable::SEntry> entries = table.Entries();
        QCOMPARE(entries.size(), qsizetype(n));
        QCOMPARE(entries.last().record, n);
        QCOMPARE(entries.last().text, QStringLiteral("letzter"));
    }

    void importAndExportCommands()
    {
        MakeTable(m_path, {{"Alt", "", "", "", ""}});
        const QString csv = m_settings->Path() + QStringLiteral("/neu.csv");
        {
            QFile f(csv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("\xEF\xBB\xBFzollnr,ADRESS1,ADRESS2,ADRESS3,ADRESS4,Bemerkung\r\n"
                    "DE1,\"M\xC3\xBCller, Hof\",  Weg 1  ,,,egal\r\n"
                    ",,nur Zeile 2,,,\r\n"
                    ",\"Zwei\nZeilen\",,,,\r\n"
                    "," + QByteArray(81, 'x') + ",,,,\r\n"
                    "12345678901234567890123456,Zu lange Nummer,,,,\r\n"
                    ",\xE2\x82\xAC Firma \xE2\x80\x9E" "AG\xE2\x80\x9C,,,,\r\n");
        }
        // The table the settings name, as the editor uses it.
        QProcess tool;
        tool.start(QStringLiteral(T2LTOOL_PATH), {QStringLiteral("addresses"), QStringLiteral("import"), csv});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()),
                 QStringLiteral("2 Adressen geschrieben, 4 Zeilen übergangen.\n"));
        QCOMPARE(QString::fromUtf8(tool.readAllStandardError()),
                 QStringLiteral("Zeile 3 übergangen: ADRESS1 ist leer.\n"
                                "Zeile 4 übergangen: ADRESS1 enthält einen Zeilenumbruch.\n"
                                "Zeile 6 übergangen: ADRESS1 ist länger als 80 Zeichen.\n"
                                "Zeile 7 übergangen: ZOLLNR ist länger als 25 Zeichen.\n"));
        QCOMPARE(RecordFields(m_path, 1).first(), QStringLiteral("Alt"));
        QCOMPARE(RecordFields(m_path, 2), (QStringList{QStringLiteral("Müller, Hof"), "Weg 1", "", "", "DE1"}));
        QCOMPARE(RecordFields(m_path, 3), (QStringList{QStringLiteral("E Firma \"AG\""), "", "", "", ""}));

        // Export to another table given on the command line, and back.
        const QString out = m_settings->Path() + QStringLiteral("/aus.csv");
        tool.start(QStringLiteral(T2LTOOL_PATH),
                   {QStringLiteral("addresses"), QStringLiteral("export"), out, QStringLiteral("--table"), m_path});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(ReadAll(out), QByteArray("ADRESS1,ADRESS2,ADRESS3,ADRESS4,ZOLLNR\r\n"
                                          "Alt,,,,\r\n"
                                          "\"M\xC3\xBCller, Hof\",Weg 1,,,DE1\r\n"
                                          "\"E Firma \"\"AG\"\"\",,,,\r\n"));
        const QString copy = m_settings->Path() + QStringLiteral("/kopie.dbf");
        tool.start(QStringLiteral(T2LTOOL_PATH),
                   {QStringLiteral("addresses"), QStringLiteral("import"), out, QStringLiteral("--table"), copy});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        for (quint32 r = 1; r <= 3; ++r)
            QCOMPARE(RecordFields(copy, r), RecordFields(m_path, r));

        // A file without the columns writes nothing.
        const QByteArray before = ReadAll(m_path);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("NAME,ORT\r\nx,y\r\n");
        f.close();
        tool.start(QStringLiteral(T2LTOOL_PATH), {QStringLiteral("addresses"), QStringLiteral("import"), csv});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(tool.readAllStandardError().contains("Die Kopfzeile muss die Spalten ADRESS1"));
        QCOMPARE(ReadAll(m_path), before);
        tool.start(QStringLiteral(T2LTOOL_PATH), {QStringLiteral("addresses"), QStringLiteral("anders"), csv});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 2);
    }

private:
    std::unique_ptr<CIsolatedSettings> m_settings;
    QString m_dataDir;
    QString m_path;
};

QTEST_MAIN(TestAddresses)
#include "tst_addresses.moc"
