// The print tests' transport: a page printed to the CUPS queue T2L-PDF must
// come out as an A4 PDF with every mark where Qt painted it (no fit-to-page,
// no shift), and the helper must find that job's file among older ones.

#include "CupsPdf.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

namespace
{
constexpr int kDpi = 300;
constexpr double kToleranceMm = 0.2;
// Two marks far apart: a shift moves both, a scaling changes their distance.
const QRectF kBigMm(30.0, 50.0, 10.0, 10.0);
const QRectF kSmallMm(170.0, 270.0, 5.0, 5.0);

// Paints the marks in page millimetres; origin is where the device's (0,0)
// lies on the paper, in device pixels.
void PaintMarks(QPainter& painter, double resolution, QPointF originPx)
{
    const double pxPerMm = resolution / 25.4;
    for (const QRectF& mm : {kBigMm, kSmallMm})
        painter.fillRect(QRectF(mm.topLeft() * pxPerMm - originPx, mm.size() * pxPerMm), Qt::black);
}

bool WritePdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PaintMarks(painter, writer.resolution(), QPointF());
    return painter.end();
}

void Near(const QRectF& got, const QRectF& want, const char* what)
{
    const QString msg = QStringLiteral("%1: expected (%2, %3) %4 x %5 mm, found (%6, %7) %8 x %9 mm")
                            .arg(QLatin1String(what))
                            .arg(want.x()).arg(want.y()).arg(want.width()).arg(want.height())
                            .arg(got.x(), 0, 'f', 3).arg(got.y(), 0, 'f', 3)
                            .arg(got.width(), 0, 'f', 3).arg(got.height(), 0, 'f', 3);
    qInfo("%s", qPrintable(msg));
    QVERIFY2(!got.isNull(), qPrintable(msg));
    QVERIFY2(qAbs(got.left() - want.left()) <= kToleranceMm && qAbs(got.top() - want.top()) <= kToleranceMm &&
                 qAbs(got.right() - want.right()) <= kToleranceMm && qAbs(got.bottom() - want.bottom()) <= kToleranceMm,
             qPrintable(msg));
}
} // namespace

