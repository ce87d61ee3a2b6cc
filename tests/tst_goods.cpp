#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/FrameCommands.h"
#include "app/MainFrame.h"
#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "app/VelmoraImportApp.h"
#include "masterdata/DlgStammDatenEingabe.h"
#include "masterdata/VelmoraStammDaten.h"
#include "masterdata/dBaseDocument.h"
#include "platform/Prompts.h"
#include "presets/Common_DlgBundeslaenderCode.h"
#include "presets/Common_DlgLaenderCode.h"

#include <QApplication>
#include <QProcess>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

using Store = CVelmoraStammDaten;

namespace {

const QString kS = SettingsSection::kSettings;

Store::SValues Values(const QString& description, const QString& wnr1 = {}, const QString& wnr2 = {},
                      const QString& wnr3 = {}, const QString& wnr4 = {}, const QString& wnr5 = {},
                      const QString& land1 = {}, const QString& land2 = {})
{
    return {description, wnr1, wnr2, wnr3, wnr4, wnr5, land1, land2};
}

struct SField
{
    QString name;
    quint16 length;
};

// A table with the given character fields and records, written through the engine.
bool MakeTable(const QString& path, const QList<SField>& fields, const QList<QStringList>& records)
{
    CdBaseDocument t;
    t.ClearTable();
    for (const SField& f : fields)
        t.AddField(f.name, 'C', f.length, 0);
    if (!t.CreateTable(path, false))
        return false;
    for (int r = 0; r < records.size(); ++r) {
        const quint32 n = quint32(r + 1);
        if (n > 1 && t.ReadRecord(n - 1) < 0)
            return false;
        if (n == 1 && t.WriteRecord(1) < 0)
            return false;
        if (n == 1 && t.ReadRecord(1) < 0)
            return false;
        for (int p = 0; p < records.at(r).size(); ++p) {
            if (t.SetCharField(p, records.at(r).at(p)) != 0)
                return false;
        }
        if (t.WriteRecord(n) < 0)
            return false;
    }
    t.CloseTable();
    return true;
}

QList<SField> CurrentFields()
{
    return {{"WBESCH1", 254}, {"WNR1", 8}, {"WNR2", 2}, {"WNR3", 4}, {"WNR4", 4}, {"WNR5", 1}, {"LAND1", 3}, {"LAND2", 3}};
}

QList<SField> LegacyFields(quint16 lineLength = 35)
{
    QList<SField> f;
    for (int i = 1; i <= 7; ++i)
        f.append({QStringLiteral("WBESCH%1").arg(i), lineLength});
    f += QList<SField>{{"WNR1", 8}, {"WNR2", 2}, {"WNR3", 4}, {"WNR4", 4}, {"WNR5", 1}, {"LAND1", 3}, {"LAND2", 3}};
    return f;
}

// Every record of a table as its field texts.
QList<QStringList> ReadTable(const QString& path)
{
    QList<QStringList> out;
    CdBaseDocument t;
    if (!t.OpenTable(path))
        return out;
    for (quint32 r = 1; r <= t.RecordCount(); ++r) {
        t.ReadRecord(r);
        QStringList texts;
        for (int p = 0; p < t.FieldCount(); ++p) {
            QString s;
            t.GetCharField(p, s);
            texts << s;
        }
        out << texts;
    }
    return out;
}

// Runs check on the next modal dialog as soon as it is shown.
void OnNextModal(std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, qApp, [check] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            OnNextModal(check);
            return;
        }
        check(w);
    });
}

QStringList Texts(const QListWidget* list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->item(i)->text();
    return t;
}

QString Selected(const QListWidget* list)
{
    const auto items = list->selectedItems();
    return items.size() == 1 ? items.first()->text() : QString();
}

