#include "TestSupport.h"

#include "app/SettingsStore.h"
#include "document/DocumentPresets.h"
#include "document/EinheitspapierDoc.h"

#include <QTest>

class TestPresets : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    const QString D = SettingsSection::kDefaults;

    CSettingsStore Profile() const { return CSettingsStore::Profile(); }

    // A new document as the editor makes it, dated 9 December 2026.
    std::unique_ptr<CEinheitspapierDoc> NewDocument() const
    {
        auto doc = std::make_unique<CEinheitspapierDoc>(Profile());
        doc->SetToday(QDate(2026, 12, 9));
        doc->OnNewDocument();
        doc->InitialUpdate();
        return doc;
    }

private Q_SLOTS:
    void init() { m_settings = std::make_unique<CIsolatedSettings>(); }
    void cleanup() { m_settings.reset(); }

    void defaultsLeaveEveryFieldEmpty()
    {
        auto doc = NewDocument();
        for (int p = 1; p <= doc->Engine().GetPageCount(); ++p)
            for (int i = 0; i < (p == 1 ? 80 : 44); ++i)
                QVERIFY(doc->Engine().GetFieldText(i, p).isEmpty());
    }

    void declarant_data()
    {
        QTest::addColumn<int>("feld14");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("roleText");
        QTest::addColumn<QString>("number");
        QTest::newRow("Versender") << 4 << 2 << "Versender - 00300" << "DE123";
        QTest::newRow("Ausführer, other bits set") << 5 << 1 << "Ausführer - 00400" << "DE9";
        QTest::newRow("Einführer") << 4 << 3 << "Einführer - 00500" << "";
        QTest::newRow("Subunternehmer") << 4 << 4 << "Subunternehmer gem. Artikel 789 Zollkodex-DVO" << "X";
        QTest::newRow("unknown role clears the field") << 4 << 9 << "" << "DE1";
        QTest::newRow("switched off") << 0 << 2 << "untouched" << "untouched";
    }

    void declarant()
    {
        QFETCH(int, feld14);
        QFETCH(int, role);
        QFETCH(QString, roleText);
        QFETCH(QString, number);
        Profile().WriteInt(D, QStringLiteral("Feld14"), feld14);
        Profile().WriteInt(D, QStringLiteral("Anmelder"), role);
        Profile().WriteString(D, QStringLiteral("ZollNummer2"), feld14 ? number : QStringLiteral("DE5"));
        CEinheitspapierDoc doc(Profile());
        doc.Engine().SetFieldText(19, QStringLiteral("untouched"), 1);
        doc.Engine().SetFieldText(18, QStringLiteral("untouched"), 1);
        doc.ApplyPresets();
        QCOMPARE(doc.Engine().GetFieldText(19, 1), roleText);
        QCOMPARE(doc.Engine().GetFieldText(18, 1), number);
    }

    void dateInStamps_data()
    {
        QTest::addColumn<int>("autoDate");
        QTest::addColumn<int>("stampA");
        QTest::addColumn<int>("stampC");
        QTest::addColumn<QString>("field6");
        QTest::addColumn<QString>("field56");
        QTest::newRow("stamp C only") << 1 << 0 << 1 << "" << "9.12.2026";
        QTest::newRow("both stamps") << 1 << 1 << 1 << "9.12.2026" << "9.12.2026";
        QTest::newRow("date switched off") << 0 << 1 << 1 << "" << "";
        QTest::newRow("only the value 1 switches it on") << 2 << 1 << 1 << "" << "";
    }

    void dateInStamps()
    {
        QFETCH(int, autoDate);
        QFETCH(int, stampA);
        QFETCH(int, stampC);
        QFETCH(QString, field6);
        QFETCH(QString, field56);
        Profile().WriteInt(D, QStringLiteral("AutoDateInStamp"), autoDate);
        Profile().WriteInt(D, QStringLiteral("Stamp_A"), stampA);
        Profile().WriteInt(D, QStringLiteral("Stamp_C"), stampC);
        auto doc = NewDocument();
        QCOMPARE(doc->Engine().GetFieldText(6, 1), field6);
        QCOMPARE(doc->Engine().GetFieldText(56, 1), field56);
    }

    void ownCompanyInBoxes8And2()
    {
        Profile().WriteInt(D, QStringLiteral("Feld2"), 4);
        Profile().WriteString(D, QStringLiteral("Firma1"), QStringLiteral("A"));
        Profile().WriteString(D, QStringLiteral("Firma2"), QStringLiteral("B"));
        Profile().WriteString(D, QStringLiteral("ZollNummer1"), QStringLiteral("DE777"));
        auto doc = NewDocument();
        QCOMPARE(doc->Engine().GetFieldText(17, 1), QStringLiteral("A\r\nB"));
        QCOMPARE(doc->Engine().GetFieldText(8, 2), QStringLiteral("A\r\nB"));
        QCOMPARE(doc->Engine().GetFieldText(16, 1), QStringLiteral("DE777"));
        QCOMPARE(doc->Engine().GetFieldText(7, 2), QStringLiteral("DE777"));
        QCOMPARE(doc->Engine().GetFieldSize(7, 2), 1);
        QCOMPARE(doc->Engine().GetFieldSize(8, 2), 1);
    }

    // The box 8 presets replace an opened document's texts; the declarant
    // presets are overwritten by the file.
    void openedDocuments_data()
    {
        QTest::addColumn<int>("feld2");
        QTest::addColumn<QString>("box8");
        QTest::newRow("box 8 preset on") << 4 << "Eigene Firma";
        QTest::newRow("box 8 preset off") << 0 << "Kunde";
    }

    void openedDocuments()
    {
        QFETCH(int, feld2);
        QFETCH(QString, box8);
        QByteArray saved;
        {
            CEinheitspapierDoc doc(Profile());
            doc.Engine().SetFieldText(17, QStringLiteral("Kunde"), 1);
            doc.Engine().SetFieldText(19, QStringLiteral("Anmelder aus Datei"), 1);
            saved = doc.SaveToBytes();
        }
        Profile().WriteInt(D, QStringLiteral("Feld2"), feld2);
        Profile().WriteString(D, QStringLiteral("Firma1"), QStringLiteral("Eigene Firma"));
        Profile().WriteInt(D, QStringLiteral("Anmelder"), 2);
        CEinheitspapierDoc doc(Profile());
        QCOMPARE(doc.LoadFromBytes(saved), CEinheitspapierDoc::ELoadStatus::kLoaded);
        doc.InitialUpdate();
        QCOMPARE(doc.Engine().GetFieldText(17, 1), box8);
        QCOMPARE(doc.Engine().GetFieldText(19, 1), QStringLiteral("Anmelder aus Datei"));
    }

    // Presets never reach fields a loaded document does not have.
    void singleSheetDocumentGetsNoPage2Presets()
    {
        Profile().WriteInt(D, QStringLiteral("Feld2"), 4);
        Profile().WriteString(D, QStringLiteral("Firma1"), QStringLiteral("A"));
        const QByteArray v1 = CT2lBytes().Header().Word(0x1206).Word(1).MainSheet().Byte('@').Bytes();
        CEinheitspapierDoc doc(Profile());
        QCOMPARE(doc.LoadFromBytes(v1), CEinheitspapierDoc::ELoadStatus::kLoaded);
        doc.InitialUpdate();
        QCOMPARE(doc.Engine().GetFieldText(17, 1), QStringLiteral("A"));
        QCOMPARE(doc.Engine().GetPageCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
