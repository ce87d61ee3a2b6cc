// Where the print-out puts texts and marks on the sheet, and the print job.

#include "TestSupport.h"

#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"
#include "print/CalibrationSheet.h"
#include "print/FormPrinter.h"
#include "print/PrintJob.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

Q_DECLARE_METATYPE(SLogRect)

namespace {

const QString D = SettingsSection::kDefaults;

// 254 dpi: one pixel per 0.1 mm, so pixel positions are form units.
constexpr int kDpi = 254;

// An A4 sheet at kDpi; fonts are sized for the device's own resolution.
QImage BlankSheet()
{
    QImage image(2100, 2970, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(kDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

struct SPrintFixture
{
    SPrintFixture()
        : printer(doc.Engine(), definitions, profile, 0, 0)
    {
        doc.OnNewDocument();
        doc.InitialUpdate();
        definitions.Reset();
    }
    // The sheet of one page as the printer gets it, on A4 at 254 dpi.
    QImage Sheet(int page)
    {
        QImage image = BlankSheet();
        QPainter painter(&image);
        CLometricPainter dc(painter, kDpi);
        printer.OnPrint(dc, page);
        return image;
    }

    CEinheitspapierDoc doc;
    CSettingsStore profile = CSettingsStore::Profile();
    CFieldDefinitions definitions;
    CFormPrinter printer;
};

bool IsInk(QRgb c)
{
    return qGray(c) < 128;
}

// Bounding box of the dark pixels inside an area; empty when there are none.
QRect InkBox(const QImage& image, const QRect& area)
{
    QRect box;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = a.left(); x <= a.right(); ++x) {
            if (IsInk(line[x]))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

CFormPrinter::SPrintItem FindItem(const QList<CFormPrinter::SPrintItem>& items, int index, int page)
{
    for (const auto& item : items) {
        if (item.index == index && item.page == page)
            return item;
    }
    return {-1, -1, {}};
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;

private Q_SLOTS:
    void init() { m_settings = std::make_unique<CIsolatedSettings>(); }
    void cleanup() { m_settings.reset(); }

    // --- where each text goes

    void fieldRectangles_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<SLogRect>("expected");
        // Print rectangle 680, 104, 1100, 154 at origin (30, 10), plus 2.
        QTest::newRow("page 1, defaults") << QString() << 0 << 1 << 9 << SLogRect{712, -94, 1132, -144};
        QTest::newRow("top margin 1.5 mm down") << QStringLiteral("Top_Margin_EH") << 15 << 1 << 9
                                                << SLogRect{712, -109, 1132, -159};
        QTest::newRow("left margin 2 mm right") << QStringLiteral("Left_Margin_EH") << 20 << 1 << 9
                                                << SLogRect{732, -94, 1152, -144};
        QTest::newRow("continuation margins leave page 1") << QStringLiteral("Left_Margin2_EH") << -10 << 1 << 9
                                                           << SLogRect{712, -94, 1132, -144};
        const SFieldTableRect c = CFieldTable::PrintRect(8, kContSheet);
        QTest::newRow("continuation, defaults") << QString() << 0 << 2 << 8
                                                << SLogRect{c.left + 42, 10 - c.top, c.right + 42, 10 - c.bottom};
        QTest::newRow("continuation 1 mm left") << QStringLiteral("Left_Margin2_EH") << -10 << 2 << 8
                                                << SLogRect{c.left + 32, 10 - c.top, c.right + 32, 10 - c.bottom};
        QTest::newRow("page-1 margins leave continuation") << QStringLiteral("Top_Margin_EH") << 50 << 2 << 8
                                                           << SLogRect{c.left + 42, 10 - c.top, c.right + 42, 10 - c.bottom};
    }

    void fieldRectangles()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(SLogRect, expected);
        SPrintFixture f;
        if (!key.isEmpty())
            f.profile.WriteInt(D, key, value);
        const auto item = FindItem(f.printer.PrintItems(page), field, page);
        QCOMPARE(item.index, field);
        QCOMPARE(item.rect, expected);
    }

    void whichFieldsArePrinted()
    {
        SPrintFixture f;
        // Page 1: every field whose flags allow it, once, in index order;
        // box 1's third part is not printed there.
        const auto main = f.printer.PrintItems(1);
        QList<int> expected;
        for (int i = 0; i < kMainFieldCount; ++i) {
            if (f.definitions.IsPrinted(i, kMainSheet, 0))
                expected << i;
        }
        QList<int> printed;
        for (const auto& item : main) {
            QCOMPARE(item.page, 1);
            printed << item.index;
        }
        QCOMPARE(printed, expected);
        QVERIFY(!printed.contains(2));

        // A field marked not printed drops out.
        f.definitions.SetFlags(9, kMainSheet, 0, f.definitions.Flags(9, kMainSheet, 0) | CFieldDefinitions::kNotPrinted);
        QCOMPARE(FindItem(f.printer.PrintItems(1), 9, 1).index, -1);

        // A continuation sheet starts with page 1's box 1, all three parts,
        // at page 1's print rectangles from the continuation origin.
        f.definitions.SetFlags(0, kContSheet, 0, CFieldDefinitions::kNotPrinted);
        const auto cont = f.printer.PrintItems(2);
        QVERIFY(cont.size() >= 3);
        for (int i = 0; i < 3; ++i) {
            const SFieldTableRect p = CFieldTable::PrintRect(i, kMainSheet);
            QCOMPARE(cont.at(i), (CFormPrinter::SPrintItem{i, 1, SLogRect{p.left + 42, 10 - p.top, p.right + 42, 10 - p.bottom}}));
        }
        // Its own fields follow at their own places, without the one marked not printed.
        QCOMPARE(FindItem(cont.mid(3), 0, 2).index, -1);
        const SFieldTableRect own = CFieldTable::PrintRect(1, kContSheet);
        QCOMPARE(FindItem(cont.mid(3), 1, 2).rect, (SLogRect{own.left + 42, 10 - own.top, own.right + 42, 10 - own.bottom}));
    }

    // --- what lands on the sheet

    void positioningMark_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("factorH");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("defaults") << 0 << 0 << 1000 << QPoint(145, 70);
        QTest::newRow("margins move it") << 20 << 15 << 1000 << QPoint(165, 85);
        QTest::newRow("the correction does not") << 0 << 0 << 970 << QPoint(145, 70);
    }

    void positioningMark()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, factorH);
        QFETCH(QPoint, corner);
        SPrintFixture f;
        f.profile.WriteInt(D, QStringLiteral("Left_Margin_EH"), left);
        f.profile.WriteInt(D, QStringLiteral("Top_Margin_EH"), top);
        f.profile.WriteInt(SettingsSection::kSettings, QStringLiteral("PrnFactorH"), factorH);
        const QImage sheet = f.Sheet(1);
        // The corner: 2 mm up from (x, y + 20) and 2 mm to the right.
        const QRect mark = InkBox(sheet, QRect(corner - QPoint(30, 30), QSize(80, 80)));
        QVERIFY2(qAbs(mark.left() - corner.x()) <= 1 && qAbs(mark.top() - corner.y()) <= 1,
                 qPrintable(QStringLiteral("mark at %1,%2").arg(mark.left()).arg(mark.top())));
        QVERIFY(qAbs(mark.right() - (corner.x() + 20)) <= 1);
        QVERIFY(qAbs(mark.bottom() - (corner.y() + 20)) <= 1);
        // The stroke near the bottom, 4 mm long.
        const QRect stroke = InkBox(sheet, QRect(corner.x() - 10, corner.y() + 1900, 20, 200));
        QVERIFY(qAbs(stroke.left() - corner.x()) <= 1);
        QVERIFY(qAbs(stroke.top() - (corner.y() + 1930)) <= 1);
        QVERIFY(qAbs(stroke.height() - 40) <= 2);
        // Nothing of it on a continuation sheet.
        QVERIFY(InkBox(f.Sheet(2), QRect(0, 0, 400, 150)).isEmpty());
    }