void DoubleClick(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    const QPoint p = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

struct SRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

SRun RunTool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(T2LTOOL_PATH), args);
    SRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestGoods : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    std::unique_ptr<SMessages> m_messages;

    QString DataDir() const { return m_settings->Path() + QStringLiteral("/daten"); }
    QString Path(const QString& name) const { return m_settings->Path() + QLatin1Char('/') + name; }
    CSettingsStore Profile() const { return CSettingsStore::Profile(); }
    void UseTable(const QString& path, int layout = 1)
    {
        Profile().WriteString(kS, QStringLiteral("StammdatenDatei"), path);
        Profile().WriteInt(kS, QStringLiteral("Stammdaten"), layout);
    }
    std::unique_ptr<CDlgStammDatenEingabe> Dialog(bool selection = false)
    {
        auto d = std::make_unique<CDlgStammDatenEingabe>(Profile(), DataDir(), selection);
        d->show();
        // Focus moves only inside the active window.
        d->activateWindow();
        if (!QTest::qWaitForWindowActive(d.get()))
            qWarning("the dialog did not become active");
        return d;
    }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_messages = std::make_unique<SMessages>();
    }
    void cleanup()
    {
        m_messages.reset();
        m_settings.reset();
    }

    // ------------------------------------------------------------ location and texts

    void locationFromSettings_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("layout");
        QTest::newRow("nothing set") << "" << 1 << "" << "ARTIKEL1.DBF" << 3;
        QTest::newRow("@") << "@" << 1 << "" << "ARTIKEL1.DBF" << 3;
        QTest::newRow("@, legacy") << "@" << 2 << "" << "ARTIKEL.DBF" << 2;
        QTest::newRow("two characters") << "ab" << 7 << "" << "ARTIKEL1.DBF" << 3;
        QTest::newRow("full path") << "/srv/daten/Waren.dbf" << 1 << "/srv/daten" << "Waren.dbf" << 3;
        QTest::newRow("full path, legacy") << "/srv/ARTIKEL.DBF" << 2 << "/srv" << "ARTIKEL.DBF" << 2;
        QTest::newRow("no directory") << "Waren.dbf" << 0 << "" << "Waren.dbf" << 3;
    }

    void locationFromSettings()
    {
        QFETCH(QString, setting);
        QFETCH(int, kind);
        QFETCH(QString, directory);
        QFETCH(QString, file);
        QFETCH(int, layout);
        UseTable(setting, kind);
        const Store::SLocation l = Store::LocationFromSettings(Profile());
        QCOMPARE(l.directory, directory);
        QCOMPARE(l.fileName, file);
        QCOMPARE(l.layout, layout);

        Store store(DataDir());
        QCOMPARE(store.SetLocation(l.directory, l.fileName, l.layout), 0);
        QCOMPARE(store.TablePath(), (directory.isEmpty() ? DataDir() : directory) + QLatin1Char('/') + file);
        QCOMPARE(store.SetLocation(QString(), file, 1), -1);
    }

    void listTexts_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("number");
        QTest::addColumn<QString>("descriptionLine");
        QTest::addColumn<QString>("numberLine");
        QTest::newRow("two lines, two parts") << "10 Kisten\r\nSchrauben" << QStringList{"73181595", "00"} << "10 Kisten"
                                              << "73181595-00---";
        QTest::newRow("one line, all parts") << "Rohre" << QStringList{"7304", "11", "100", "0", "9"} << "Rohre"
                                             << "7304-11-100-0-9";
        QTest::newRow("empty") << "" << QStringList{} << "" << "----";
    }

    void listTexts()
    {
        QFETCH(QString, description);
        QFETCH(QStringList, number);
        QFETCH(QString, descriptionLine);
        QFETCH(QString, numberLine);
        number.resize(5);
        QCOMPARE(Store::DescriptionListText(description), descriptionLine);
        QCOMPARE(Store::GoodsNumberText(Values(description, number[0], number[1], number[2], number[3], number[4])),
                 numberLine);
    }

    void legacySplitAndJoin_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << "Kisten" << QStringList{"Kisten", "", "", "", "", "", ""};
        QTest::newRow("nine lines, two dropped") << "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9"
                                                 << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("empty lines inside") << "a\r\n\r\nc" << QStringList{"a", "", "c", "", "", "", ""};
        QTest::newRow("empty") << "" << QStringList{"", "", "", "", "", "", ""};
    }

    void legacySplitAndJoin()
    {
        QFETCH(QString, description);
        QFETCH(QStringList, lines);
        QCOMPARE(Store::SplitLegacyDescription(description), lines);
        // Joining always gives seven lines, trailing blanks of each removed.
        const QString joined = Store::JoinLegacyDescription(lines);
        QCOMPARE(joined.count(QStringLiteral("\r\n")), 6);
        QCOMPARE(Store::SplitLegacyDescription(joined), lines);
        QCOMPARE(Store::JoinLegacyDescription({"Kisten  ", "Schrauben\t"}),
                 QStringLiteral("Kisten\r\nSchrauben\r\n\r\n\r\n\r\n\r\n"));
    }

    // ------------------------------------------------------------ the store, current layout

    void firstUseCreatesTheTableAndSavingNothingKeepsItEmpty()
    {
        Store store(DataDir());
        store.SetLocation(QString(), Store::kCurrentFileName, Store::kLayoutCurrent);
        QCOMPARE(store.LoadEntries(), 0);
        QCOMPARE(store.EntryCount(), 0);
        const QString path = DataDir() + QStringLiteral("/ARTIKEL1.DBF");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.size(), 289);
        QCOMPARE(quint8(bytes.at(8)) | quint8(bytes.at(9)) << 8, 289);
        QCOMPARE(quint8(bytes.at(10)) | quint8(bytes.at(11)) << 8, 280);
        // Saving an empty table appends no record of whatever bytes lay about.
        QCOMPARE(store.SaveEntries(), 0);
        QCOMPARE(QFileInfo(path).size(), 289);
        QCOMPARE(ReadTable(path).size(), 0);
    }

    void newEntriesAndEditsReachTheirRecords()
    {
        const QString path = Path("w.dbf");
        QVERIFY(MakeTable(path, CurrentFields(), {{"Alt 1", "1"}, {"Alt 2", "2"}}));
        Store store;
        store.SetLocation(m_settings->Path(), "w.dbf", Store::kLayoutCurrent);
        QCOMPARE(store.LoadEntries(), 0);
        QCOMPARE(store.List(Store::kWBESCH1), (QStringList{"Alt 1", "Alt 2"}));

        const int e = store.AppendEntry(Values("10 Kisten\r\nSchrauben", "73181595", "00", "", "", "", "DE", "01"));
        QCOMPARE(e, 2);
        store.SetEntry(0, Values("Neu 1", "9"));
        QVERIFY(store.IsChanged(0) && store.IsChanged(2) && !store.IsChanged(1));
        QCOMPARE(store.SaveEntries(), 0);
        QVERIFY(!store.IsChanged(0) && !store.IsChanged(2));
        const QList<QStringList> records = ReadTable(path);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(0), (QStringList{"Neu 1", "9", "", "", "", "", "", ""}));
        QCOMPARE(records.at(1), (QStringList{"Alt 2", "2", "", "", "", "", "", ""}));
        QCOMPARE(records.at(2), (QStringList{"10 Kisten\r\nSchrauben", "73181595", "00", "", "", "", "DE", "01"}));

        // Rewriting an entry keeps the count.
        store.SetEntry(2, Values("Kisten", "1"));
        QCOMPARE(store.SaveEntries(), 0);
        QCOMPARE(ReadTable(path).size(), 3);
        Store again;
        again.SetLocation(m_settings->Path(), "w.dbf", Store::kLayoutCurrent);
        QCOMPARE(again.LoadEntries(), 0);
        QCOMPARE(again.Entry(2), Values("Kisten", "1"));
    }

    void newEntryGoesAfterARecordAppendedMeanwhile()
    {
        const QString path = Path("w.dbf");
        QVERIFY(MakeTable(path, CurrentFields(), {{"Eins"}}));
        Store store;
        store.SetLocation(m_settings->Path(), "w.dbf", Store::kLayoutCurrent);
        QCOMPARE(store.LoadEntries(), 0);
        {
            // Another program appends a record while the store is loaded.
            CdBaseDocument other;
            QVERIFY(other.OpenTable(path));
            QVERIFY(other.ReadRecord(1) > 0);
            QCOMPARE(other.SetCharField(0, QStringLiteral("Fremd")), 0);
            QCOMPARE(other.WriteRecord(2), qint64(2));
        }
        store.AppendEntry(Values("Meins"));
        QCOMPARE(store.SaveEntries(), 0);
        const QList<QStringList> records = ReadTable(path);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(1).at(0), QStringLiteral("Fremd"));
        QCOMPARE(records.at(2).at(0), QStringLiteral("Meins"));
        // A later change of that entry goes to the same record.
        store.SetEntry(1, Values("Meins, geändert"));
        QCOMPARE(store.SaveEntries(), 0);
        QCOMPARE(ReadTable(path).size(), 3);
        QCOMPARE(ReadTable(path).at(2).at(0), QStringLiteral("Meins, geändert"));
    }

    void aValueTooLongForItsFieldIsRefused_data()
    {
        QTest::addColumn<bool>("legacy");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("wnr3");
        QTest::addColumn<QString>("message");
        QTest::newRow("description of 255") << false << QString(255, 'x') << "" << "Die Bezeichnung (Feld 31) ist zu lang: höchstens 254 Zeichen";
        QTest::newRow("WNR3 of 5") << false << "Kisten" << "12345" << "Der Teil 3 der Warennummer (Feld 33) ist zu lang: höchstens 4 Zeichen";
        QTest::newRow("legacy line") << true << QStringLiteral("kurz\r\n") + QString(11, 'y') << ""
                                     << "Die Zeile 2 der Bezeichnung (Feld 31) ist zu lang: höchstens 10 Zeichen";
    }

    void aValueTooLongForItsFieldIsRefused()
    {
        QFETCH(bool, legacy);
        QFETCH(QString, description);
        QFETCH(QString, wnr3);
        QFETCH(QString, message);
        const QString path = Path("w.dbf");
        const QStringList first = legacy ? QStringList{"Erste", "Zeile", "", "", "", "", "", "11"} : QStringList{"Erste", "11"};
        QVERIFY(MakeTable(path, legacy ? LegacyFields(10) : CurrentFields(), {first}));
        Store store;
        store.SetLocation(m_settings->Path(), "w.dbf", legacy ? Store::kLayoutLegacy : Store::kLayoutCurrent);
        QCOMPARE(store.LoadEntries(), 0);
        const Store::SValues values = Values(description, "1", "", wnr3);
        QVERIFY(store.CheckFits(values).startsWith(message));
        store.AppendEntry(values);
        // Refused, kept for another try, and the record read before is untouched.
        QCOMPARE(store.SaveEntries(), -1);
        QVERIFY(store.ErrorText().startsWith(message));
        QVERIFY(store.IsChanged(1));
        const QList<QStringList> records = ReadTable(path);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.at(0).mid(0, first.size()), first);
        // Another read of the first record must not carry anything of the refused entry.
        store.SetEntry(0, store.Entry(0));
        store.SetEntry(1, Values("passt"));
        QCOMPARE(store.SaveEntries(), 0);
        QCOMPARE(ReadTable(path).size(), 2);
        QCOMPARE(ReadTable(path).at(0).mid(0, first.size()), first);
        QCOMPARE(ReadTable(path).at(1).at(0), QStringLiteral("passt"));
    }

    void aTableThatCannotBeOpenedIsReportedAndSavingFailsAloud()
    {
        // A directory in place of the table: neither opened nor created.
        QVERIFY(QDir().mkpath(Path("Waren.dbf")));
        Store store;
        store.SetLocation(m_settings->Path(), "Waren.dbf", Store::kLayoutCurrent);
        QCOMPARE(store.LoadEntries(), -1);
        QVERIFY(store.ErrorText().contains(QStringLiteral("Waren.dbf")));
        QCOMPARE(store.EntryCount(), 0);
        store.AppendEntry(Values("Kisten"));
        QCOMPARE(store.SaveEntries(), -1);
        QVERIFY(store.ErrorText().contains(QStringLiteral("nicht gespeichert")));
        QVERIFY(store.IsChanged(0));
    }

    void aTableWithTooFewFieldsIsRefused_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("fields");
        QTest::newRow("current, 7 fields") << int(Store::kLayoutCurrent) << 7;
        QTest::newRow("legacy, 13 fields") << int(Store::kLayoutLegacy) << 13;
        QTest::newRow("legacy reading a current table") << int(Store::kLayoutLegacy) << 8;
    }

    void aTableWithTooFewFieldsIsRefused()
    {
        QFETCH(int, layout);
        QFETCH(int, fields);
        QList<SField> f = layout == Store::kLayoutLegacy ? LegacyFields() : CurrentFields();
        f.resize(fields);
        QVERIFY(MakeTable(Path("w.dbf"), f, {{"x"}}));
        Store store;
        store.SetLocation(m_settings->Path(), "w.dbf", layout);
        QCOMPARE(store.LoadEntries(), -1);
        QVERIFY(store.ErrorText().contains(QStringLiteral("keine Warenstammdatei")));
        QCOMPARE(store.EntryCount(), 0);
    }

    // A table made where the older layout was chosen has the current layout;
    // the next start must read it, not refuse it.
    void legacySettingReadsATableOfTheCurrentLayout()
    {
        QVERIFY(MakeTable(Path("w.dbf"), CurrentFields(), {{"Kisten\r\nSchrauben", "73181595"}}));
        Store store;
        store.SetLocation(m_settings->Path(), "w.dbf", Store::kLayoutLegacy);
        QCOMPARE(store.LoadEntries(), 0);
        QCOMPARE(store.EntryCount(), 1);
        QCOMPARE(store.Layout(), int(Store::kLayoutCurrent));
    }

    // ------------------------------------------------------------ legacy layout

    void legacyTableReadsAndWritesSevenLines()
    {
        const QString path = Path("ARTIKEL.DBF");
        QVERIFY(MakeTable(path, LegacyFields(), {{"Kisten", "Schrauben", "", "", "", "", "", "73181595", "00", "", "", "", "DE", "01"}}));
        Store store;
        store.SetLocation(m_settings->Path(), "ARTIKEL.DBF", Store::kLayoutLegacy);
        QCOMPARE(store.LoadEntries(), 0);
        QCOMPARE(store.Layout(), int(Store::kLayoutLegacy));
        QCOMPARE(store.Entry(0), Values("Kisten\r\nSchrauben\r\n\r\n\r\n\r\n\r\n", "73181595", "00", "", "", "", "DE", "01"));
        QCOMPARE(Store::DescriptionListText(store.Value(0, Store::kWBESCH1)), QStringLiteral("Kisten"));

        // Unchanged, it writes the same seven lines back; nine lines keep seven.
        store.SetEntry(0, store.Entry(0));
        store.AppendEntry(Values("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9", "1", "2", "3", "4", "5", "AT", "99"));
        QCOMPARE(store.SaveEntries(), 0);
        const QList<QStringList> records = ReadTable(path);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0), (QStringList{"Kisten", "Schrauben", "", "", "", "", "", "73181595", "00", "", "", "", "DE", "01"}));
        QCOMPARE(records.at(1), (QStringList{"1", "2", "3", "4", "5", "6", "7", "1", "2", "3", "4", "5", "AT", "99"}));
    }

    void legacyWithoutATableCreatesTheCurrentLayout()
    {
        UseTable("@", 2);
        const Store::SLocation l = Store::LocationFromSettings(Profile());
        Store store(DataDir());
        store.SetLocation(l.directory, l.fileName, l.layout);
        QCOMPARE(store.LoadEntries(), 0);
        QCOMPARE(store.Layout(), int(Store::kLayoutCurrent));
        const QString path = DataDir() + QStringLiteral("/ARTIKEL.DBF");
        CdBaseDocument t;
        QVERIFY(t.OpenTable(path));
        QCOMPARE(t.FieldCount(), 8);
        t.CloseTable();
        store.AppendEntry(Values("a\r\nb", "1"));
        QCOMPARE(store.SaveEntries(), 0);
        QCOMPARE(ReadTable(path), (QList<QStringList>{{"a\r\nb", "1", "", "", "", "", "", ""}}));
    }

    // ------------------------------------------------------------ the dialog

    void firstUseOpensEmptyForANewEntryAndSaves()
    {
        auto d = Dialog();
        QCOMPARE(d->windowTitle(), QStringLiteral("Stammdateneingabe"));
        QVERIFY(QFile::exists(DataDir() + QStringLiteral("/ARTIKEL1.DBF")));
        QVERIFY(d->IsEditing() && d->IsNewEntry());
        QCOMPARE(d->EditButton()->text(), QStringLiteral("Speichern"));
        QVERIFY(!d->OkButton()->isEnabled() && !d->NewButton()->isEnabled());
        QVERIFY(!d->DescriptionList()->isEnabled() && d->DescriptionEdit()->isEnabled());
        QVERIFY(!d->PresetsButton()->isEnabled());
        QCOMPARE(d->FocusKind(), int(CDlgStammDatenEingabe::kFocusDescription));

        QTest::keyClicks(d->DescriptionEdit(), QStringLiteral("10 Kisten"));
        QTest::keyClick(d->DescriptionEdit(), Qt::Key_Return);
        QTest::keyClicks(d->DescriptionEdit(), QStringLiteral("Schrauben"));
        QTest::keyClicks(d->ValueEdit(Store::kWNR1), QStringLiteral("731815951")); // nine digits: the ninth is refused
        QTest::keyClicks(d->ValueEdit(Store::kWNR2), QStringLiteral("00"));
        QTest::mouseClick(d->EditButton(), Qt::LeftButton);

        QVERIFY(!d->IsEditing() && !d->IsNewEntry());
        QCOMPARE(d->EditButton()->text(), QStringLiteral("Editieren"));
        QCOMPARE(Texts(d->DescriptionList()), QStringList{"10 Kisten"});
        QCOMPARE(Texts(d->NumberList()), QStringList{"73181595-00---"});
        QCOMPARE(Selected(d->NumberList()), QStringLiteral("73181595-00---"));
        QCOMPARE(ReadTable(DataDir() + QStringLiteral("/ARTIKEL1.DBF")),
                 (QList<QStringList>{{"10 Kisten\r\nSchrauben", "73181595", "00", "", "", "", "", ""}}));
        QVERIFY(m_messages->texts.isEmpty());
    }

    void browsingKeepsBothListsInStepAndEditingReplaces()
    {
        QVERIFY(QDir().mkpath(DataDir()));
        QVERIFY(MakeTable(DataDir() + QStringLiteral("/ARTIKEL1.DBF"), CurrentFields(),
                          {{"zangen", "3"}, {"Äpfel\r\nfrisch", "1", "", "", "", "", "IT"}, {"Birnen", "2"}}));
        auto d = Dialog();
        QVERIFY(!d->IsEditing());
        // Case and umlauts do not count in the order.
        QCOMPARE(Texts(d->DescriptionList()), (QStringList{"Äpfel", "Birnen", "zangen"}));
        QCOMPARE(Texts(d->NumberList()), (QStringList{"1----", "2----", "3----"}));
        QCOMPARE(d->DescriptionEdit()->toPlainText(), QStringLiteral("Äpfel\nfrisch"));
        QCOMPARE(Selected(d->NumberList()), QStringLiteral("1----"));
        QVERIFY(!d->DescriptionEdit()->isEnabled() && d->OkButton()->isEnabled());

        d->NumberList()->setCurrentRow(2);
        QCOMPARE(Selected(d->DescriptionList()), QStringLiteral("zangen"));
        QCOMPARE(d->ValueEdit(Store::kWNR1)->text(), QStringLiteral("3"));

        // Double click edits, "Abbruch" restores the stored values.
        DoubleClick(d->DescriptionList(), 1);
        QVERIFY(d->IsEditing() && !d->IsNewEntry());
        d->ValueEdit(Store::kWNR1)->setText(QStringLiteral("99"));
        QTest::mouseClick(d->CancelButton(), Qt::LeftButton);
        QVERIFY(!d->IsEditing() && d->isVisible());
        QCOMPARE(d->ValueEdit(Store::kWNR1)->text(), QStringLiteral("2"));

        QTest::mouseClick(d->EditButton(), Qt::LeftButton);
        d->DescriptionEdit()->setPlainText(QStringLiteral("Birnen, reif"));
        QTest::mouseClick(d->EditButton(), Qt::LeftButton);
        QCOMPARE(Texts(d->DescriptionList()), (QStringList{"Äpfel", "Birnen, reif", "zangen"}));
        QCOMPARE(Selected(d->DescriptionList()), QStringLiteral("Birnen, reif"));
        const QList<QStringList> records = ReadTable(DataDir() + QStringLiteral("/ARTIKEL1.DBF"));
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(2).at(0), QStringLiteral("Birnen, reif"));
        QCOMPARE(records.at(0).at(0), QStringLiteral("zangen"));
    }

    void cancellingANewEntryEndsIt()
    {
        QVERIFY(QDir().mkpath(DataDir()));
        QVERIFY(MakeTable(DataDir() + QStringLiteral("/ARTIKEL1.DBF"), CurrentFields(), {{"Eins", "1"}}));
        auto d = Dialog();
        QTest::mouseClick(d->NewButton(), Qt::LeftButton);
        QVERIFY(d->IsNewEntry() && d->DescriptionEdit()->toPlainText().isEmpty());
        QVERIFY(d->NumberList()->selectedItems().isEmpty());
        QTest::mouseClick(d->CancelButton(), Qt::LeftButton);
        QVERIFY(!d->IsNewEntry());
        QCOMPARE(d->DescriptionEdit()->toPlainText(), QStringLiteral("Eins"));
        // Editing the shown entry now replaces it instead of adding one.
        QTest::mouseClick(d->EditButton(), Qt::LeftButton);
        d->DescriptionEdit()->setPlainText(QStringLiteral("Eins, neu"));
        QTest::mouseClick(d->EditButton(), Qt::LeftButton);
        QCOMPARE(Texts(d->DescriptionList()), QStringList{"Eins, neu"});
        QCOMPARE(ReadTable(DataDir() + QStringLiteral("/ARTIKEL1.DBF")).size(), 1);
        // "Abbruch" outside the edit state ends the dialog.
        QTest::mouseClick(d->CancelButton(), Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(!d->isVisible());
    }

    void selectionModeTakesOverADoubleClickedEntry()
    {
        QVERIFY(QDir().mkpath(DataDir()));
        QVERIFY(MakeTable(DataDir() + QStringLiteral("/ARTIKEL1.DBF"), CurrentFields(),
                          {{"Kisten\r\nSchrauben", "73181595", "00", "", "", "", "DE", "01"}, {"Rohre", "7304"}}));
        auto d = Dialog(true);
        QCOMPARE(d->windowTitle(), QStringLiteral("Stammdatenauswahl"));
        QCOMPARE(d->OkButton()->text(), QStringLiteral("Übernehmen"));
        QCOMPARE(d->InputFrame()->title(), QStringLiteral(" Inhalt "));
        QVERIFY(d->PresetsButton()->isHidden() && d->NewButton()->isHidden() && d->EditButton()->isHidden());
        DoubleClick(d->DescriptionList(), 0);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(!d->IsEditing());
        QCOMPARE(d->Values(), Values("Kisten\r\nSchrauben", "73181595", "00", "", "", "", "DE", "01"));
    }

    void okOnAnEmptyTableWritesNothing()
    {
        auto d = Dialog();
        QVERIFY(d->IsEditing());
        QTest::mouseClick(d->CancelButton(), Qt::LeftButton); // leaves the edit state
        QVERIFY(!d->IsEditing() && d->OkButton()->isEnabled() && !d->EditButton()->isEnabled());
        QTest::mouseClick(d->OkButton(), Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(QFileInfo(DataDir() + QStringLiteral("/ARTIKEL1.DBF")).size(), 289);
    }

    void aLegacyLineTooLongIsRefusedInTheDialog()
    {
        const QString path = Path("ARTIKEL.DBF");
        QVERIFY(MakeTable(path, LegacyFields(10), {{"Erste", "Zeile"}}));
        UseTable(path, 2);
        auto d = Dialog();
        QCOMPARE(d->DescriptionEdit()->toPlainText(), QStringLiteral("Erste\nZeile\n\n\n\n\n"));
        QTest::mouseClick(d->NewButton(), Qt::LeftButton);
        QTest::keyClicks(d->DescriptionEdit(), QStringLiteral("kurz"));
        QTest::keyClick(d->DescriptionEdit(), Qt::Key_Return);
        QTest::keyClicks(d->DescriptionEdit(), QStringLiteral("elf Zeichen"));
        QTest::mouseClick(d->EditButton(), Qt::LeftButton);
        QCOMPARE(m_messages->texts.size(), 1);
        QVERIFY(m_messages->texts.first().startsWith(QStringLiteral("Die Zeile 2 der Bezeichnung (Feld 31) ist zu lang")));
        // Still editing, nothing stored, nothing listed.
        QVERIFY(d->IsEditing() && d->IsNewEntry());
        QCOMPARE(d->DescriptionList()->count(), 1);
        QCOMPARE(ReadTable(path).size(), 1);
        QCOMPARE(ReadTable(path).at(0).mid(0, 2), (QStringList{"Erste", "Zeile"}));
    }

    void storedValuesBeyondTheEditLimitAreKeptButWarnedAbout()
    {
        QVERIFY(QDir().mkpath(DataDir()));
        QVERIFY(MakeTable(DataDir() + QStringLiteral("/ARTIKEL1.DBF"), CurrentFields(), {{"Rohre", "7304", "", "1234"}}));
        auto d = Dialog(true);
        QCOMPARE(d->ValueEdit(Store::kWNR3)->text(), QStringLiteral("1234"));
        QTest::mouseClick(d->OkButton(), Qt::LeftButton);
        QCOMPARE(m_messages->texts, QStringList{"Geben Sie höchstens 3 Zeichen ein."});
        QVERIFY(d->isVisible()); // OK keeps the dialog open
    }

    void f2OpensTheCodeListOfTheFocusedOriginEdit()
    {
        auto d = Dialog();
        QVERIFY(d->IsEditing());
        QLineEdit* land1 = d->ValueEdit(Store::kLAND1);
        QLineEdit* land2 = d->ValueEdit(Store::kLAND2);

        // Not in the goods number: nothing opens, and F2 goes nowhere else.
        d->ValueEdit(Store::kWNR1)->setFocus();
        QTest::keyClick(d->ValueEdit(Store::kWNR1), Qt::Key_F2);
        QVERIFY(!d->PresetsButton()->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());

        land1->setFocus();
        QCOMPARE(d->FocusKind(), int(CDlgStammDatenEingabe::kFocusLand1));
        QVERIFY(d->PresetsButton()->isEnabled());
        QString caption;
        QString preset;
        OnNextModal([&](QWidget* w) {
            caption = w->windowTitle();
            if (auto* list = qobject_cast<Common_DlgLaenderCode*>(w)) {
                preset = Selected(list->CodeList());
                const auto items = list->NameList()->findItems(QStringLiteral("Österreich"), Qt::MatchExactly);
                if (!items.isEmpty())
                    list->NameList()->setCurrentItem(items.first());
                list->accept();
            } else {
                w->close();
            }
        });
        QTest::keyClick(land1, Qt::Key_F2);
        QCOMPARE(caption, QStringLiteral("Ländercodes"));
        QCOMPARE(preset, QStringLiteral("DE")); // an empty code preselects Germany
        QCOMPARE(land1->text(), QStringLiteral("AT"));

        land2->setText(QStringLiteral("07"));
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        land2->setFocus();
        QTRY_COMPARE(d->FocusKind(), int(CDlgStammDatenEingabe::kFocusLand2));
        OnNextModal([&](QWidget* w) {
            caption = w->windowTitle();
            if (auto* list = qobject_cast<Common_DlgBundeslaenderCode*>(w)) {
                preset = Selected(list->List());
                list->List()->setCurrentRow(16);
                list->accept();
            } else {
                w->close();
            }
        });
        QTest::mouseClick(d->PresetsButton(), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Ländernummer (Inland)"));
        QCOMPARE(preset, QStringLiteral("07 - Rheinland-Pfalz"));
        QCOMPARE(land2->text(), QStringLiteral("99"));

        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        d->DescriptionEdit()->setFocus();
        QTRY_VERIFY(!d->PresetsButton()->isEnabled());
        QCOMPARE(CDlgStammDatenEingabe::CodeListFor(CDlgStammDatenEingabe::kFocusNumber),
                 CDlgStammDatenEingabe::ECodeList::kNone);
    }

    void aFailedSaveIsReportedInTheDialog()
    {
        QVERIFY(QDir().mkpath(Path("Waren.dbf")));
        UseTable(Path("Waren.dbf"));
        auto d = Dialog();
        QCOMPARE(m_messages->texts.size(), 1); // the table could not be opened
        QVERIFY(d->IsEditing() && d->IsNewEntry());
        QTest::keyClicks(d->DescriptionEdit(), QStringLiteral("Kisten"));
        QTest::mouseClick(d->EditButton(), Qt::LeftButton);
        QCOMPARE(m_messages->texts.size(), 2);
        QVERIFY(m_messages->texts.at(1).startsWith(QStringLiteral("Die Stammdaten konnten nicht gespeichert werden.")));
    }

    void descriptionEditStopsAt253Characters()
    {
        auto d = Dialog();
        QTest::keyClicks(d->DescriptionEdit(), QString(250, 'a'));
        QTest::keyClick(d->DescriptionEdit(), Qt::Key_Return); // CR LF counts two
        QTest::keyClicks(d->DescriptionEdit(), QStringLiteral("bcd"));
        QCOMPARE(d->DescriptionEdit()->toPlainText(), QString(250, 'a') + QStringLiteral("\nb"));
    }

    // ------------------------------------------------------------ t2ltool goods

    void toolImportsAppendsAndNamesTheRefusedRows()
    {
        const QString table = Path("w.dbf");
        QVERIFY(MakeTable(table, CurrentFields(), {{"Alt", "1"}}));
        // Columns in another order, one missing, a quoted description of two lines.
        WriteFile(Path("in.csv"), QByteArray("\xEF\xBB\xBF" "LAND1,wnr1 , WBESCH1,WNR2\r\n"
                                             "DE,73181595,\"10 Kisten\nSchrauben, verzinkt\",00\r\n"
                                             "AT,123456789,Zu lange Nummer,01\r\n"
                                             "\r\n"
                                             "IT,7304,\"Rohre \"\"nahtlos\"\"\",\r\n"));
        const SRun r = RunTool({"goods", "import", Path("in.csv"), "--table", table});
        QCOMPARE(r.exitCode, 1); // a row was refused; it begins on line 4, after the quoted line break
        QVERIFY2(r.out.contains(QStringLiteral("2 Datensätze")), qPrintable(r.out));
        QVERIFY2(r.err.contains(QStringLiteral("Zeile 4: Der Teil 1 der Warennummer (Feld 33) ist zu lang")), qPrintable(r.err));
        QCOMPARE(ReadTable(table),
                 (QList<QStringList>{{"Alt", "1", "", "", "", "", "", ""},
                                     {"10 Kisten\r\nSchrauben, verzinkt", "73181595", "00", "", "", "", "DE", ""},
                                     {"Rohre \"nahtlos\"", "7304", "", "", "", "", "IT", ""}}));

        // Export and import again give the same records.
        const SRun e = RunTool({"goods", "export", Path("out.csv"), "--table", table});
        QCOMPARE(e.exitCode, 0);
        const QByteArray csv = ReadFile(Path("out.csv"));
        QVERIFY2(csv.startsWith("WBESCH1,WNR1,WNR2,WNR3,WNR4,WNR5,LAND1,LAND2\r\nAlt,1,,,,,,\r\n"), csv.constData());
        QVERIFY(csv.contains("\"10 Kisten\r\nSchrauben, verzinkt\""));
        const SRun i = RunTool({"goods", "import", Path("out.csv"), "--table", Path("copy.dbf")});
        QCOMPARE(i.exitCode, 0);
        QCOMPARE(ReadTable(Path("copy.dbf")), ReadTable(table));
    }

    void toolUsesTheSettingsTableAndRefusesBadInput()
    {
        // Nothing set: the data directory's table, made on the first import.
        WriteFile(Path("in.csv"), "WBESCH1\nKisten\n");
        const SRun r = RunTool({"goods", "import", Path("in.csv")});
        QCOMPARE(r.exitCode, 0);
        const QString table = m_settings->Path() + QStringLiteral("/Documents/") + CRegeditManagment().ExecutableName()
                              + QStringLiteral("/ARTIKEL1.DBF");
        QCOMPARE(ReadTable(table), (QList<QStringList>{{"Kisten", "", "", "", "", "", "", ""}}));

        // A header without WBESCH1 writes nothing.
        WriteFile(Path("bad.csv"), "Bezeichnung,WNR1\nKisten,1\n");
        const SRun bad = RunTool({"goods", "import", Path("bad.csv")});
        QCOMPARE(bad.exitCode, 1);
        QVERIFY(bad.err.contains(QStringLiteral("WBESCH1")));
        QCOMPARE(ReadTable(table).size(), 1);

        // Exporting a table that is not there creates neither table nor CSV.
        const SRun none = RunTool({"goods", "export", Path("x.csv"), "--table", Path("fehlt.dbf")});
        QCOMPARE(none.exitCode, 1);
        QVERIFY(!QFile::exists(Path("fehlt.dbf")) && !QFile::exists(Path("x.csv")));

        QCOMPARE(RunTool({"goods", "import"}).exitCode, 2);
        QCOMPARE(RunTool({"goods", "merge", Path("in.csv")}).exitCode, 2);
        QCOMPARE(RunTool({"goods", "import", Path("fehlt.csv")}).exitCode, 1);
    }

    // ------------------------------------------------------------ F7 in the main window

    void f7OpensTheGoodsDialogForMaintenance()
    {
        const QString table = Path("Waren/Waren.dbf");
        QVERIFY(QDir().mkpath(Path("Waren")));
        QVERIFY(MakeTable(table, CurrentFields(), {{"Kisten", "1"}}));
        UseTable(table);
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        QAction* action = app.MainFrame()->Action(Cmd::kMasterData);
        QVERIFY(action && action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F7));
        QStringList seen;
        OnNextModal([&seen](QWidget* w) {
            auto* d = qobject_cast<CDlgStammDatenEingabe*>(w);
            QVERIFY(d);
            seen << d->windowTitle() << Texts(d->DescriptionList()) << d->OkButton()->text();
            d->reject();
        });
        action->trigger();
        QCOMPARE(seen, (QStringList{"Stammdateneingabe", "Kisten", "OK"}));
    }
};

QTEST_MAIN(TestGoods)
#include "tst_goods.moc"
