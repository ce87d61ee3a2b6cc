// The support information: the lines of the support file, its bytes, the
// dialog "Interne Programminformationen" that writes it, and the about box's
// "Systeminfo" button that opens it.

#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/AboutDlg.h"
#include "app/SettingsStore.h"
#include "platform/Prompts.h"
#include "service/DlgInternalInfo.h"
#include "service/SupportInfo.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString S = SettingsSection::kSettings;
const QString D = SettingsSection::kDefaults;
const QString kNd = QStringLiteral("Nicht definiert");
const QString kDashes = QStringLiteral("-------------------------------------------------------");

SupportInfo::SInput Input(const QStringList& recent = {})
{
    SupportInfo::SInput input;
    input.applicationTitle = QStringLiteral("Velmora-T2L");
    input.recentFiles = recent;
    input.today = QDate(2026, 3, 5);
    input.runtimeVersions = {QStringLiteral("Qt 6.4.2"), QStringLiteral("Debian GNU/Linux 12 (bookworm)")};
    return input;
}

QString Padded(const char* name, const QString& value)
{
    return QString::fromLatin1(name).leftJustified(23) + value;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lines from "Registry-Details:" on, up to the first separator after them.
QStringList Section(const QStringList& lines, const QString& heading)
{
    const qsizetype start = lines.indexOf(heading);
    if (start < 0)
        return {};
    QStringList out;
    for (qsizetype i = start + 1; i < lines.size() && !lines.at(i).isEmpty() && lines.at(i) != kDashes; ++i)
        out << lines.at(i);
    return out;
}

} // namespace

class TestSupportInfo : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    CSettingsStore Profile() const { return CSettingsStore::Profile(); }