class TstCupsPdf : public QObject
{
    Q_OBJECT

private:
    QString m_outDir;
    QTemporaryDir m_tmp;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        // No skipping: without the queue the print tests prove nothing.
        QString error;
        m_outDir = CCupsPdfQueue::EnsureQueue(&error);
        QVERIFY2(!m_outDir.isEmpty(), qPrintable(error));
    }

    void marksLandWherePainted_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("QPdfWriter file, no CUPS") << "file";
        QTest::newRow("QPdfWriter file through lp") << "lp";
        QTest::newRow("QPrinter, full page") << "fullpage";
        QTest::newRow("QPrinter, printable area") << "printable";
    }

    void marksLandWherePainted()
    {
        QFETCH(QString, route);
        const QString title = QStringLiteral("tst_cupspdf %1 %2").arg(route).arg(QCoreApplication::applicationPid());
        const QDateTime since = QDateTime::currentDateTime();
        QString error;
        QString pdf;
        if (route == QLatin1String("file") || route == QLatin1String("lp")) {
            pdf = m_tmp.filePath(route + QStringLiteral(".pdf"));
            QVERIFY(WritePdf(pdf));
            if (route == QLatin1String("lp")) {
                QProcess lp;
                lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), CCupsPdfQueue::QueueName(),
                                                QStringLiteral("-t"), title, pdf});
                QVERIFY2(lp.waitForFinished(30000) && lp.exitCode() == 0,
                         qPrintable(QString::fromLocal8Bit(lp.readAllStandardError())));
                pdf = CCupsPdfQueue::WaitForPdf(m_outDir, title, since, 60000, &error);
            }
        } else {
            const QPrinterInfo info = QPrinterInfo::printerInfo(CCupsPdfQueue::QueueName());
            QVERIFY2(!info.isNull(), "Qt does not see the CUPS queue T2L-PDF");
            QPrinter printer(info, QPrinter::HighResolution);
            QCOMPARE(printer.printerName(), CCupsPdfQueue::QueueName());
            QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
            printer.setDocName(title);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setFullPage(route == QLatin1String("fullpage"));
            const QPageLayout layout = printer.pageLayout();
            const QRect paintPx = layout.paintRectPixels(printer.resolution());
            qInfo("%s: resolution %d dpi, margins %s mm, paint rect %s px, full page %s px", qPrintable(route),
                  printer.resolution(), qPrintable(QStringLiteral("%1/%2/%3/%4").arg(layout.margins(QPageLayout::Millimeter).left())
                                                   .arg(layout.margins(QPageLayout::Millimeter).top())
                                                   .arg(layout.margins(QPageLayout::Millimeter).right())
                                                   .arg(layout.margins(QPageLayout::Millimeter).bottom())),
                  qPrintable(QStringLiteral("%1,%2 %3x%4").arg(paintPx.x()).arg(paintPx.y()).arg(paintPx.width()).arg(paintPx.height())),
                  qPrintable(QStringLiteral("%1x%2").arg(layout.fullRectPixels(printer.resolution()).width())
                                 .arg(layout.fullRectPixels(printer.resolution()).height())));
            QPainter painter;
            QVERIFY2(painter.begin(&printer), "QPainter::begin on the T2L-PDF printer failed");
            PaintMarks(painter, printer.resolution(), printer.fullPage() ? QPointF() : QPointF(paintPx.topLeft()));
            QVERIFY(painter.end());
            pdf = CCupsPdfQueue::WaitForPdf(m_outDir, title, since, 60000, &error);
        }
        QVERIFY2(!pdf.isEmpty(), qPrintable(error));

        const QImage page = CCupsPdfQueue::RenderPage(pdf, 1, kDpi, &error);
        QVERIFY2(!page.isNull(), qPrintable(error));
        // A4 at 300 dpi is 2480 x 3508 pixels; a point of rounding is allowed.
        QVERIFY2(qAbs(page.width() - 2480) <= 2 && qAbs(page.height() - 3508) <= 2,
                 qPrintable(QStringLiteral("page is %1 x %2 px, not A4").arg(page.width()).arg(page.height())));
        const QMarginsF around(8, 8, 8, 8);
        Near(CCupsPdfQueue::DarkBoundsMm(page, kDpi, kBigMm + around), kBigMm, "10 mm square");
        Near(CCupsPdfQueue::DarkBoundsMm(page, kDpi, kSmallMm + around), kSmallMm, "5 mm square");
        // Nothing else on the page (a doubled or shifted copy would show here).
        QRectF all = CCupsPdfQueue::DarkBoundsMm(page, kDpi);
        Near(all, kBigMm.united(kSmallMm), "all marks");
        // The spool directory is shared; a failed run leaves its file to look at.
        if (route != QLatin1String("file"))
            QFile::remove(pdf);
    }

    // An earlier run's file with the same title, or another job's file, is never taken.
    void waitForPdfTakesOnlyThisJobsFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString title = QStringLiteral("Formular T2L.t2l");
        auto put = [&](const QString& name, const QDateTime& time) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("%PDF-1.4\n...\n%%EOF\n");
            f.close();
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(time, QFileDevice::FileModificationTime));
        };
        const QDateTime since = QDateTime::currentDateTime();
        put(QStringLiteral("Formular_T2L.t2l-job_3.pdf"), since.addSecs(-60));
        put(QStringLiteral("Anderes_Formular-job_5.pdf"), since.addSecs(1));
        QString error;
        QVERIFY(CCupsPdfQueue::WaitForPdf(dir.path(), title, since, 300, &error).isEmpty());
        QVERIFY2(error.contains(QLatin1String("Formular T2L.t2l")), qPrintable(error));

        put(QStringLiteral("Formular_T2L.t2l-job_4.pdf"), since.addSecs(1));
        QCOMPARE(CCupsPdfQueue::WaitForPdf(dir.path(), title, since, 5000, &error),
                 dir.filePath(QStringLiteral("Formular_T2L.t2l-job_4.pdf")));
    }

    void waitForPdfWaitsForTheCompleteFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile f(dir.filePath(QStringLiteral("half-job_9.pdf")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4\n");
        f.flush();
        QString error;
        QVERIFY(CCupsPdfQueue::WaitForPdf(dir.path(), QStringLiteral("half"), QDateTime::currentDateTime().addSecs(-5),
                                          400, &error).isEmpty());
    }

    void ensureQueueReportsTheScriptsMessage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile script(dir.filePath(QStringLiteral("fails.sh")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("echo 'cups-pdf-queue: no scheduler' >&2; exit 1\n");
        script.close();
        QString error;
        QVERIFY(CCupsPdfQueue::EnsureQueue(script.fileName(), &error).isEmpty());
        QVERIFY2(error.contains(QLatin1String("cups-pdf-queue: no scheduler")), qPrintable(error));
    }
};

QTEST_MAIN(TstCupsPdf)
#include "tst_cupspdf.moc"
