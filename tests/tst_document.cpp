#include "TestSupport.h"

#include "document/EinheitspapierDoc.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// A saved document with texts on three pages.
QByteArray ThreePageFile(quint32 reserved = 0, quint8 crossMark = 0)
{
    return CT2lBytes().Header(2, reserved, crossMark).Word(0x1206).Word(2).MainSheet().Word(0x2003).Word(44).ContSheets(3).Byte('@').Bytes();
}

// Reads every text and word the engine says it has; a document that loads
// must never answer with a range error here.
void WalkAllFields(CEinheitspapierDoc& doc)
{
    const CKivEditWindow& e = doc.Engine();
    for (int p = 1; p <= e.GetPageCount(); ++p) {
        const int n = p == 1 ? e.GetFieldCount() : e.GetContFieldCount();
        for (int i = 0; i < n; ++i) {
            e.GetFieldText(i, p);
            e.GetFieldAttributes(i, p);
        }
    }
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

    CIsolatedSettings m_settings;

private Q_SLOTS:
    void newDocumentIsByteExact()
    {
        CEinheitspapierDoc doc;
        doc.OnNewDocument();
        doc.InitialUpdate();
        QCOMPARE(doc.SaveToBytes().toHex(' '), NewDocumentBytes().toHex(' '));
    }

    void roundTripKeepsEverything()
    {
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(ThreePageFile(0xDEADBEEF, 1)), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(doc.ReservedValue(), 0xDEADBEEFu);
        QCOMPARE(doc.CrossMark(), quint8(1));
        QCOMPARE(doc.ContinuationCount(), quint16(2));
        QCOMPARE(doc.Engine().GetPageCount(), 3);
        QCOMPARE(doc.Engine().GetFieldText(43, 3), QStringLiteral("p3f43"));
        QCOMPARE(doc.Engine().GetFieldText(79, 1), QStringLiteral("m79"));

        doc.Engine().SetFieldText(10, QStringLiteral("Müller GmbH\r\nHafenstraße 1"), 1);
        doc.Engine().SetFieldAttributes(10, 1, 0x0212);
        const QByteArray saved = doc.SaveToBytes();
        CEinheitspapierDoc again;
        QCOMPARE(again.LoadFromBytes(saved), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(again.ReservedValue(), 0xDEADBEEFu);
        QCOMPARE(again.CrossMark(), quint8(1));
        QCOMPARE(again.Engine().GetFieldText(10, 1), QStringLiteral("Müller GmbH\r\nHafenstraße 1"));
        QCOMPARE(again.Engine().GetFieldAttributes(10, 1), quint16(0x0212));
        QCOMPARE(again.SaveToBytes(), saved);
    }

    void saveTrimsTrailingWhiteSpace()
    {
        CEinheitspapierDoc doc;
        doc.Engine().SetFieldText(17, QStringLiteral("Firma\r\nOrt  \r\n\r\n"), 1);
        doc.Engine().SetFieldText(11, QStringLiteral("Ware\t "), 2);
        doc.Engine().SetFieldText(12, QStringLiteral("  vorn bleibt"), 2);
        const QByteArray saved = doc.SaveToBytes();
        QCOMPARE(doc.Engine().GetFieldText(17, 1), QStringLiteral("Firma\r\nOrt"));
        QCOMPARE(doc.Engine().GetFieldText(11, 2), QStringLiteral("Ware"));
        QCOMPARE(doc.Engine().GetFieldText(12, 2), QStringLiteral("  vorn bleibt"));
        CEinheitspapierDoc again;
        QCOMPARE(again.LoadFromBytes(saved), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(again.Engine().GetFieldText(17, 1), QStringLiteral("Firma\r\nOrt"));
        QCOMPARE(again.Engine().GetFieldText(11, 2), QStringLiteral("Ware"));
    }

    void readingTrimsContinuationTextsToo()
    {
        const QByteArray file = CT2lBytes().Header().Word(0x1206).Word(2).MainSheet().Word(0x2002).Word(44)
                                    .Texts(QStringList(44, QStringLiteral("Ware \r\n"))).Words(QList<quint16>(44, 3)).Byte('@').Bytes();
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(file), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(doc.Engine().GetFieldText(11, 2), QStringLiteral("Ware"));
    }

    // A document object that read one file keeps nothing of it when it reads the next.
    void readingAgainStartsAfresh()
    {
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(CT2lBytes().Header().Word(0x1206).Word(1).MainSheet(101).Byte('@').Bytes()),
                 CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(doc.Engine().GetFieldCount(), quint16(101));
        QCOMPARE(doc.LoadFromBytes(ThreePageFile()), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(doc.Engine().GetFieldCount(), quint16(80));
        QCOMPARE(doc.Engine().GetPageCount(), 3);
    }

    void longTextLengthForms()
    {
        CEinheitspapierDoc doc;
        doc.Engine().SetFieldText(0, QString(254, u'a'), 1);
        doc.Engine().SetFieldText(1, QString(255, u'b'), 1);
        const QByteArray saved = doc.SaveToBytes();
        QVERIFY(saved.contains(QByteArray::fromHex("FFFEFFFE") + QByteArray("a\0", 2)));
        QVERIFY(saved.contains(QByteArray::fromHex("FFFEFFFFFF00") + QByteArray("b\0", 2)));
        CEinheitspapierDoc again;
        QCOMPARE(again.LoadFromBytes(saved), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(again.Engine().GetFieldText(0, 1), QString(254, u'a'));
        QCOMPARE(again.Engine().GetFieldText(1, 1), QString(255, u'b'));
    }

    void eightBitStringsAreWidenedAs1252()
    {
        const QByteArray file = CT2lBytes().Header().Word(0x1206).Word(2)
                                    .Word(2).Raw(QByteArray::fromHex("05") + "K\xF6ln " + QByteArray::fromHex("03") + "\x80\x20\x35")
                                    .Words({3, 3}).Word(0x1000).Word(0).Word(0).Word(0).Byte('@').Bytes();
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(file), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(doc.Engine().GetFieldText(0, 1), QStringLiteral("Köln")); // trailing blank trimmed on read
        QCOMPARE(doc.Engine().GetFieldText(1, 1), QStringLiteral("€ 5"));
        QCOMPARE(doc.Engine().GetFieldCount(), quint16(80));
    }

    void olderVersions_data()
    {
        QTest::addColumn<quint16>("version");
        QTest::newRow("version 0") << quint16(0);
        QTest::newRow("version 1") << quint16(1);
    }

    void olderVersions()
    {
        QFETCH(quint16, version);
        const QByteArray file = CT2lBytes().Header().Word(0x1206).Word(version).MainSheet().Byte('@').Bytes();
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(file), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(doc.Engine().GetFieldText(42, 1), QStringLiteral("m42"));
        QCOMPARE(doc.Engine().GetPageState(), quint16(0x1000));
        QCOMPARE(doc.Engine().GetPageCount(), 1);
        QCOMPARE(doc.Engine().GetContFieldCount(), quint16(0));
        QCOMPARE(doc.ContinuationCount(), quint16(0));
        WalkAllFields(doc);
        // Saved again, it becomes a current file that reads the same.
        CEinheitspapierDoc again;
        QCOMPARE(again.LoadFromBytes(doc.SaveToBytes()), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(again.Engine().GetFieldText(42, 1), QStringLiteral("m42"));
        QCOMPARE(again.Engine().GetPageCount(), 1);
    }

    void foreignVariantOpensWithMessage()
    {
        const QByteArray file = CT2lBytes().Header(1, 0, 0, 3).Word(0x1206).Word(2).MainSheet().Word(0x2002).Word(44).ContSheets(2).Byte('@').Bytes();
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(file), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QVERIFY(doc.IsForeignVariant());
        QCOMPARE(doc.Engine().GetFieldText(3, 1), QStringLiteral("m3"));
        QCOMPARE(CEinheitspapierDoc::ForeignFileMessage(), QStringLiteral("Dies ist keine T2L-Datei und kann leider nicht verwendet werden!"));
        // Shown in a view, the document takes the program's variant and is saved as 0.
        doc.InitialUpdate(0);
        QVERIFY(!doc.IsForeignVariant());
        QCOMPARE(doc.SaveToBytes().mid(38, 4), QByteArray(4, '\0'));
    }

    void notADocument_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<quint32>("errorId");
        using S = CEinheitspapierDoc::ELoadStatus;
        QTest::newRow("other magic") << QByteArray("KIV-VURivi@2.00 and more") << int(S::kUnknownFormat) << 18u;
        QTest::newRow("a text file") << QByteArray("Hello, this is not a T2L document at all.") << int(S::kUnknownFormat) << 18u;
        QTest::newRow("shorter than the magic") << QByteArray("KIV-VURivi") << int(S::kTooShort) << 0u;
        QTest::newRow("empty file") << QByteArray() << int(S::kTooShort) << 0u;
        QTest::newRow("foreign block tag") << CT2lBytes().Header().Word(0x1207).Word(2).MainSheet().Bytes() << int(S::kUnknownFormat) << 18u;
        QTest::newRow("newer block version") << CT2lBytes().Header().Word(0x1206).Word(3).MainSheet().Bytes() << int(S::kUnknownFormat) << 18u;
    }

    // Such files open as an empty form of the usual shape.
    void notADocument()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(quint32, errorId);
        CEinheitspapierDoc doc;
        QCOMPARE(int(doc.LoadFromBytes(file)), status);
        QCOMPARE(doc.LoadErrorId(), errorId);
        QCOMPARE(doc.Engine().GetFieldCount(), quint16(80));
        QCOMPARE(doc.Engine().GetContFieldCount(), quint16(44));
        QCOMPARE(doc.Engine().GetPageCount(), 2);
        QVERIFY(doc.Engine().GetFieldText(3, 1).isEmpty());
        QCOMPARE(CEinheitspapierDoc::MessageText(18),
                 QStringLiteral("Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!"));
    }

    // Cut anywhere after the magic characters, the file is refused, never half read.
    void truncationAtEveryByte()
    {
        const QByteArray file = ThreePageFile();
        for (int n = 15; n < file.size() - 1; ++n) {
            CEinheitspapierDoc doc;
            QString error;
            const auto status = doc.LoadFromBytes(file.left(n), &error);
            if (status != CEinheitspapierDoc::ELoadStatus::kFailed)
                QFAIL(qPrintable(QStringLiteral("cut at %1 was not refused").arg(n)));
            QVERIFY(error.contains(QStringLiteral("beschädigt")));
            WalkAllFields(doc);
        }
        // The closing byte is not needed.
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(file.left(file.size() - 1)), CEinheitspapierDoc::ELoadStatus::kLoaded);
    }

    void hostileFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        auto block = [] { return CT2lBytes().Header().Word(0x1206).Word(2); };
        QTest::newRow("main count near 2^32") << block().Word(0xFFFF).DWord(0xFFFFFFF0).Raw(QByteArray(64, '\0')).Bytes();
        QTest::newRow("main count beyond 16 bits") << block().Word(0xFFFF).DWord(70000).Raw(QByteArray(70000, '\0')).Words({}).Word(0x1000).Word(0).Word(0).Word(0).Bytes();
        QTest::newRow("string length past the end") << block().Word(1).Raw(QByteArray::fromHex("FFFEFFFFFFFF FFFFFF7F 4100")).Bytes();
        QTest::newRow("attribute count past the end") << block().Texts({QStringLiteral("a")}).Word(0xFFFF).DWord(0x40000000).Bytes();
        QTest::newRow("five pages announced, one sheet stored") << block().MainSheet().Word(0x2005).Word(44).ContSheets(2).Bytes();
        QTest::newRow("two sheets stored, one announced") << block().MainSheet().Word(0x2002).Word(44).ContSheets(3).Bytes();
        QTest::newRow("words disagree with texts") << block().MainSheet().Word(0x2002).Word(44).Texts(QStringList(44, QString())).Words(QList<quint16>(43, 1)).Bytes();
        QTest::newRow("page count zero") << block().MainSheet().Word(0x2000).Word(44).Texts({}).Words({}).Bytes();
        QTest::newRow("unknown mode nibble") << block().MainSheet().Word(0x3002).Word(44).ContSheets(2).Bytes();
        QTest::newRow("sheets without fields") << block().MainSheet().Word(0x2005).Word(0).Texts({}).Words({}).Bytes();
        QTest::newRow("continuation sheets of another size") << block().MainSheet().Word(0x2002).Word(10).ContSheets(2, 10).Bytes();
        QTest::newRow("255 pages of 65535 fields announced") << block().MainSheet().Word(0x20FF).Word(0xFFFF).Word(0xFFFF).DWord(0xFFFFFFFF).Bytes();
    }

    void hostileFilesAreRefused()
    {
        QFETCH(QByteArray, file);
        CEinheitspapierDoc doc;
        QString error;
        QCOMPARE(doc.LoadFromBytes(file, &error), CEinheitspapierDoc::ELoadStatus::kFailed);
        QVERIFY(!error.isEmpty());
        WalkAllFields(doc);
    }

    // Damage that leaves the content readable is repaired to a consistent document.
    void repairableFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("mainFields");
        QTest::addColumn<int>("pages");
        auto head = [](quint16 count) { return CT2lBytes().Header(count).Word(0x1206).Word(2); };
        QTest::newRow("header claims 1000 sheets") << head(1000).MainSheet().Word(0x2003).Word(44).ContSheets(3).Bytes() << 80 << 3;
        QTest::newRow("fewer attribute words than texts")
            << head(1).Texts(QStringList(80, QStringLiteral("x"))).Words(QList<quint16>(20, 3)).Word(0x2002).Word(44).ContSheets(2).Bytes()
            << 80 << 2;
        QTest::newRow("ten main fields") << head(1).MainSheet(10).Word(0x2002).Word(44).ContSheets(2).Bytes() << 80 << 2;
        QTest::newRow("hundred main fields") << head(1).MainSheet(100).Word(0x2002).Word(44).ContSheets(2).Bytes() << 100 << 2;
        QTest::newRow("single-sheet state with K") << head(1).MainSheet().Word(0x1000).Word(44).Texts({}).Words({}).Bytes() << 80 << 1;
    }

    void repairableFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, mainFields);
        QFETCH(int, pages);
        CEinheitspapierDoc doc;
        QCOMPARE(doc.LoadFromBytes(file), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(int(doc.Engine().GetFieldCount()), mainFields);
        QCOMPARE(doc.Engine().GetPageCount(), pages);
        QCOMPARE(int(doc.ContinuationCount()), pages - 1);
        WalkAllFields(doc);
        CEinheitspapierDoc again;
        QCOMPARE(again.LoadFromBytes(doc.SaveToBytes()), CEinheitspapierDoc::ELoadStatus::kLoaded);
    }

    void saveReplacesAndFailureKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("beleg.t2l"));
        CEinheitspapierDoc doc;
        QString error;
        QVERIFY(doc.SaveToFile(path, &error));
        const QByteArray first = NewDocumentBytes();
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), first);
        f.close();

        // A save that cannot be completed (the file size limit here) leaves the old file.
        doc.Engine().SetFieldText(29, QString(4000, u'w'), 1);
        struct rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 2000;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = doc.SaveToFile(path, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!saved);
        QVERIFY(error.contains(QStringLiteral("beleg.t2l")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), first);
        f.close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("beleg.t2l")});

        QVERIFY(!doc.SaveToFile(dir.filePath(QStringLiteral("fehlt/beleg.t2l")), &error));
        CEinheitspapierDoc missing;
        QCOMPARE(missing.LoadFromFile(dir.filePath(QStringLiteral("nichtda.t2l")), &error), CEinheitspapierDoc::ELoadStatus::kFailed);
        QVERIFY(error.contains(QStringLiteral("nichtda.t2l")));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
