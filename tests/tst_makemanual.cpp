#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// makemanual, the tool that turns the Markdown manual into the PDF beside the editor.
class TestMakeManual : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    struct SRun
    {
        int exitCode = -1;
        QString err;
    };

    static SRun Run(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral(MAKEMANUAL_PATH), args);
        SRun r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static int PageCount(const QByteArray& pdf)
    {
        // Page objects, not the page tree (/Type /Pages).
        return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void writesPdf()
    {
        Write(Path(QStringLiteral("klein.md")),
              "# Handbuch\n\nEin **kurzer** Text mit Umlauten: Größe, Übersicht.\n\n"
              "| Taste | Wirkung |\n|---|---|\n| F2 | Vorgaben |\n\n```\nt2ltool dump a.t2l\n```\n");
        const QString out = Path(QStringLiteral("klein.pdf"));
        const SRun r = Run({Path(QStringLiteral("klein.md")), out});
        QCOMPARE(r.exitCode, 0);
        const QByteArray pdf = Read(out);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(PageCount(pdf), 1);
        QVERIFY(pdf.contains("/Title"));
    }

    void longTextGoesOnSeveralPages()
    {
        QByteArray md = "# Handbuch\n\n";
        for (int i = 0; i < 40; ++i) {
            md += "## Abschnitt " + QByteArray::number(i) + "\n\n";
            md += QByteArray("Ein Absatz, der so lang ist, dass er mehrere Zeilen füllt. ").repeated(8) + "\n\n";
        }
        Write(Path(QStringLiteral("lang.md")), md);
        const QString out = Path(QStringLiteral("lang.pdf"));
        QCOMPARE(Run({Path(QStringLiteral("lang.md")), out}).exitCode, 0);
        const QByteArray pdf = Read(out);
        QVERIFY(pdf.startsWith("%PDF"));
        // About 40 × 9 lines of body text: far more than one A4 page, far less than 40.
        QVERIFY2(PageCount(pdf) >= 4 && PageCount(pdf) <= 20, QByteArray::number(PageCount(pdf)).constData());
    }

    void missingInputFails()
    {
        const QString out = Path(QStringLiteral("fehlt.pdf"));
        const SRun r = Run({Path(QStringLiteral("gibt-es-nicht.md")), out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("kann nicht gelesen werden")), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }

    void failedRunKeepsExistingPdf()
    {
        const QString out = Path(QStringLiteral("alt.pdf"));
        Write(out, "%PDF-1.4 alt");
        Write(Path(QStringLiteral("kaputt.md")), "# Titel\n\n\xff\xfe kein UTF-8\n");
        const SRun r = Run({Path(QStringLiteral("kaputt.md")), out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("UTF-8")), qPrintable(r.err));
        QCOMPARE(Read(out), QByteArray("%PDF-1.4 alt"));
    }

    void directoryAsInputFails()
    {
        const SRun r = Run({m_dir.path(), Path(QStringLiteral("ordner.pdf"))});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.err.isEmpty());
    }

    void unwritableOutputFails()
    {
        Write(Path(QStringLiteral("ok.md")), "# Titel\n\nText.\n");
        const SRun r = Run({Path(QStringLiteral("ok.md")), Path(QStringLiteral("kein/ordner/aus.pdf"))});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("kann nicht geschrieben werden")), qPrintable(r.err));
    }

    void wrongCommandLine()
    {
        QCOMPARE(Run({}).exitCode, 2);
        QCOMPARE(Run({QStringLiteral("a.md")}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestMakeManual)
#include "tst_makemanual.moc"