    void textsFollowMarginsAndCorrection_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("top margin 15") << D << QStringLiteral("Top_Margin_EH") << 15 << 0 << 15;
        QTest::newRow("left margin -10") << D << QStringLiteral("Left_Margin_EH") << -10 << -10 << 0;
        // 712 * 99 % = 704.
        QTest::newRow("horizontal 99 %") << SettingsSection::kSettings << QStringLiteral("PrnFactorH") << 990 << -8 << 0;
        QTest::newRow("vertical 102 %") << SettingsSection::kSettings << QStringLiteral("PrnFactorV") << 1020 << 0 << 1;
    }

    // The text of field 9 moves as the margins and factors say, on the
    // rendered sheet, not only in the arithmetic.
    void textsFollowMarginsAndCorrection()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, dx);
        QFETCH(int, dy);
        SPrintFixture f;
        f.doc.Engine().SetFieldText(9, QStringLiteral("HHH"), 1);
        const QRect area(690, 80, 500, 120);
        const QRect before = InkBox(f.Sheet(1), area);
        QVERIFY(!before.isEmpty());
        f.profile.WriteInt(section, key, value);
        const QRect after = InkBox(f.Sheet(1), area);
        QVERIFY2(qAbs(after.left() - before.left() - dx) <= 1 && qAbs(after.top() - before.top() - dy) <= 1,
                 qPrintable(QStringLiteral("moved by %1,%2").arg(after.left() - before.left()).arg(after.top() - before.top())));
    }

    void textIsBlackAndSizedByTheFontFactor()
    {
        SPrintFixture f;
        f.doc.Engine().SetFieldText(9, QStringLiteral("H"), 1);
        const QRect area(690, 80, 500, 120);
        const QImage sheet = f.Sheet(1);
        const QRect normal = InkBox(sheet, area);
        QVERIFY(!normal.isEmpty());
        const QRgb centre = sheet.pixel(normal.left() + 1, normal.center().y());
        QCOMPARE(qRed(centre), qGreen(centre));
        QVERIFY(qGray(centre) < 60);
        f.profile.WriteInt(D, QStringLiteral("PrinterFontFactor"), 120);
        const QRect larger = InkBox(f.Sheet(1), area);
        const double ratio = double(larger.height()) / normal.height();
        QVERIFY2(qAbs(ratio - 120.0 / 95.0) < 0.08, qPrintable(QString::number(ratio)));
    }

    void crossMark_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("flag 0") << 0 << false;
        QTest::newRow("flag 1") << 1 << true;
        QTest::newRow("flag 2") << 2 << false;
    }

    void crossMark()
    {
        QFETCH(int, flag);
        QFETCH(bool, drawn);
        SPrintFixture f;
        f.profile.WriteInt(D, QStringLiteral("HorPosX2_EH"), 10);
        CFormPrinter printer(f.doc.Engine(), f.definitions, f.profile, 0, quint8(flag));
        QImage image = BlankSheet();
        {
            QPainter painter(&image);
            CLometricPainter dc(painter, kDpi);
            printer.OnPrint(dc, 1);
        }
        // An X of 3 mm from (x0 + 10 + 215, y0 + 1495) down.
        const QRect x = InkBox(image, QRect(230, 1480, 60, 60));
        QCOMPARE(!x.isEmpty(), drawn);
        if (drawn) {
            QVERIFY(qAbs(x.left() - 255) <= 3 && qAbs(x.right() - 285) <= 3);
            QVERIFY(qAbs(x.top() - 1485) <= 3 && qAbs(x.bottom() - 1515) <= 3);
        }
    }

    // --- the calibration sheet

    void calibrationSheet_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("formShift");
        QTest::newRow("left margin 2 mm") << D << QStringLiteral("Left_Margin_EH") << 20 << 20;
        QTest::newRow("continuation margin ignored") << D << QStringLiteral("Left_Margin2_EH") << 20 << 0;
        // The rule at x 1100 on the sheet moves to 1122 with a 2 % stretch.
        QTest::newRow("horizontal 102 %") << SettingsSection::kSettings << QStringLiteral("PrnFactorH") << 1020 << 22;
    }

    // The form lines sit where the texts go: moved by the page-1 margins and
    // stretched by the correction; the rulers stay at the printable corner.
    void calibrationSheet()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, formShift);
        SPrintFixture f;
        auto sheet = [&] {
            QImage image = BlankSheet();
            QPainter painter(&image);
            CLometricPainter dc(painter, kDpi);
            CalibrationSheet::Print(dc, f.profile, &f.definitions);
            return image;
        };
        // Dark-ish pixels: the form is drawn in its own green.
        auto firstDarkColumn = [](const QImage& image, int y, int fromX) {
            for (int x = fromX; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 200)
                    return x;
            }
            return -1;
        };
        const QImage before = sheet();
        // The 1 cm tick of the top ruler.
        QVERIFY(!InkBox(before, QRect(95, 0, 10, 45)).isEmpty());
        // The first rule right of x 300 in the height of box 8 (the one between boxes 8 and 15).
        const int row = 430;
        const int ruleBefore = firstDarkColumn(before, row, 300);
        QVERIFY(ruleBefore > 300);
        f.profile.WriteInt(section, key, value);
        const QImage after = sheet();
        QVERIFY2(qAbs(firstDarkColumn(after, row, 300) - ruleBefore - formShift) <= 1,
                 qPrintable(QStringLiteral("rule from %1 to %2").arg(ruleBefore).arg(firstDarkColumn(after, row, 300))));
        QVERIFY(!InkBox(after, QRect(95, 0, 10, 45)).isEmpty());
    }

    // --- the job

    void copiesAreSheetsOfOneJob_data()
    {
        QTest::addColumn<int>("copies");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("nine") << 9;
    }

    void copiesAreSheetsOfOneJob()
    {
        QFETCH(int, copies);
        SPrintFixture f;
        QCOMPARE(PrintJob::Copies(2, copies), QList<int>(copies, 2));
        const QString path = m_settings->Path() + QStringLiteral("/out.pdf");
        QString error;
        QVERIFY(PrintJob::WritePdf(path, f.printer, PrintJob::Copies(1, copies), &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QCOMPARE(pdf.count(QByteArrayLiteral("/Type /Page\n")) + pdf.count(QByteArrayLiteral("/Type /Page ")), qsizetype(copies));
        // A4, the whole sheet.
        QVERIFY(pdf.contains("/MediaBox [0 0 595"));
    }

    void failedPdfIsReported()
    {
        SPrintFixture f;
        QString error;
        QVERIFY(!PrintJob::WritePdf(m_settings->Path() + QStringLiteral("/missing/out.pdf"), f.printer, {1}, &error));
        QVERIFY(!error.isEmpty());
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestPrinting t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_printing.moc"
