// The print-out through a real CUPS queue: what PrintJob::PrintSheets sends to
// a printer (as the print command does) must land on the paper where the
// layout puts it, measured on the PDF the queue writes, within 0.2 mm.

#include "CupsPdf.h"
#include "TestSupport.h"

#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"
#include "print/FormPrinter.h"
#include "print/PrintJob.h"

#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

#include <memory>

namespace {

constexpr int kDpi = 300;
constexpr double kToleranceMm = 0.2;
// The positioning mark is drawn with a 0.1 mm pen with flat ends.
constexpr double kHalfPenMm = 0.05;
// A4 at kDpi.
const QSize kPagePx(qRound(210.0 / 25.4 * kDpi), qRound(297.0 / 25.4 * kDpi));
const QString kText = QStringLiteral("HHHH");
// Around a text's rectangle, where its ink is looked for: neighbouring print
// rectangles lie closer than 1 mm side by side.
const QMarginsF kSearch(0.5, 1.0, 0.5, 1.0);

struct SSetting
{
    QString section;
    QString key;
    int value = 0;
};

// A text to measure: field index, the page whose text it is, and the print
// table (sheet kind) that places it.
struct SField
{
    int index = 0;
    int page = 0;
    int kind = kMainSheet;
};

} // namespace

Q_DECLARE_METATYPE(QList<SSetting>)
Q_DECLARE_METATYPE(QList<SField>)

namespace {

// A page 1 and one continuation sheet, texts in box 1 (the second and the
// third part, which page 1 does not print), field 9, box 31 and a field of
// the continuation sheet; every other field empty. Print rectangles overlap
// their neighbours, so these are chosen apart from each other.
struct SCupsFixture
{
    SCupsFixture()
        : printer(doc.Engine(), definitions, profile, 0, 0)
    {
        doc.OnNewDocument();
        doc.InitialUpdate();
        doc.SetContinuationCount(1);
        definitions.Reset();
        CKivEditWindow& e = doc.Engine();
        for (int page = 1; page <= e.GetPageCount(); ++page) {
            const int count = page == 1 ? e.GetFieldCount() : e.GetContFieldCount();
            for (int i = 0; i < count; ++i)
                e.SetFieldText(quint16(i), QString(), quint16(page));
        }
        for (const SField& f : Texts())
            e.SetFieldText(quint16(f.index), kText, quint16(f.page));
    }

    static QList<SField> Texts()
    {
        return {{1, 1, kMainSheet}, {2, 1, kMainSheet}, {9, 1, kMainSheet}, {29, 1, kMainSheet}, {8, 2, kContSheet}};
    }

    // Where a text's rectangle lies on the paper, in mm from the sheet's
    // top-left corner: the print rectangle at the page's origin, moved 0.2 mm
    // right, stretched by the correction factors about the printable area's
    // corner, which lies at offsetMm.
    QRectF TextRectMm(const SField& f, int page, QPointF offsetMm)
    {
        printer.SetPrintOrigin(CFormPrinter::OriginFor(profile, page));
        const SLogRect r = printer.GetFieldPrintRect(f.index, f.kind);
        const int fv = profile.ReadInt(SettingsSection::kSettings, QStringLiteral("PrnFactorV"), 1000);
        const int fh = profile.ReadInt(SettingsSection::kSettings, QStringLiteral("PrnFactorH"), 1000);
        auto scale = [](int v, int factor) { return int(qint64(v) * factor / 1000); };
        return QRectF(QPointF(offsetMm.x() + scale(r.left + 2, fh) / 10.0, offsetMm.y() - scale(r.top, fv) / 10.0),
                      QPointF(offsetMm.x() + scale(r.right + 2, fh) / 10.0, offsetMm.y() - scale(r.bottom, fv) / 10.0));
    }

    // The computed sheet: the same page output painted straight into an
    // image, moved by the printable area's offset as the printer moves it.
    QImage Reference(int page, QPointF offsetMm)
    {
        QImage image(kPagePx, QImage::Format_RGB32);
        // Font sizes are given in points for the device's resolution.
        image.setDotsPerMeterX(qRound(kDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kDpi / 0.0254));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.translate(offsetMm * kDpi / 25.4);
            CLometricPainter dc(painter, kDpi);
            printer.OnPrint(dc, page);
        }
        return image.convertToFormat(QImage::Format_Grayscale8);
    }

