#include "TestSupport.h"

#include "app/FieldDefinitionStore.h"
#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "fields/FieldDefinitions.h"

#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    const QString D = SettingsSection::kDefaults;

    static CRegeditManagment Library()
    {
        CRegeditManagment lib;
        lib.InitFromApp(QStringLiteral("1.1.3.1"), QStringLiteral("Oct  9 2021"), QStringLiteral("/opt/t2l/velmora-t2l"));
        return lib;
    }

private Q_SLOTS:
    void init() { m_settings = std::make_unique<CIsolatedSettings>(); }
    void cleanup() { m_settings.reset(); }

    void storeLivesInTheTestFolder()
    {
        const CSettingsStore profile = CSettingsStore::Profile();
        QVERIFY(profile.FileName().startsWith(m_settings->Path()));
        QVERIFY(profile.FileName().contains(QStringLiteral("Brennik")));
        QVERIFY(Library().Root().FileName().startsWith(m_settings->Path()));
        QVERIFY(Library().Root().FileName().contains(QStringLiteral("KIV")));
    }

    void valuesAndReaderDefaults()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        QCOMPARE(p.ReadInt(D, QStringLiteral("PrinterFontFactor"), 95), 95);
        QCOMPARE(p.ReadInt(D, QStringLiteral("Feld14"), 4), 4);
        QCOMPARE(p.ReadString(D, QStringLiteral("Printer"), QStringLiteral("@")), QStringLiteral("@"));
        QCOMPARE(p.ReadString(QString(), QStringLiteral("Installation"), QStringLiteral("XX")), QStringLiteral("XX"));

        p.WriteInt(D, QStringLiteral("PrinterFontFactor"), 120);
        p.WriteInt(D, QStringLiteral("Negative"), -5);
        p.WriteString(D, QStringLiteral("Printer"), QStringLiteral("Büro Laser"));
        p.WriteString(D, QStringLiteral("NotANumber"), QStringLiteral("abc"));
        QCOMPARE(p.ReadInt(D, QStringLiteral("PrinterFontFactor"), 95), 120);
        QCOMPARE(p.ReadInt(D, QStringLiteral("Negative"), 0), -5);
        QCOMPARE(p.ReadString(D, QStringLiteral("Printer"), QStringLiteral("@")), QStringLiteral("Büro Laser"));
        QCOMPARE(p.ReadInt(D, QStringLiteral("NotANumber"), 7), 7);
        // Numbers are 32-bit unsigned in the store, handed out as int.
        p.WriteString(D, QStringLiteral("Big"), QStringLiteral("4294967295"));
        QCOMPARE(p.ReadInt(D, QStringLiteral("Big"), 0), -1);

        const QByteArray bytes = QByteArray::fromHex("00FF0B0102");
        p.WriteBytes(D, QStringLiteral("Blob"), bytes);
        QCOMPARE(p.ReadBytes(D, QStringLiteral("Blob")), bytes);
        QVERIFY(p.ReadBytes(D, QStringLiteral("Missing")).isNull());
    }

    void deletion()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        p.WriteInt(QStringLiteral("Font"), QStringLiteral("EFont0"), 33);
        p.WriteInt(QStringLiteral("Font"), QStringLiteral("EFont1"), 40);
        p.WriteInt(D, QStringLiteral("ZoomFactor"), 12);
        p.WriteInt(D, QStringLiteral("ReUsePrn"), 1);

        QVERIFY(p.DeleteValue(D, QStringLiteral("ReUsePrn")));
        QVERIFY(!p.DeleteValue(D, QStringLiteral("ReUsePrn")));
        QCOMPARE(p.ReadInt(D, QStringLiteral("ReUsePrn"), 0), 0);

        p.DeleteSection(QStringLiteral("Font"));
        QCOMPARE(p.ReadInt(QStringLiteral("Font"), QStringLiteral("EFont0"), 30), 30);
        QCOMPARE(p.ReadInt(D, QStringLiteral("ZoomFactor"), 10), 12);

        const CSettingsStore other(QStringLiteral("KIV"), QStringLiteral("velmora-t2l"));
        other.WriteInt(D, QStringLiteral("Keep"), 1);
        p.DeleteRoot();
        QCOMPARE(p.ReadInt(D, QStringLiteral("ZoomFactor"), 10), 10);
        QCOMPARE(other.ReadInt(D, QStringLiteral("Keep"), 0), 1);
    }

    void fieldDefinitionsFirstStart()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        const CRegeditManagment lib = Library();
        // An older release left its tables in the library's Settings section.
        lib.Root().WriteBytes(SettingsSection::kSettings, QStringLiteral("FieldDef_EH1"), QByteArray(320, 'x'));
        lib.Root().WriteInt(SettingsSection::kSettings, QStringLiteral("FieldSize_EH1"), 320);

        CFieldDefinitions defs;
        FieldDefinitionStore::Load(defs, p, lib);
        QCOMPARE(p.ReadInt(D, QStringLiteral("FieldSize_EH1"), 0), 320);
        QCOMPARE(p.ReadInt(D, QStringLiteral("FieldSize_EH2"), 0), 176);
        QCOMPARE(lib.Root().ReadBytes(D, QStringLiteral("FieldDef_EH1")), CFieldDefinitions::BuiltInTable(kMainSheet));
        QCOMPARE(lib.Root().ReadBytes(D, QStringLiteral("FieldDef_EH2")), QByteArray(176, '\0'));
        QCOMPARE(defs.Table(kMainSheet), CFieldDefinitions::BuiltInTable(kMainSheet));
        QCOMPARE(defs.Flags(77, kMainSheet), quint8(0x0B));
        QVERIFY(!lib.Root().Contains(SettingsSection::kSettings, QStringLiteral("FieldDef_EH1")));
        QVERIFY(!lib.Root().Contains(SettingsSection::kSettings, QStringLiteral("FieldSize_EH1")));
    }

    void fieldDefinitionsMarkerWithoutBytes()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        p.WriteInt(D, QStringLiteral("FieldSize_EH1"), 320);
        p.WriteInt(D, QStringLiteral("FieldSize_EH2"), 176);
        CFieldDefinitions defs;
        FieldDefinitionStore::Load(defs, p, Library());
        QCOMPARE(defs.Table(kMainSheet), QByteArray(320, '\0'));
        QCOMPARE(defs.Table(kContSheet), QByteArray(176, '\0'));
    }

    void fieldDefinitionsSavedAndRewrittenAfterProfileReset()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        const CRegeditManagment lib = Library();
        CFieldDefinitions defs;
        FieldDefinitionStore::Load(defs, p, lib);
        defs.SetFlags(3, kMainSheet, 0, 0x00);
        defs.SetFlags(1, kContSheet, 2, 0x09);
        FieldDefinitionStore::Save(defs, p, lib);

        CFieldDefinitions reloaded;
        FieldDefinitionStore::Load(reloaded, p, lib);
        QCOMPARE(reloaded.Table(kMainSheet), defs.Table(kMainSheet));
        QCOMPARE(reloaded.Flags(1, kContSheet, 2), quint8(0x09));

        // Deleting the profile drops the markers; the next start rewrites the built-in tables.
        p.DeleteRoot();
        CFieldDefinitions fresh;
        FieldDefinitionStore::Load(fresh, p, lib);
        QCOMPARE(fresh.Flags(3, kMainSheet), quint8(0x0B));
        QCOMPARE(fresh.Flags(1, kContSheet, 2), quint8(0));

        fresh.SetFlags(5, kMainSheet, 0, 0);
        fresh.Reset();
        QCOMPARE(fresh.Table(kMainSheet), CFieldDefinitions::BuiltInTable(kMainSheet));
    }

    void storedTableTooLongIsNotRead()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        const CRegeditManagment lib = Library();
        p.WriteInt(D, QStringLiteral("FieldSize_EH1"), 320);
        lib.Root().WriteBytes(D, QStringLiteral("FieldDef_EH1"), QByteArray(400, '\x01'));
        CFieldDefinitions defs;
        defs.Reset();
        FieldDefinitionStore::Load(defs, p, lib);
        QCOMPARE(defs.Table(kMainSheet), CFieldDefinitions::BuiltInTable(kMainSheet));
    }

    void libraryNeedsInitialisation()
    {
        CRegeditManagment lib;
        QByteArray buffer(4, 'a');
        QCOMPARE(lib.WriteBytes(D, QStringLiteral("X"), QByteArray("b")), CRegeditManagment::kNotInitialised);
        QCOMPARE(lib.ReadBytes(D, QStringLiteral("X"), buffer), CRegeditManagment::kNotInitialised);
        QCOMPARE(buffer, QByteArray("aaaa"));
        QVERIFY(!lib.Root().Contains(D, QStringLiteral("X")));
    }

    void productVersion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("packed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("four parts") << "1.1.3.1" << 0x010103u << "1.1.03";
        QTest::newRow("two-digit parts") << "2.10.15.0" << quint32(2 * 65536 + 10 * 256 + 15) << "2.10.15";
        QTest::newRow("patch from two characters") << "1.2.345.6" << quint32(65536 + 2 * 256 + 34) << "1.2.34";
        QTest::newRow("three parts") << "3.4.5" << quint32(3 * 65536 + 4 * 256 + 5) << "3.4.05";
        QTest::newRow("major only") << "7" << quint32(7 * 65536) << "7.0.00";
        QTest::newRow("letters end a number") << "1.0b.2x" << quint32(65536 + 2) << "1.0.02";
        QTest::newRow("no version text") << "" << 0u << "0.0.00";
    }

    void productVersion()
    {
        QFETCH(QString, text);
        QFETCH(quint32, packed);
        QFETCH(QString, shown);
        CRegeditManagment lib;
        const auto v = lib.InitFromApp(text, QStringLiteral("Oct  9 2021"), QString());
        QCOMPARE(v.found, !text.isEmpty());
        QCOMPARE(lib.GetVersion(), packed);
        QCOMPARE(lib.GetVersionString(), shown);
        QVERIFY(lib.IsInitialised());
        QCOMPARE(lib.Root().ReadInt(QString(), QStringLiteral("Version"), -1), int(packed));
    }

    void installInformationAndDataDirectory()
    {
        const CRegeditManagment lib = Library();
        QCOMPARE(lib.Root().ReadString(QString(), QStringLiteral("Path"), QString()), QStringLiteral("/opt/t2l"));
        const QString dir = lib.GetDataDirectory();
        QVERIFY(dir.endsWith(QStringLiteral("/velmora-t2l")));
        QCOMPARE(lib.GetDataDirectoryWithSeparator(), dir + QLatin1Char('/'));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
