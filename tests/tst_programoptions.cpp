// The program options dialog "Programmeinstellungen": default paths, what OK
// and Cancel store, creation of empty master data tables, and the paper
// format check before printing.

#include "TestSupport.h"

#include "app/DlgProgramOptions.h"
#include "app/FrameCommands.h"
#include "app/ProgramOptions.h"
#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "app/VelmoraImportApp.h"
#include "masterdata/AddressTable.h"
#include "masterdata/DlgEH_Default08.h"
#include "masterdata/VelmoraStammDaten.h"
#include "masterdata/dBaseDocument.h"
#include "platform/Help.h"
#include "platform/Prompts.h"
#include "print/PaperCheck.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

namespace {

const QString S = SettingsSection::kSettings;

// Answers every question with `answer` and keeps what was asked or shown.
struct SPrompts
{
    SPrompts()
    {
        Prompts::SetAskFunction([this](QWidget*, QMessageBox::Icon icon, const QString& text,
                                       QMessageBox::StandardButtons buttons, QMessageBox::StandardButton) {
            texts << text;
            icons << icon;
            return buttons.testFlag(QMessageBox::Yes) ? answer : QMessageBox::Ok;
        });
    }
    ~SPrompts() { Prompts::SetAskFunction(nullptr); }
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList FieldNames(const QString& path, quint32* records = nullptr)
{
    CdBaseDocument db;
    if (!db.OpenTable(path))
        return {};
    QStringList names;
    for (int i = 0; i < db.FieldCount(); ++i)
        names << db.FieldName(i);
    if (records)
        *records = db.RecordCount();
    return names;
}

const QStringList kGoodsFields{"WBESCH1", "WNR1", "WNR2", "WNR3", "WNR4", "WNR5", "LAND1", "LAND2"};
const QStringList kAddressFields{"ADRESS1", "ADRESS2", "ADRESS3", "ADRESS4", "ZOLLNR"};

} // namespace

class TestProgramOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    QString m_dataDir;
    QString m_oldCwd;