private Q_SLOTS:
    void init() { m_settings = std::make_unique<CIsolatedSettings>(); }
    void cleanup()
    {
        Common_DlgInternalInfo::SetPrinterLookup(nullptr);
        m_settings.reset();
    }

    void freshProfile()
    {
        // What a first start writes: the measured scaling goes to the form
        // view's section, but is listed from `Settings`.
        Profile().WriteInt(D, QStringLiteral("WinFormScaledFactor"), 100);
        Profile().WriteInt(D, QStringLiteral("FieldSize_EH1"), 320);
        int lookups = 0;
        SupportInfo::SInput input = Input();
        input.printer = [&](const QString&) {
            ++lookups;
            return std::optional<SupportInfo::SPrinterDetails>();
        };
        QStringList expected{
            "Umgebungs- und Programmparameter zu Velmora-T2L",
            "Version KIV",
            "Erstellt: 05.03.2026",
            "",
            "Installiert: XX",
            "",
            "Installierte Laufzeitversionen:",
            "   Qt 6.4.2",
            "   Debian GNU/Linux 12 (bookworm)",
            "Adressdatendatei:    Nicht definiert",
            "Stammdatendatei:     Nicht definiert",
            "",
            "",
            kDashes,
            "",
            kDashes,
            "",
            "Registry-Details:",
        };
        for (const char* n : {"PrnFactorV", "PrnFactorH", "WinFormScaledFactor", "WinFormScaledFactorOv", "Stammdaten",
                              "AdressdatenDatei", "StammdatenDatei"})
            expected << Padded(n, kNd);
        expected << "" << "Einheitspapier T2L:";
        for (const char* n : {"ReUsePrn", "Printer", "PrinterFontFactor", "ShowMarginDlgEH", "Left_Margin_EH",
                              "Top_Margin_EH", "Left_Margin2_EH", "Top_Margin2_EH", "VertPosX2_EH", "HorPosX2_EH",
                              "ZoomFactor", "ZoomFactorLU", "EditTextColor", "3LineInStamp", "AutoFillPositions",
                              "EH_ShowXX", "Feld2", "Feld2S2", "Feld14", "Feld17", "Feld34", "Stamp_A", "Stamp_C"})
            expected << Padded(n, kNd);
        expected << kDashes << kDashes; // no font values, no recent files

        const QStringList lines = SupportInfo::Lines(Profile(), input);
        for (qsizetype i = 0; i < qMin(lines.size(), expected.size()); ++i)
            QCOMPARE(lines.at(i), expected.at(i));
        QCOMPARE(lines.size(), expected.size());
        QCOMPARE(lookups, 0); // no stored printer: nothing to look up
    }

    void storedValues()
    {
        const CSettingsStore p = Profile();
        p.WriteString(QString(), QStringLiteral("Installation"), QStringLiteral("CD-2021"));
        p.WriteInt(S, QStringLiteral("PrnFactorV"), 1000);
        p.WriteInt(S, QStringLiteral("PrnFactorH"), -5);
        p.WriteInt(S, QStringLiteral("WinFormScaledFactor"), 150);
        p.WriteString(S, QStringLiteral("AdressdatenDatei"), QStringLiteral("/daten/Adress1.dbf"));
        p.WriteString(S, QStringLiteral("StammdatenDatei"), QString()); // stored, though empty
        p.WriteInt(D, QStringLiteral("EditTextColor"), 16711680);
        p.WriteString(D, QStringLiteral("Printer"), QStringLiteral("Büro"));
        p.WriteInt(QStringLiteral("Font"), QStringLiteral("PFont0B"), 22);
        p.WriteInt(QStringLiteral("Font"), QStringLiteral("EFont2"), 42);
        p.WriteInt(QStringLiteral("Font"), QStringLiteral("EFont8"), 26); // not among the listed ones

        SupportInfo::SInput input = Input();
        QString asked;
        input.printer = [&](const QString& name) {
            asked = name;
            return std::optional<SupportInfo::SPrinterDetails>({"HP LaserJet 4", "socket://10.0.0.7", "CUPS"});
        };
        const QStringList lines = SupportInfo::Lines(p, input);
        QCOMPARE(asked, QStringLiteral("Büro"));
        QVERIFY(lines.contains(QStringLiteral("Installiert: CD-2021")));
        QVERIFY(lines.contains(QStringLiteral("Adressdatendatei:    /daten/Adress1.dbf")));
        QVERIFY(lines.contains(QStringLiteral("Stammdatendatei:     ")));

        const QStringList settings = Section(lines, QStringLiteral("Registry-Details:"));
        QCOMPARE(settings, (QStringList{Padded("PrnFactorV", "0x000003e8 (1000)"), Padded("PrnFactorH", "0xfffffffb (-5)"),
                                        Padded("WinFormScaledFactor", "0x00000096 (150)"),
                                        Padded("WinFormScaledFactorOv", kNd), Padded("Stammdaten", kNd),
                                        Padded("AdressdatenDatei", "/daten/Adress1.dbf"), Padded("StammdatenDatei", "")}));
        const QStringList form = Section(lines, QStringLiteral("Einheitspapier T2L:"));
        QCOMPARE(form.mid(0, 6), (QStringList{Padded("ReUsePrn", kNd), Padded("Printer", "Büro"),
                                              "Druckertreiber         HP LaserJet 4", "Druckerport            socket://10.0.0.7",
                                              "PrintProcessor         CUPS", Padded("PrinterFontFactor", kNd)}));
        QVERIFY(form.contains(Padded("EditTextColor", "0x00ff0000 (16711680)")));
        // Font values: only stored ones, in the listed order.
        const qsizetype fonts = lines.indexOf(Padded("Stamp_C", kNd)) + 1;
        QCOMPARE(lines.mid(fonts), (QStringList{kDashes, Padded("EFont2", "0x0000002a (42)"),
                                                 Padded("PFont0B", "0x00000016 (22)"), kDashes}));

        // A printer that is no longer there gives no printer lines.
        input.printer = [](const QString&) { return std::optional<SupportInfo::SPrinterDetails>(); };
        const QStringList without = SupportInfo::Lines(p, input);
        QCOMPARE(without.size(), lines.size() - 3);
        QVERIFY(!without.join(QLatin1Char('\n')).contains(QStringLiteral("Druckertreiber")));
    }

    void numbers_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("1000") << 1000 << QStringLiteral("0x000003e8 (1000)");
        QTest::newRow("0") << 0 << QStringLiteral("0x00000000 (0)");
        QTest::newRow("-1") << -1 << QStringLiteral("0xffffffff (-1)");
        QTest::newRow("next to the sentinel") << 12061952 << QStringLiteral("0x00b80d00 (12061952)");
    }

    void numbers()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(SupportInfo::NumberText(number), text);
        // A stored number is listed, also one next to the missing-value mark;
        // the mark itself reads as missing.
        Profile().WriteInt(S, QStringLiteral("PrnFactorV"), number);
        QVERIFY(SupportInfo::Lines(Profile(), Input()).contains(Padded("PrnFactorV", text)));
        Profile().WriteInt(S, QStringLiteral("PrnFactorV"), SupportInfo::kMissingNumber);
        QVERIFY(SupportInfo::Lines(Profile(), Input()).contains(Padded("PrnFactorV", kNd)));
    }

    void recentFiles_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("listed");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("two") << 2 << 2;
        QTest::newRow("eight") << 8 << 6;
    }

    void recentFiles()
    {
        QFETCH(int, count);
        QFETCH(int, listed);
        QStringList recent;
        for (int i = 1; i <= count; ++i)
            recent << QStringLiteral("/home/b/Beleg %1.t2l").arg(i);
        const QStringList lines = SupportInfo::Lines(Profile(), Input(recent));
        const qsizetype heading = lines.indexOf(QStringLiteral("Zuletzt benutzte Dateien:"));
        if (listed == 0) {
            QCOMPARE(heading, qsizetype(-1));
            return;
        }
        QCOMPARE(lines.at(heading - 2), kDashes);
        QCOMPARE(lines.at(heading - 1), QString());
        QStringList expected;
        for (int i = 1; i <= listed; ++i)
            expected << QStringLiteral("%1: /home/b/Beleg %1.t2l").arg(i);
        expected << kDashes;
        QCOMPARE(lines.mid(heading + 1), expected);
    }

    void fileBytes()
    {
        const QByteArray bytes = SupportInfo::FileBytes({QStringLiteral("Aä€"), QString()});
        QCOMPARE(bytes, QByteArray::fromHex("FFFE" "4100" "E400" "AC20" "0D000A00" "0D000A00"));
    }

    void environmentText_data()
    {
        QTest::addColumn<int>("scaling");
        QTest::addColumn<QString>("text");
        QTest::newRow("100 %") << 100 << QStringLiteral("Bildschirmauflösung: 1920 x 1080\r\nProgrammverzeichnis: /opt/v");
        QTest::newRow("150 %") << 150
                               << QStringLiteral("Bildschirmauflösung: 1920 x 1080 (150 DPI)\r\nProgrammverzeichnis: /opt/v");
    }

    void environmentText()
    {
        QFETCH(int, scaling);
        QFETCH(QString, text);
        QCOMPARE(SupportInfo::EnvironmentText(QSize(1920, 1080), scaling, QStringLiteral("/opt/v")), text);
    }

    void firstStartIsRecordedOnce()
    {
        QCOMPARE(SupportInfo::FirstStartDate(Profile(), QDate(2025, 1, 9)), QDate(2025, 1, 9));
        QCOMPARE(Profile().ReadString(S, SupportInfo::kFirstStartName, QString()), QStringLiteral("2025-01-09"));
        QCOMPARE(SupportInfo::FirstStartDate(Profile(), QDate(2026, 7, 1)), QDate(2025, 1, 9));
        // Something unreadable is replaced by the day it was found.
        Profile().WriteString(S, SupportInfo::kFirstStartName, QStringLiteral("gestern"));
        QCOMPARE(SupportInfo::FirstStartDate(Profile(), QDate(2026, 7, 1)), QDate(2026, 7, 1));
        QCOMPARE(SupportInfo::VersionLine(QStringLiteral("1.1.03"), QStringLiteral("Oct  9 2021"), QDate(2025, 1, 9)),
                 QStringLiteral("Velmora-T2L für Linux - Version 1.1.03 - (Oct  9 2021) - Erstinstallation: 9.1.2025"));
    }

    void dialogWritesTheSupportFile()
    {
        Profile().WriteString(S, SupportInfo::kFirstStartName, QStringLiteral("2024-02-01"));
        SMessages messages;
        Common_DlgInternalInfo::SContext context{QStringLiteral("1.1.03"), QStringLiteral("Oct  9 2021"),
                                                 QStringLiteral("/opt/velmora"), {QStringLiteral("/tmp/a.t2l")}};
        Common_DlgInternalInfo dialog(Profile(), context);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Interne Programminformationen"));
        QCOMPARE(dialog.VersionEdit()->text(),
                 QStringLiteral("Velmora-T2L für Linux - Version 1.1.03 - (Oct  9 2021) - Erstinstallation: 1.2.2024"));
        QVERIFY(dialog.EnvironmentEdit()->toPlainText().startsWith(QStringLiteral("Bildschirmauflösung: ")));
        QVERIFY(dialog.EnvironmentEdit()->toPlainText().endsWith(QStringLiteral("\nProgrammverzeichnis: /opt/velmora")));
        QVERIFY(dialog.EnvironmentEdit()->isReadOnly() && dialog.VersionEdit()->isReadOnly());

        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(docs.startsWith(m_settings->Path()));
        QCOMPARE(dialog.TargetPath(), docs + QStringLiteral("/Velmora-T2L_Daten.txt"));
        QVERIFY(!QDir(docs).exists()); // made when needed
        dialog.show();
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);

        QCOMPARE(messages.texts, QStringList{QStringLiteral("Die Supportdaten wurden in der Datei\r\n%1\r\ngesichert.")
                                                 .arg(dialog.TargetPath())});
        QCOMPARE(messages.icons.first(), QMessageBox::NoIcon);
        QVERIFY(!dialog.isVisible());
        const QByteArray bytes = ReadAll(dialog.TargetPath());
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                                (bytes.size() - 2) / 2);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n"))); // no bare LF
        const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("Umgebungs- und Programmparameter zu Velmora-T2L"));
        QCOMPARE(lines.at(2), QStringLiteral("Erstellt: %1").arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
        QVERIFY(lines.contains(QStringLiteral("1: /tmp/a.t2l")));
        QCOMPARE(lines.last(), kDashes);
    }

    void unwritableTargetIsReported()
    {
        SMessages messages;
        Common_DlgInternalInfo dialog(Profile(), {});
        // A folder in the file's place: no file can be written there.
        QVERIFY(QDir().mkpath(dialog.TargetPath()));
        dialog.show();
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("Die Datei\r\n%1\r\nkonnte nicht geschrieben werden.")
                                                 .arg(dialog.TargetPath())});
        QCOMPARE(messages.icons.first(), QMessageBox::Critical);
        QVERIFY(!dialog.isVisible());
        QVERIFY(QFileInfo(dialog.TargetPath()).isDir());
    }

    void okClosesWithoutWriting()
    {
        SMessages messages;
        Common_DlgInternalInfo dialog(Profile(), {});
        dialog.show();
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(!QFile::exists(dialog.TargetPath()));
    }

    void aboutBoxSystemInfoClosesTheBox()
    {
        CAboutDlg plain(QStringLiteral("1.1.03"));
        QVERIFY(!plain.SystemInfoButton()->isEnabled());

        CAboutDlg about(QStringLiteral("1.1.03"));
        int opened = 0;
        bool aboutVisibleWhileOpen = false;
        about.SetSystemInfoFunction([&](QWidget* parent) {
            ++opened;
            aboutVisibleWhileOpen = parent == &about && about.isVisible();
        });
        QVERIFY(about.SystemInfoButton()->isEnabled());
        about.show();
        QTest::mouseClick(about.SystemInfoButton(), Qt::LeftButton);
        QCOMPARE(opened, 1);
        QVERIFY(aboutVisibleWhileOpen);
        QVERIFY(!about.isVisible());
        QVERIFY(!about.WebPageRequested());
    }
};

QTEST_MAIN(TestSupportInfo)
#include "tst_supportinfo.moc"