    CEinheitspapierDoc doc;
    CSettingsStore profile = CSettingsStore::Profile();
    CFieldDefinitions definitions;
    CFormPrinter printer;
};

QString Mm(const QRectF& r)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(r.left(), 0, 'f', 3)
        .arg(r.top(), 0, 'f', 3)
        .arg(r.right(), 0, 'f', 3)
        .arg(r.bottom(), 0, 'f', 3);
}

bool Near(const QRectF& got, const QRectF& want)
{
    return !got.isNull() && qAbs(got.left() - want.left()) <= kToleranceMm &&
           qAbs(got.top() - want.top()) <= kToleranceMm && qAbs(got.right() - want.right()) <= kToleranceMm &&
           qAbs(got.bottom() - want.bottom()) <= kToleranceMm;
}

// -1 and the reason when pdfinfo cannot tell.
int PdfPageCount(const QString& pdf, QString* error)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        *error = QStringLiteral("pdfinfo failed for %1: %2 %3")
                     .arg(pdf, p.errorString(), QString::fromLocal8Bit(p.readAllStandardError()));
        return -1;
    }
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(QString::fromLocal8Bit(p.readAllStandardOutput()));
    if (!m.hasMatch()) {
        *error = QStringLiteral("pdfinfo gave no page count for %1").arg(pdf);
        return -1;
    }
    return m.captured(1).toInt();
}

} // namespace

class TstPrintCups : public QObject
{
    Q_OBJECT

    QString m_outDir;
    std::unique_ptr<CIsolatedSettings> m_settings;

private Q_SLOTS:
    void initTestCase()
    {
        // No skipping: without the queue nothing here is proved.
        QString error;
        m_outDir = CCupsPdfQueue::EnsureQueue(&error);
        QVERIFY2(!m_outDir.isEmpty(), qPrintable(error));
        QVERIFY2(!QPrinterInfo::printerInfo(CCupsPdfQueue::QueueName()).isNull(),
                 "Qt does not see the CUPS queue T2L-PDF");
    }

    void init() { m_settings = std::make_unique<CIsolatedSettings>(); }
    void cleanup() { m_settings.reset(); }

    void sheetOnPaper_data()
    {
        const QString d = SettingsSection::kDefaults;
        const QString s = SettingsSection::kSettings;
        QTest::addColumn<QList<SSetting>>("settings");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("copies");
        // Top-left of the positioning mark's corner in 0.1 mm from the
        // printable area's corner, y downwards; (-1, -1): no mark.
        QTest::addColumn<QPoint>("corner");
        // Texts measured on the sheet, and texts whose rectangle stays blank.
        QTest::addColumn<QList<SField>>("texts");
        QTest::addColumn<QList<SField>>("blank");

        const QList<SField> main = {{1, 1, kMainSheet}, {9, 1, kMainSheet}, {29, 1, kMainSheet}};
        const QList<SField> notOnMain = {{2, 1, kMainSheet}};
        QTest::newRow("page 1, defaults") << QList<SSetting>{} << 1 << 1 << QPoint(145, 70) << main << notOnMain;
        QTest::newRow("page 1, margins 2.0 and 1.5 mm")
            << QList<SSetting>{{d, QStringLiteral("Left_Margin_EH"), 20}, {d, QStringLiteral("Top_Margin_EH"), 15}} << 1
            << 1 << QPoint(165, 85) << main << notOnMain;
        // The correction stretches the texts, never the mark.
        QTest::newRow("page 1, correction 99 and 101 percent")
            << QList<SSetting>{{s, QStringLiteral("PrnFactorH"), 990}, {s, QStringLiteral("PrnFactorV"), 1010}} << 1
            << 1 << QPoint(145, 70) << main << notOnMain;
        // Box 1 of page 1 heads the continuation sheet, its third part too.
        QTest::newRow("continuation, 1 mm left")
            << QList<SSetting>{{d, QStringLiteral("Left_Margin2_EH"), -10}} << 2 << 1 << QPoint(-1, -1)
            << QList<SField>{{1, 1, kMainSheet}, {2, 1, kMainSheet}, {8, 2, kContSheet}} << QList<SField>{};
        QTest::newRow("page 1, two copies") << QList<SSetting>{} << 1 << 2 << QPoint(145, 70) << main << notOnMain;
    }