    CSettingsStore Profile() const { return CSettingsStore::Profile(); }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_dataDir = CRegeditManagment().GetDataDirectory();
        QVERIFY(m_dataDir.startsWith(m_settings->Path()));
        // A table created relative to the working directory would land here.
        m_oldCwd = QDir::currentPath();
        QVERIFY(QDir().mkpath(m_settings->Path() + QStringLiteral("/cwd")));
        QDir::setCurrent(m_settings->Path() + QStringLiteral("/cwd"));
    }
    void cleanup()
    {
        QDir::setCurrent(m_oldCwd);
        m_settings.reset();
    }

    void freshProfileShowsDefaultsAndOkStoresThem()
    {
        SPrompts prompts;
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Programmeinstellungen"));
        QCOMPARE(dialog.AddressEdit()->text(), m_dataDir + QStringLiteral("/Adress1.dbf"));
        // The goods store's own file, exactly as its dialog (F7) opens it.
        QCOMPARE(dialog.GoodsEdit()->text(), m_dataDir + QStringLiteral("/ARTIKEL1.DBF"));
        QVERIFY(dialog.PaperCheckBox()->isChecked());
        QVERIFY(!dialog.AddressInitRequested() && !dialog.GoodsInitRequested());

        dialog.PaperCheckBox()->setChecked(false);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Profile().ReadString(S, QStringLiteral("AdressdatenDatei"), QStringLiteral("@")),
                 m_dataDir + QStringLiteral("/Adress1.dbf"));
        QCOMPARE(Profile().ReadString(S, QStringLiteral("StammdatenDatei"), QStringLiteral("@")),
                 m_dataDir + QStringLiteral("/ARTIKEL1.DBF"));
        const CVelmoraStammDaten::SLocation goods = CVelmoraStammDaten::LocationFromSettings(Profile());
        QCOMPARE(goods.directory + QLatin1Char('/') + goods.fileName, m_dataDir + QStringLiteral("/ARTIKEL1.DBF"));
        QCOMPARE(Profile().ReadInt(S, QStringLiteral("PrnPapielageCheck"), 7), 0);
        // Without "Initialisierung" no table is made.
        QVERIFY(!QDir(m_dataDir).exists());
        QVERIFY(prompts.texts.isEmpty());

        // The next run shows what was stored.
        CDlgProgramOptions again(Profile(), m_dataDir);
        QVERIFY(!again.PaperCheckBox()->isChecked());
    }

    void goodsInitWithEmptyPath_data()
    {
        QTest::addColumn<int>("stammdaten"); // 0: not stored
        QTest::addColumn<QString>("fileName");
        QTest::newRow("default kind") << 0 << QStringLiteral("ARTIKEL1.DBF");
        QTest::newRow("Stammdaten 1") << 1 << QStringLiteral("ARTIKEL1.DBF");
        QTest::newRow("Stammdaten 2") << 2 << QStringLiteral("ARTIKEL.DBF");
    }

    void goodsInitWithEmptyPath()
    {
        QFETCH(int, stammdaten);
        QFETCH(QString, fileName);
        if (stammdaten != 0)
            Profile().WriteInt(S, QStringLiteral("Stammdaten"), stammdaten);
        SPrompts prompts;
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        dialog.GoodsEdit()->clear();
        QVERIFY(dialog.GoodsNoShown() && !dialog.GoodsYesShown());
        QTest::mouseClick(dialog.GoodsInitButton(), Qt::LeftButton);
        QCOMPARE(prompts.texts, QStringList{ProgramOptions::Text(145)});
        QCOMPARE(prompts.icons.first(), QMessageBox::Warning);
        QVERIFY(dialog.GoodsInitRequested());
        QVERIFY(dialog.GoodsYesShown() && !dialog.GoodsNoShown());
        QVERIFY(!dialog.AddressInitRequested());
        QVERIFY(!QFile::exists(m_dataDir + QLatin1Char('/') + fileName)); // only OK creates

        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        // In the data directory, where the goods dialog looks for it; never
        // in the working directory.
        quint32 records = 99;
        QCOMPARE(FieldNames(m_dataDir + QLatin1Char('/') + fileName, &records), kGoodsFields);
        QCOMPARE(records, 0u);
        QVERIFY(QDir(QDir::currentPath()).entryList(QDir::Files).isEmpty());
        QCOMPARE(Profile().ReadString(S, QStringLiteral("StammdatenDatei"), QStringLiteral("@")), QString());
        QCOMPARE(prompts.texts.size(), 1); // no further message
        // The address side was not asked for.
        QVERIFY(!QFile::exists(m_dataDir + QStringLiteral("/Adress1.dbf")));
    }

    void initKeepsAnExistingFile_data()
    {
        QTest::addColumn<bool>("goods");
        QTest::newRow("goods") << true;
        QTest::newRow("addresses") << false;
    }

    void initKeepsAnExistingFile()
    {
        QFETCH(bool, goods);
        // A table with a record in it, at the path the dialog shows.
        const QString path = m_settings->Path() + (goods ? QStringLiteral("/Waren.dbf") : QStringLiteral("/Adressen.dbf"));
        {
            CdBaseDocument db;
            db.AddField(QStringLiteral("NAME"), 'C', 20, 0);
            QVERIFY(db.CreateTable(path));
            QCOMPARE(db.WriteRecord(1), qint64(1));
            QCOMPARE(db.SetCharField(0, QStringLiteral("Bestand")), 0);
            QCOMPARE(db.WriteRecord(1), qint64(1));
        }
        const QByteArray before = ReadAll(path);
        QVERIFY(!before.isEmpty());

        SPrompts prompts;
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        (goods ? dialog.GoodsEdit() : dialog.AddressEdit())->setText(path);
        QTest::mouseClick(goods ? dialog.GoodsInitButton() : dialog.AddressInitButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(prompts.texts.size(), 1); // the question only: keeping the file is no failure
        QCOMPARE(Profile().ReadString(S, goods ? QStringLiteral("StammdatenDatei") : QStringLiteral("AdressdatenDatei"),
                                      QString()),
                 path);
    }

    void defaultGoodsFileFollowsTheLayout_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::newRow("current") << 1 << QStringLiteral("/ARTIKEL1.DBF");
        QTest::newRow("legacy") << 2 << QStringLiteral("/ARTIKEL.DBF");
    }

    void defaultGoodsFileFollowsTheLayout()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        SPrompts prompts;
        Profile().WriteInt(S, QStringLiteral("Stammdaten"), kind);
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        QCOMPARE(dialog.GoodsEdit()->text(), m_dataDir + file);
    }

    void addressInitCreatesAnEmptyTable()
    {
        SPrompts prompts;
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        QTest::mouseClick(dialog.AddressInitButton(), Qt::LeftButton);
        QCOMPARE(prompts.texts, QStringList{ProgramOptions::Text(144)});
        QVERIFY(dialog.AddressInitRequested() && dialog.AddressYesShown() && !dialog.AddressNoShown());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);

        const QString path = m_dataDir + QStringLiteral("/Adress1.dbf");
        quint32 records = 99;
        QCOMPARE(FieldNames(path, &records), kAddressFields);
        QCOMPARE(records, 0u);
        // The address table opens it as its own.
        CAddressTable table(CAddressTable::TablePath(Profile(), m_dataDir), m_dataDir);
        QCOMPARE(table.Path(), path);
        QVERIFY(table.Open());
        QVERIFY(table.Entries().isEmpty());
        table.Close();
        QVERIFY(!QFile::exists(m_dataDir + QStringLiteral("/ARTIKEL1.DBF")));
        // The address dialog opens it without a question, with an empty list.
        prompts.texts.clear();
        CDlgEH_Default08 addresses(Profile(), m_dataDir);
        QVERIFY(addresses.OpenTable());
        QCOMPARE(addresses.List()->count(), 0);
        QVERIFY(prompts.texts.isEmpty());
        addresses.CloseTable();
    }

    void answerNoCreatesNothing()
    {
        SPrompts prompts;
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        QTest::mouseClick(dialog.GoodsInitButton(), Qt::LeftButton);
        QVERIFY(dialog.GoodsInitRequested());
        // A second answer replaces the first.
        prompts.answer = QMessageBox::No;
        QTest::mouseClick(dialog.GoodsInitButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.AddressInitButton(), Qt::LeftButton);
        QVERIFY(!dialog.GoodsInitRequested() && !dialog.AddressInitRequested());
        QVERIFY(dialog.GoodsNoShown() && !dialog.GoodsYesShown());
        QVERIFY(dialog.AddressNoShown() && !dialog.AddressYesShown());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!QDir(m_dataDir).exists());
    }

    void cancelAfterYesStoresAndCreatesNothing()
    {
        SPrompts prompts;
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        QTest::mouseClick(dialog.AddressInitButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.GoodsInitButton(), Qt::LeftButton);
        dialog.GoodsEdit()->setText(m_settings->Path() + QStringLiteral("/Neu.dbf"));
        dialog.PaperCheckBox()->setChecked(false);
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!QDir(m_dataDir).exists());
        QVERIFY(!QFile::exists(m_settings->Path() + QStringLiteral("/Neu.dbf")));
        for (const char* name : {"AdressdatenDatei", "StammdatenDatei", "PrnPapielageCheck"})
            QVERIFY2(!Profile().Contains(S, QLatin1String(name)), name);
    }

    void creationFailureIsReportedAfterStoring()
    {
        SPrompts prompts;
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        const QString missingDir = m_settings->Path() + QStringLiteral("/fehlt/Waren.dbf");
        dialog.GoodsEdit()->setText(missingDir);
        QTest::mouseClick(dialog.GoodsInitButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(prompts.texts.size(), 2);
        QVERIFY2(prompts.texts.at(1).startsWith(QStringLiteral("Die Datenbankdatei\n%1\nkonnte nicht angelegt werden.")
                                                     .arg(QDir::toNativeSeparators(missingDir))),
                 qPrintable(prompts.texts.at(1)));
        QVERIFY(prompts.texts.at(1).endsWith(QStringLiteral("Die Einstellungen wurden gesichert.")));
        QCOMPARE(prompts.icons.at(1), QMessageBox::Critical);
        QCOMPARE(Profile().ReadString(S, QStringLiteral("StammdatenDatei"), QString()), missingDir);
        QVERIFY(!QFile::exists(missingDir));
    }

    void browseReplacesTheAddressPath()
    {
        QString askedTitle, askedDir, askedFilter;
        QString answer = m_settings->Path() + QStringLiteral("/Kunden.dbf");
        Prompts::SetOpenFileFunction([&](QWidget*, const QString& title, const QString& dir, const QString& filter) {
            askedTitle = title;
            askedDir = dir;
            askedFilter = filter;
            return answer;
        });
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        QTest::mouseClick(dialog.BrowseButton(), Qt::LeftButton);
        QCOMPARE(askedTitle, QStringLiteral("Datendatei auswählen"));
        QCOMPARE(askedFilter, QStringLiteral("Datenbankdateien (*.dbf)"));
        QCOMPARE(askedDir, m_dataDir);
        QCOMPARE(dialog.AddressEdit()->text(), answer);
        // Cancel in the file dialog changes nothing.
        const QString chosen = answer;
        answer.clear();
        QTest::mouseClick(dialog.BrowseButton(), Qt::LeftButton);
        QCOMPARE(dialog.AddressEdit()->text(), chosen);
        Prompts::SetOpenFileFunction(nullptr);
    }

    void helpButtonAndF1OpenTheManual()
    {
        int opened = 0;
        Help::SetOpenFunction([&](QWidget*) { ++opened; });
        CDlgProgramOptions dialog(Profile(), m_dataDir);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(opened, 2);
        QVERIFY(dialog.isVisible());
        Help::SetOpenFunction(nullptr);
    }

    void commandsAreEnabled()
    {
        CVelmoraImportApp app;
        QVERIFY(app.UpdateCommand(Cmd::kProgramOptions).enabled);
        QVERIFY(app.UpdateCommand(Cmd::kInternalInfo).enabled);
    }

    // --- paper format check

    void a4Portrait_data()
    {
        QTest::addColumn<QPageLayout>("layout");
        QTest::addColumn<bool>("a4Portrait");
        const QMarginsF none;
        auto custom = [&](qreal w, qreal h, QPageLayout::Orientation o) {
            return QPageLayout(QPageSize(QSizeF(w, h), QPageSize::Millimeter), o, none);
        };
        QTest::newRow("A4 portrait") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, none) << true;
        QTest::newRow("A4 landscape") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, none) << false;
        QTest::newRow("Letter") << QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, none) << false;
        QTest::newRow("A5") << QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, none) << false;
        QTest::newRow("within 1 mm") << custom(210.9, 296.1, QPageLayout::Portrait) << true;
        QTest::newRow("width 1.5 mm off") << custom(211.5, 297, QPageLayout::Portrait) << false;
        QTest::newRow("height 1.5 mm off") << custom(210, 295.5, QPageLayout::Portrait) << false;
        QTest::newRow("A4 sizes given sideways") << custom(297, 210, QPageLayout::Portrait) << false;
        QTest::newRow("invalid") << QPageLayout() << false;
    }

    void a4Portrait()
    {
        QFETCH(QPageLayout, layout);
        QFETCH(bool, a4Portrait);
        QCOMPARE(PaperCheck::IsA4Portrait(layout), a4Portrait);
    }

    void confirmPaperFormat_data()
    {
        QTest::addColumn<int>("check"); // -1: not stored
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("print");
        QTest::newRow("A4, default check") << -1 << int(QPageSize::A4) << int(QMessageBox::No) << false << true;
        QTest::newRow("Letter, default check, yes") << -1 << int(QPageSize::Letter) << int(QMessageBox::Yes) << true << true;
        QTest::newRow("Letter, check on, no") << 1 << int(QPageSize::Letter) << int(QMessageBox::No) << true << false;
        QTest::newRow("Letter, check off") << 0 << int(QPageSize::Letter) << int(QMessageBox::No) << false << true;
    }

    void confirmPaperFormat()
    {
        QFETCH(int, check);
        QFETCH(int, pageSize);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, print);
        if (check >= 0)
            Profile().WriteInt(S, QStringLiteral("PrnPapielageCheck"), check);
        SPrompts prompts;
        prompts.answer = QMessageBox::StandardButton(answer);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
        printer.setPageOrientation(QPageLayout::Portrait);
        QCOMPARE(ConfirmPaperFormat(nullptr, Profile(), printer), print);
        QCOMPARE(prompts.texts.size(), asked ? 1 : 0);
        if (asked) {
            QVERIFY2(prompts.texts.first().contains(QStringLiteral("Möchten Sie trotzdem drucken?")),
                     qPrintable(prompts.texts.first()));
            QVERIFY(prompts.texts.first().contains(QStringLiteral("216 x 279 mm")));
        }
    }
};

QTEST_MAIN(TestProgramOptions)
#include "tst_programoptions.moc"
