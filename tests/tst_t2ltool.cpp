#include "TestSupport.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct SRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestT2lTool : public QObject
{
    Q_OBJECT

    CIsolatedSettings m_settings;
    QTemporaryDir m_dir;

    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    SRun Run(const QStringList& args, const QByteArray& input = QByteArray()) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_settings.Path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(T2LTOOL_PATH), args);
        p.write(input);
        p.closeWriteChannel();
        SRun r;
        if (!p.waitForFinished(60000))
            return r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        r.out = p.readAllStandardOutput();
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

private Q_SLOTS:
    void newWritesTheEditorsNewDocument()
    {
        const SRun r = Run({QStringLiteral("new"), Path("neu.t2l")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(ReadFile(Path("neu.t2l")).toHex(' '), NewDocumentBytes().toHex(' '));
    }

    void dumpBuildDumpIsStable()
    {
        const QByteArray file = CT2lBytes().Header(2, 77, 1).Word(0x1206).Word(2)
                                    .Texts(QStringList(79, QStringLiteral("Zeile \"1\"\r\nC:\\Pfad\t€ 😀")) << QStringLiteral("\uFEFFmit BOM"))
                                    .Words(QList<quint16>(80, 0x0112)).Word(0x2003).Word(44).ContSheets(3).Byte('@').Bytes();
        WriteFile(Path("in.t2l"), file);
        const SRun first = Run({QStringLiteral("dump"), Path("in.t2l")});
        QCOMPARE(first.exitCode, 0);
        QVERIFY(first.err.isEmpty());

        const QJsonObject o = QJsonDocument::fromJson(first.out).object();
        QCOMPARE(o.value(QStringLiteral("continuationCount")).toInt(), 2);
        QCOMPARE(o.value(QStringLiteral("reserved")).toInt(), 77);
        QCOMPARE(o.value(QStringLiteral("crossMark")).toInt(), 1);
        QCOMPARE(o.value(QStringLiteral("pageState")).toInt(), 0x2003);
        QCOMPARE(o.value(QStringLiteral("contFieldCount")).toInt(), 44);
        const QJsonArray pages = o.value(QStringLiteral("pages")).toArray();
        QCOMPARE(pages.size(), 3);
        const QJsonObject f0 = pages.at(0).toObject().value(QStringLiteral("fields")).toArray().at(0).toObject();
        QCOMPARE(f0.value(QStringLiteral("text")).toString(), QStringLiteral("Zeile \"1\"\r\nC:\\Pfad\t€ 😀"));
        QCOMPARE(f0.value(QStringLiteral("attributes")).toInt(), 0x0112);
        QCOMPARE(pages.at(2).toObject().value(QStringLiteral("fields")).toArray().at(43).toObject().value(QStringLiteral("text")).toString(),
                 QStringLiteral("p3f43"));

        const SRun build = Run({QStringLiteral("build"), Path("out.t2l")}, first.out);
        QCOMPARE(build.exitCode, 0);
        QCOMPARE(ReadFile(Path("out.t2l")), file);
        const SRun second = Run({QStringLiteral("dump"), Path("out.t2l")});
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(second.out, first.out);
    }

    void dumpReportsUnreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown header") << QByteArray("PK\x03\x04 something else entirely") << "Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!";
        QTest::newRow("truncated") << NewDocumentBytes().left(200) << "beschädigt";
    }

    void dumpReportsUnreadableFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        WriteFile(Path("bad.t2l"), file);
        const SRun r = Run({QStringLiteral("dump"), Path("bad.t2l")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void dumpOfForeignVariantWarns()
    {
        WriteFile(Path("foreign.t2l"), CT2lBytes().Header(1, 0, 0, 2).Word(0x1206).Word(2).MainSheet().Word(0x2002).Word(44).ContSheets(2).Byte('@').Bytes());
        const SRun r = Run({QStringLiteral("dump"), Path("foreign.t2l")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QJsonDocument::fromJson(r.out).isObject());
        QVERIFY(r.err.contains(QStringLiteral("Dies ist keine T2L-Datei und kann leider nicht verwendet werden!")));
    }

    void buildRefusesBadInput_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray head = R"({"continuationCount": 1, "reserved": 0, "crossMark": 0, "formVariant": 0, "contFieldCount": 44, )";
        auto fields = [](int n) {
            QByteArray f = "[";
            for (int i = 0; i < n; ++i)
                f += QByteArray(i ? "," : "") + R"({"text": "", "attributes": 3})";
            return f + "]";
        };
        QTest::newRow("not JSON") << QByteArray("{\"pages\": [");
        QTest::newRow("no pages") << head + R"("pageState": 8194, "pages": []})";
        QTest::newRow("page 2 announced, not given") << head + R"("pageState": 8194, "pages": [{"page": 1, "fields": )" + fields(80) + "}]}";
        QTest::newRow("page with too few fields") << head + R"("pageState": 8194, "pages": [{"page": 1, "fields": )" + fields(80) + R"(}, {"page": 2, "fields": )" + fields(43) + "}]}";
        QTest::newRow("pages out of order") << head + R"("pageState": 8194, "pages": [{"page": 2, "fields": )" + fields(80) + R"(}, {"page": 1, "fields": )" + fields(44) + "}]}";
        QTest::newRow("attribute beyond 16 bits") << head + R"("pageState": 4096, "pages": [{"page": 1, "fields": [{"text": "", "attributes": 70000}]}]})";
        QTest::newRow("text not a string") << head + R"("pageState": 4096, "pages": [{"page": 1, "fields": [{"text": 5, "attributes": 1}]}]})";
        QTest::newRow("missing header value") << QByteArray(R"({"pageState": 4096, "pages": [{"page": 1, "fields": []}]})");
    }

    void buildRefusesBadInput()
    {
        QFETCH(QByteArray, json);
        WriteFile(Path("keep.t2l"), NewDocumentBytes());
        const SRun r = Run({QStringLiteral("build"), Path("keep.t2l")}, json);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.err.trimmed().isEmpty());
        QCOMPARE(ReadFile(Path("keep.t2l")), NewDocumentBytes());
    }

    void renderDrawsThePage()
    {
        const QByteArray file = CT2lBytes().Header().Word(0x1206).Word(2).MainSheet().Word(0x2002).Word(44).ContSheets(2).Byte('@').Bytes();
        WriteFile(Path("r.t2l"), file);
        const SRun r = Run({QStringLiteral("render"), Path("r.t2l"), QStringLiteral("--page"), QStringLiteral("2"),
                            QStringLiteral("--zoom"), QStringLiteral("10"), QStringLiteral("--dpi"), QStringLiteral("127"), Path("r.png")});
        QCOMPARE(r.exitCode, 0);
        const QImage image(Path("r.png"));
        // 205 x 350 mm at half a pixel per 0.1 mm.
        QCOMPARE(image.size(), QSize(1025, 1750));
        // The grey margin below the sheet, the green form and a text in black.
        QCOMPARE(image.pixelColor(500, 1700), QColor(128, 128, 128));
        int green = 0;
        for (int y : {132, 133}) {
            for (int x = 0; x < 1025; ++x) {
                const QColor c = image.pixelColor(x, y);
                green += c.green() > c.red() + 40 ? 1 : 0;
            }
        }
        QVERIFY(green > 900); // the rule under box 3, 26.5 mm down
    }

    void renderRefusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("page beyond the document") << QStringList{"--page", "3", "--zoom", "10", "--dpi", "96"} << 1;
        QTest::newRow("zoom 0") << QStringList{"--page", "1", "--zoom", "0", "--dpi", "96"} << 2;
        QTest::newRow("huge image") << QStringList{"--page", "1", "--zoom", "100", "--dpi", "2400"} << 1;
        QTest::newRow("option missing") << QStringList{"--page", "1", "--zoom", "10", "--xyz", "96"} << 2;
    }

    void renderRefusesBadArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        WriteFile(Path("r2.t2l"), NewDocumentBytes());
        const SRun r = Run(QStringList{QStringLiteral("render"), Path("r2.t2l")} + args + QStringList{Path("bad.png")});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(!r.err.isEmpty());
        QVERIFY(!QFile::exists(Path("bad.png")));
    }

    void printWritesThePdf()
    {
        WriteFile(Path("p.t2l"), NewDocumentBytes());
        const SRun r = Run({QStringLiteral("print"), Path("p.t2l"), QStringLiteral("--page"), QStringLiteral("1"),
                            QStringLiteral("--copies"), QStringLiteral("3"), QStringLiteral("--pdf"), Path("p.pdf")});
        QCOMPARE(r.exitCode, 0);
        QFile pdf(Path("p.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), qsizetype(3));
    }

    void printRefusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("page beyond the document") << QStringList{"--page", "3"} << 1;
        QTest::newRow("no page") << QStringList{"--copies", "2"} << 2;
        QTest::newRow("copies 0") << QStringList{"--page", "1", "--copies", "0"} << 2;
        QTest::newRow("copies 10") << QStringList{"--page", "1", "--copies", "10"} << 2;
        QTest::newRow("printer and pdf") << QStringList{"--page", "1", "--printer", "X"} << 2;
        QTest::newRow("unknown option") << QStringList{"--page", "1", "--zoom", "10"} << 2;
        QTest::newRow("unknown printer") << QStringList{"--page", "1", "--printer", "Kein-Drucker-Hier"} << 1;
    }

    void printRefusesBadArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        WriteFile(Path("p2.t2l"), NewDocumentBytes());
        QStringList all = QStringList{QStringLiteral("print"), Path("p2.t2l")} + args;
        if (!args.contains(QStringLiteral("--printer")) || QTest::currentDataTag() == QByteArray("printer and pdf"))
            all << QStringLiteral("--pdf") << Path("bad.pdf");
        const SRun r = Run(all);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(!r.err.isEmpty());
        QVERIFY(!QFile::exists(Path("bad.pdf")));
    }

    void usage()
    {
        QCOMPARE(Run({}).exitCode, 2);
        QCOMPARE(Run({QStringLiteral("print"), Path("x.t2l")}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestT2lTool)
#include "tst_t2ltool.moc"