    void sheetOnPaper()
    {
        QFETCH(QList<SSetting>, settings);
        QFETCH(int, page);
        QFETCH(int, copies);
        QFETCH(QPoint, corner);
        QFETCH(QList<SField>, texts);
        QFETCH(QList<SField>, blank);

        SCupsFixture f;
        QCOMPARE(f.doc.Engine().GetPageCount(), 2);
        for (const SSetting& s : settings)
            f.profile.WriteInt(s.section, s.key, s.value);
        // The texts' left edge below assumes the engine's left alignment.
        for (const SField& t : texts)
            QCOMPARE(f.doc.Engine().GetAlignment(quint16(t.index), quint16(t.page)), int(CKivEditWindow::kAlignLeft));

        QString tag = QString::fromLatin1(QTest::currentDataTag());
        tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
        const QString title = QStringLiteral("tst_printcups %1 %2").arg(tag).arg(QCoreApplication::applicationPid());

        // As the print command: a high-resolution printer, printable area as origin.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(CCupsPdfQueue::QueueName());
        QVERIFY2(printer.isValid() && printer.printerName() == CCupsPdfQueue::QueueName(),
                 "QPrinter cannot use the CUPS queue T2L-PDF");
        QVERIFY(!printer.fullPage());
        printer.setDocName(title);
        const QPointF offsetMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        qInfo("printable area offset %.3f, %.3f mm, printer %d dpi", offsetMm.x(), offsetMm.y(), printer.resolution());
        // The queue's paper has a small unprintable border; the whole point
        // of the checks is that it is taken into account.
        QVERIFY2(offsetMm.x() > 0.5 && offsetMm.x() < 10 && offsetMm.y() > 0.5 && offsetMm.y() < 10,
                 qPrintable(QStringLiteral("unexpected printable offset %1, %2 mm").arg(offsetMm.x()).arg(offsetMm.y())));

        const QDateTime since = QDateTime::currentDateTime();
        QVERIFY(PrintJob::PrintSheets(printer, f.printer, PrintJob::Copies(page, copies)));
        QString error;
        const QString pdf = CCupsPdfQueue::WaitForPdf(m_outDir, title, since, 60000, &error);
        QVERIFY2(!pdf.isEmpty(), qPrintable(error));
        const int sheets = PdfPageCount(pdf, &error);
        QVERIFY2(sheets >= 0, qPrintable(error));
        QCOMPARE(sheets, copies);

        const QImage reference = f.Reference(page, offsetMm);
        QImage first;
        for (int sheet = 1; sheet <= sheets; ++sheet) {
            const QImage paper = CCupsPdfQueue::RenderPage(pdf, sheet, kDpi, &error);
            QVERIFY2(!paper.isNull(), qPrintable(error));
            QVERIFY2(qAbs(paper.width() - kPagePx.width()) <= 2 && qAbs(paper.height() - kPagePx.height()) <= 2,
                     qPrintable(QStringLiteral("sheet %1 is %2 x %3 px, not A4").arg(sheet).arg(paper.width()).arg(paper.height())));

            // Everything on the sheet together: nothing missing, doubled or shifted.
            const QRectF all = CCupsPdfQueue::DarkBoundsMm(paper, kDpi);
            const QRectF allWanted = CCupsPdfQueue::DarkBoundsMm(reference, kDpi);
            QVERIFY2(Near(all, allWanted), qPrintable(QStringLiteral("sheet %1: ink %2, computed %3 mm")
                                                           .arg(sheet).arg(Mm(all), Mm(allWanted))));

            const QPointF cornerMm = offsetMm + QPointF(corner) / 10.0;
            const QRectF cornerWanted(cornerMm - QPointF(kHalfPenMm, kHalfPenMm), QSizeF(2.0 + kHalfPenMm, 2.0 + kHalfPenMm));
            const QRectF strokeWanted(cornerMm + QPointF(-kHalfPenMm, 193.0), QSizeF(2 * kHalfPenMm, 4.0));
            const QMarginsF around(3, 3, 3, 3);
            if (corner.x() >= 0) {
                const QRectF c = CCupsPdfQueue::DarkBoundsMm(paper, kDpi, cornerWanted + around);
                qInfo("sheet %d corner %s, wanted %s mm", sheet, qPrintable(Mm(c)), qPrintable(Mm(cornerWanted)));
                QVERIFY2(Near(c, cornerWanted), qPrintable(QStringLiteral("corner %1, wanted %2 mm").arg(Mm(c), Mm(cornerWanted))));
                const QRectF st = CCupsPdfQueue::DarkBoundsMm(paper, kDpi, strokeWanted + around);
                QVERIFY2(Near(st, strokeWanted), qPrintable(QStringLiteral("stroke %1, wanted %2 mm").arg(Mm(st), Mm(strokeWanted))));
            } else {
                // Where page 1 has its mark, at this sheet's origin, is blank.
                const QPointF origin = offsetMm + QPointF(CFormPrinter::OriginFor(f.profile, page).x() + 115, 0) / 10.0;
                QVERIFY(CCupsPdfQueue::DarkBoundsMm(paper, kDpi, QRectF(origin + QPointF(-3, 180), QSizeF(6, 30))).isNull());
            }

            for (const SField& t : blank) {
                const QRectF search = f.TextRectMm(t, page, offsetMm) + kSearch;
                QVERIFY2(CCupsPdfQueue::DarkBoundsMm(paper, kDpi, search).isNull(),
                         qPrintable(QStringLiteral("field %1 of page %2 printed on sheet %3").arg(t.index).arg(t.page).arg(sheet)));
            }
            for (const SField& t : texts) {
                const QRectF rect = f.TextRectMm(t, page, offsetMm);
                const QRectF search = rect + kSearch;
                // A neighbour's text in the area would spoil the measurement.
                for (const SField& other : texts)
                    QVERIFY((other.index == t.index && other.kind == t.kind) ||
                            !search.intersects(f.TextRectMm(other, page, offsetMm) + kSearch));
                const QRectF got = CCupsPdfQueue::DarkBoundsMm(paper, kDpi, search);
                const QRectF computed = CCupsPdfQueue::DarkBoundsMm(reference, kDpi, search);
                const QString what = QStringLiteral("sheet %1, field %2 of page %3: ink %4, computed %5, rectangle %6 mm")
                                         .arg(sheet).arg(t.index).arg(t.page).arg(Mm(got), Mm(computed), Mm(rect));
                qInfo("%s", qPrintable(what));
                QVERIFY2(!computed.isNull(), qPrintable(what));
                QVERIFY2(Near(got, computed), qPrintable(what));
                // Absolutely: a left-aligned text starts 1 mm inside its
                // rectangle, plus the letter's side bearing; the capitals'
                // tops lie a little below the rectangle's top (the font's
                // leading), and the text ends inside it.
                const double start = got.left() - (rect.left() + 1.0);
                QVERIFY2(start >= -kToleranceMm && start <= 0.5, qPrintable(what));
                const double below = got.top() - rect.top();
                QVERIFY2(below >= 0.2 && below <= 1.1, qPrintable(what));
                QVERIFY2(got.bottom() <= rect.bottom() + kToleranceMm, qPrintable(what));
            }

            if (sheet == 1)
                first = paper;
            else
                QVERIFY2(paper == first, qPrintable(QStringLiteral("sheet %1 differs from sheet 1").arg(sheet)));
        }
        // The spool directory is shared; a failed run leaves its file to look at.
        QFile::remove(pdf);
    }
};

QTEST_MAIN(TstPrintCups)
#include "tst_printcups.moc"
