#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
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

    static bool HasPicture(const QByteArray& pdf)
    {
        return QString::fromLatin1(pdf).contains(QRegularExpression(QStringLiteral("/Subtype\\s*/Image")));
    }

    // A picture of a given size in millimetres as its resolution says, one colour.
    static void WritePicture(const QString& path, int width, int height, int dpi = 96)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(0, 128, 0));
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        QVERIFY(image.save(path, "PNG"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("bilder")));
        WritePicture(Path(QStringLiteral("bilder/bild.png")), 300, 200);
        WritePicture(Path(QStringLiteral("neben.png")), 300, 200);
        Write(Path(QStringLiteral("bilder/kaputt.png")), "kein Bild, nur Text");
    }

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
        QCOMPARE(Run({QStringLiteral("a.md"), QStringLiteral("b.pdf"), QStringLiteral("--images")}).exitCode, 2);
    }

    void figureAddsPictureToPdf()
    {
        const QByteArray text = "# Handbuch\n\nSo sieht Seite 1 aus.\n\n";
        Write(Path(QStringLiteral("ohne-bild.md")), text);
        Write(Path(QStringLiteral("mit-bild.md")), text + "![Seite 1 des Beispiels](bild.png)\n\nWeiter im Text.\n");
        const QString images = Path(QStringLiteral("bilder"));
        QCOMPARE(Run({Path(QStringLiteral("ohne-bild.md")), Path(QStringLiteral("ohne-bild.pdf"))}).exitCode, 0);
        const SRun r = Run({QStringLiteral("--images"), images, Path(QStringLiteral("mit-bild.md")), Path(QStringLiteral("mit-bild.pdf"))});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray without = Read(Path(QStringLiteral("ohne-bild.pdf")));
        const QByteArray with = Read(Path(QStringLiteral("mit-bild.pdf")));
        QVERIFY(!HasPicture(without));
        QVERIFY(HasPicture(with));
        QVERIFY(with.size() > without.size());
    }

    void widePictureIsScaledToTheText()
    {
        // 3000 × 1000 pixels at 96 dpi are 794 × 265 mm: unscaled it would not fit
        // one page; at the text width (about 17 cm) it is 6 cm high.
        WritePicture(Path(QStringLiteral("bilder/breit.png")), 3000, 1000);
        Write(Path(QStringLiteral("breit.md")), "# Handbuch\n\nText davor.\n\n![Breit](breit.png)\n\nText danach.\n");
        const QString out = Path(QStringLiteral("breit.pdf"));
        const SRun r = Run({QStringLiteral("--images"), Path(QStringLiteral("bilder")), Path(QStringLiteral("breit.md")), out});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray pdf = Read(out);
        QVERIFY(HasPicture(pdf));
        QCOMPARE(PageCount(pdf), 1);
    }

    void pictureLookup_data()
    {
        QTest::addColumn<QByteArray>("markdown");
        QTest::addColumn<QString>("imageFolder"); // relative to the test folder; empty: no --images
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errorPart");
        QTest::addColumn<bool>("picture");

        const QString images = QStringLiteral("bilder");
        QTest::newRow("figure from the picture folder") << QByteArray("![Seite 1](bild.png)\n") << images << 0 << QString() << true;
        QTest::newRow("figure beside the Markdown") << QByteArray("![Seite 1](neben.png)\n") << QString() << 0 << QString() << true;
        QTest::newRow("picture inside a paragraph")
            << QByteArray("Das Symbol ![Drucken](bild.png) druckt.\n") << images << 0 << QString() << true;
        QTest::newRow("picture syntax in code stays text")
            << QByteArray("```\n![Seite 1](gibt-es-nicht.png)\n```\n") << images << 0 << QString() << false;
        QTest::newRow("missing picture") << QByteArray("Text.\n\n![Seite 1](fehlt.png)\n") << images << 1
                                         << QStringLiteral("fehlt.png") << false;
        QTest::newRow("missing inline picture")
            << QByteArray("Das Symbol ![Drucken](fehlt.png) druckt.\n") << images << 1 << QStringLiteral("fehlt.png") << false;
        QTest::newRow("not a picture") << QByteArray("![Seite 1](kaputt.png)\n") << images << 1
                                       << QStringLiteral("kaputt.png") << false;
        QTest::newRow("picture folder missing") << QByteArray("Text.\n") << QStringLiteral("gibt-es-nicht") << 1
                                                << QStringLiteral("Bildordner") << false;
    }

    void pictureLookup()
    {
        QFETCH(QByteArray, markdown);
        QFETCH(QString, imageFolder);
        QFETCH(int, exitCode);
        QFETCH(QString, errorPart);
        QFETCH(bool, picture);

        // Each run writes into a folder of its own, so that a failed run can be seen
        // to leave nothing behind, not even a temporary file.
        const QString outDir = Path(QStringLiteral("lookup-%1").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
        QVERIFY(QDir().mkpath(outDir));
        const QString md = Path(QStringLiteral("lookup.md"));
        Write(md, "# Handbuch\n\n" + markdown);
        QStringList args;
        if (!imageFolder.isEmpty())
            args << QStringLiteral("--images") << Path(imageFolder);
        const QString out = outDir + QStringLiteral("/handbuch.pdf");
        args << md << out;

        const SRun r = Run(args);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        if (exitCode == 0) {
            const QByteArray pdf = Read(out);
            QVERIFY(pdf.startsWith("%PDF"));
            QCOMPARE(HasPicture(pdf), picture);
        } else {
            QVERIFY2(r.err.contains(errorPart), qPrintable(r.err));
            QVERIFY2(QDir(outDir).isEmpty(), qPrintable(QDir(outDir).entryList(QDir::Files).join(QLatin1Char(' '))));
        }
    }

    void contentsListHeadingsWithTheirPages()
    {
        // The PDF's text is glyph numbers; poppler's pdftotext reads it back.
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QByteArray md = "# Handbuch\n\n## Inhalt\n\n[TOC]\n\n## Erstes Kapitel\n\n";
        for (int i = 0; i < 30; ++i)
            md += QByteArray("Ein Absatz, der so lang ist, dass er mehrere Zeilen füllt. ").repeated(8) + "\n\n";
        md += "## Zweites Kapitel\n\n### Ein Unterabschnitt\n\nText.\n\n```\n[TOC]\n```\n";
        Write(Path(QStringLiteral("inhalt.md")), md);
        const QString out = Path(QStringLiteral("inhalt.pdf"));
        const SRun r = Run({Path(QStringLiteral("inhalt.md")), out});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));

        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), out, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
        QVERIFY(pages.size() >= 3);

        // The page a heading is on, apart from the contents on page 1.
        auto pageOf = [&](const QString& heading) {
            for (qsizetype i = 1; i < pages.size(); ++i) {
                if (pages.at(i).contains(heading))
                    return int(i) + 1;
            }
            return 0;
        };
        auto listed = [&](const QString& heading) {
            const QRegularExpressionMatch m =
                QRegularExpression(QRegularExpression::escape(heading) + QStringLiteral("\\s+(\\d+)")).match(pages.first());
            return m.hasMatch() ? m.captured(1).toInt() : -1;
        };
        QCOMPARE(listed(QStringLiteral("Erstes Kapitel")), 1);
        QVERIFY(pageOf(QStringLiteral("Zweites Kapitel")) > 2);
        QCOMPARE(listed(QStringLiteral("Zweites Kapitel")), pageOf(QStringLiteral("Zweites Kapitel")));
        QCOMPARE(listed(QStringLiteral("Ein Unterabschnitt")), pageOf(QStringLiteral("Ein Unterabschnitt")));
        // Headings before the contents are not listed; [TOC] in code stays text.
        QCOMPARE(listed(QStringLiteral("Inhalt")), -1);
        QVERIFY(pages.last().contains(QStringLiteral("[TOC]")) || pages.at(pages.size() - 2).contains(QStringLiteral("[TOC]")));
    }

    void failedPictureKeepsExistingPdf()
    {
        const QString out = Path(QStringLiteral("alt-bild.pdf"));
        Write(out, "%PDF-1.4 alt");
        Write(Path(QStringLiteral("fehlbild.md")), "# Titel\n\n![Seite 1](fehlt.png)\n");
        const SRun r = Run({QStringLiteral("--images"), Path(QStringLiteral("bilder")), Path(QStringLiteral("fehlbild.md")), out});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(Read(out), QByteArray("%PDF-1.4 alt"));
    }
};

QTEST_GUILESS_MAIN(TestMakeManual)
#include "tst_makemanual.moc"
