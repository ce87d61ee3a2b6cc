#include "TestSupport.h"

#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "fields/FieldFonts.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"
#include "view/FormLayout.h"
#include "view/FormPainter.h"
#include "view/Zoom.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

constexpr int kDpi = 254; // one pixel per 0.1 mm at zoom 10

// Renders a page the way the view paints it; one pixel is 0.1 mm at zoom 10.
QImage Render(CEinheitspapierDoc& doc, const CFormPainter::SOptions& options, int zoom = 10)
{
    QImage image(2100 * zoom / 10, 3000 * zoom / 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    doc.Engine().CreateFontsForDrawing(zoom, kDpi);
    QPainter painter(&image);
    CLometricPainter dc(painter, kDpi);
    CFormPainter::PaintPage(dc, CFormLayout(zoom), doc.Engine(), options);
    return image;
}

// Pixels in a rectangle of the sheet (0.1 mm, y downwards) that match a test.
template <typename Test>
int CountPixels(const QImage& image, const SFieldTableRect& r, Test test)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool IsBlack(const QColor& c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; }
bool IsBlueText(const QColor& c) { return c.blue() > 150 && c.red() < 120 && c.green() < 120; }

} // namespace

class TestFormDrawing : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    const QString D = SettingsSection::kDefaults;

private Q_SLOTS:
    void init() { m_settings = std::make_unique<CIsolatedSettings>(); }
    void cleanup() { m_settings.reset(); }

    void captionsScaleWithTheZoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("height");
        QTest::newRow("zoom 10") << 10 << 80 << -90 << 40;
        QTest::newRow("zoom 15") << 15 << 120 << -135 << 60;
    }

    void captionsScaleWithTheZoom()
    {
        QFETCH(int, zoom);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, height);
        const CFormLayout layout(zoom);
        const CFormLayout::SCaption& c = layout.Sheet(1).captions.at(0);
        QCOMPARE(c.text, QStringLiteral("EUROPÄISCHE UNION"));
        QCOMPARE(c.x, x);
        QCOMPARE(c.y, y);
        QCOMPARE(c.font, CFormLayout::kFontA);
        QCOMPARE(layout.Font(CFormLayout::kFontA), (SLogFont{height, 800, 0}));
        QCOMPARE(layout.Font(CFormLayout::kFontC).height, 32 * zoom / 12);
        QCOMPARE(layout.Sheet(1).captions.size(), 114);
        QCOMPARE(layout.Sheet(2).captions.size(), 88);
        QVERIFY(layout.Sheet(2).captions.at(3).text.isEmpty());
    }

    // The stored tables keep their seven groups at every zoom, tiny ones included.
    void groupsSurviveEveryZoom()
    {
        int size = 0;
        const int* raw = CFormLayout::RawLineTable(1, &size);
        QCOMPARE(size, 461);
        QCOMPARE(CFormLayout::Scale(-2500, 10), -2500);
        QCOMPARE(raw[size - 1], -6000);
        CFormLayout::RawLineTable(2, &size);
        QCOMPARE(size, 559);
        const QList<int> first = {53, 35, 6, 5, 4, 5, 4};
        const QList<int> cont = {39, 27, 8, 5, 4, 5, 4};
        for (int zoom : {1, 3, 4, 10, 25}) {
            const CFormLayout layout(zoom);
            for (int kind : {1, 2}) {
                const auto& groups = layout.Sheet(kind).groups;
                QCOMPARE(groups.size(), 7);
                for (int g = 0; g < 7; ++g)
                    QCOMPARE(groups.at(g).segments.size(), (kind == 1 ? first : cont).at(g));
            }
        }
        const CFormLayout z15(15);
        QCOMPARE(z15.Sheet(1).groups.at(0).segments.at(0).x2, 1605); // 1070 * 15 / 10
    }

    void textRectangles()
    {
        CEinheitspapierDoc doc;
        doc.Engine().CreateFontsForDrawing(10, kDpi);
        QImage image(100, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        CLometricPainter dc(painter, kDpi);

        // Box 31 starts at x 160: the text starts at 160 + 2 + 10.
        SLogRect left = CFormPainter::FieldDrawRect(29, kMainSheet, 10);
        doc.Engine().SetFieldText(29, QStringLiteral("Kisten"), 1);
        QVERIFY(doc.Engine().DrawField(dc, left, 29, 1, false));
        QCOMPARE(left.left, 172);
        QCOMPARE(left.top, -1155);

        // Box 40 ends at x 1982: right-aligned text ends at 1982 + 2 - 12.
        SLogRect right = CFormPainter::FieldDrawRect(34, kMainSheet, 10);
        doc.Engine().AlignRight(34, 1);
        QVERIFY(doc.Engine().DrawField(dc, right, 34, 1, false));
        QCOMPARE(right.right, 1972);

        SLogRect centred = CFormPainter::FieldDrawRect(9, kMainSheet, 10);
        doc.Engine().AlignCentre(9, 1);
        QVERIFY(doc.Engine().DrawField(dc, centred, 9, 1, false));
        QCOMPARE(centred, (SLogRect{632, -104, 1052, -154}));

        // Nothing is drawn before the fonts exist.
        CEinheitspapierDoc fresh;
        SLogRect r = CFormPainter::FieldDrawRect(29, kMainSheet, 10);
        QVERIFY(!fresh.Engine().DrawField(dc, r, 29, 1, false));
        QCOMPARE(fresh.Engine().PrintField(dc, r, 29, 1, false), 0);
    }

    void printCorrection_data()
    {
        QTest::addColumn<int>("factorV");
        QTest::addColumn<int>("factorH");
        QTest::addColumn<SLogRect>("expected");
        const SLogRect field{160, -1155, 1050, -1500};
        QTest::newRow("none") << 1000 << 1000 << field;
        QTest::newRow("horizontal 99 %") << 1000 << 990 << SLogRect{158, -1155, 1039, -1500};
        QTest::newRow("vertical 101 %") << 1010 << 1000 << SLogRect{160, -1166, 1050, -1515};
        QTest::newRow("factor 0 collapses") << 0 << 1000 << SLogRect{160, 0, 1050, 0};
    }

    void printCorrection()
    {
        QFETCH(int, factorV);
        QFETCH(int, factorH);
        QFETCH(SLogRect, expected);
        QCOMPARE(CKivEditWindow::ScaleForPrint(SLogRect{160, -1155, 1050, -1500}, factorV, factorH), expected);
    }

    void fontFormulas()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        p.WriteInt(QStringLiteral("Font"), QStringLiteral("DFont1"), 38);
        CFieldFonts fonts;
        fonts.CreateScreenFonts(p, 15, 96);
        QCOMPARE(fonts.Font(CFieldFonts::kDisplay, 1, false)->height, 47);
        QCOMPARE(fonts.Font(CFieldFonts::kDisplay, 0, true)->weight, 700);
        // Editor: (30 * 15 / 12 = 37) 0.1 mm at 96 dpi is 14 pixels.
        QCOMPARE(fonts.Font(CFieldFonts::kEditor, 0, false)->height, 14);

        fonts.CreatePrintFonts(p, 100);
        const QList<int> regular = {22, 32, 36, 42, 46};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(fonts.Font(CFieldFonts::kPrint, k, false)->height, regular.at(k));
        QCOMPARE(fonts.Font(CFieldFonts::kPrint, 65, false)->height, 24);
        QCOMPARE(fonts.Font(CFieldFonts::kPrint, 66, true)->height, 19); // bold does not touch the small fonts
        QCOMPARE(fonts.Font(CFieldFonts::kPrint, 2, true)->height, 38);
        fonts.CreatePrintFonts(p, 95);
        QCOMPARE(fonts.Font(CFieldFonts::kPrint, 1, false)->height, 30);
        QCOMPARE(fonts.Font(CFieldFonts::kPrint, 64, false)->escapement, -150);
        QVERIFY(!fonts.Font(CFieldFonts::kDisplay, 64, false));
        QVERIFY(!fonts.Font(CFieldFonts::kDisplay, 7, false));
    }

    void damagedFontSettingsFallBack_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-40";
        QTest::newRow("huge") << "4000000";
        QTest::newRow("text") << "gross";
    }

    void damagedFontSettingsFallBack()
    {
        QFETCH(QString, stored);
        const CSettingsStore p = CSettingsStore::Profile();
        p.WriteString(QStringLiteral("Font"), QStringLiteral("DFont3"), stored);
        QCOMPARE(CFieldFonts::BaseHeight(p, CFieldFonts::kDisplay, 3, false), 46);
    }

    void definedFontsKeepTheirWeight()
    {
        CFieldFonts fonts;
        QVERIFY(!fonts.Font(CFieldFonts::kEditor, 65, false)); // small fonts exist only once defined
        fonts.DefineFont(65, SLogFont{20, 900, 0});
        fonts.DefineFont(17, SLogFont{33, 100, 0});
        fonts.DefineFont(99, SLogFont{50, 400, 0});
        QCOMPARE(*fonts.Font(CFieldFonts::kEditor, 65, false), (SLogFont{20, 400, 0}));
        QCOMPARE(*fonts.Font(CFieldFonts::kEditor, 1, true), (SLogFont{33, 700, 0}));
    }

    void initialZoom_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("storedZoom");   // 0: none stored
        QTest::addColumn<int>("storedScale");  // 0: none stored
        QTest::addColumn<int>("zoom");
        QTest::newRow("480") << 480 << 96 << 0 << 0 << 19;
        QTest::newRow("600") << 600 << 96 << 0 << 0 << 15;
        QTest::newRow("768 at 96 dpi") << 768 << 96 << 0 << 0 << 13;
        QTest::newRow("1080 at 96 dpi") << 1080 << 96 << 0 << 0 << 11;
        QTest::newRow("1080 at 144 dpi") << 1080 << 144 << 0 << 0 << 16;
        QTest::newRow("stored zoom at 150 %") << 1080 << 96 << 12 << 150 << 18;
        QTest::newRow("stored 7 at 100 %") << 1080 << 96 << 7 << 0 << 7;
        QTest::newRow("damaged zoom 0") << 1080 << 96 << -5 << 0 << Zoom::kUsableMin;
    }

    void initialZoom()
    {
        QFETCH(int, screenHeight);
        QFETCH(int, dpi);
        QFETCH(int, storedZoom);
        QFETCH(int, storedScale);
        QFETCH(int, zoom);
        const CSettingsStore p = CSettingsStore::Profile();
        if (storedZoom)
            p.WriteInt(D, QStringLiteral("ZoomFactor"), storedZoom);
        if (storedScale)
            p.WriteInt(SettingsSection::kSettings, QStringLiteral("WinFormScaledFactorOv"), storedScale);
        QCOMPARE(Zoom::InitZoom(p, D, screenHeight, dpi), zoom);
        QCOMPARE(p.ReadInt(D, QStringLiteral("WinFormScaledFactor"), 0), qRound(100.0 * dpi / 96));
        QVERIFY(p.Contains(D, QStringLiteral("ZoomFactorLU")));
    }

    // Black stamp frames appear only where the stamp settings switch them on.
    void stampFrames_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("stampA");
        QTest::addColumn<bool>("stampC");
        QTest::addColumn<bool>("stampC2");
        QTest::addColumn<bool>("frameA");
        QTest::addColumn<bool>("frameC");
        QTest::newRow("page 1, none") << 1 << false << false << false << false << false;
        QTest::newRow("page 1, A") << 1 << true << false << false << true << false;
        QTest::newRow("page 1, C") << 1 << false << true << true << false << true;
        QTest::newRow("sheet, A") << 2 << true << true << false << true << false;
        QTest::newRow("sheet, C2") << 2 << false << true << true << false << true;
    }

    void stampFrames()
    {
        QFETCH(int, page);
        QFETCH(bool, stampA);
        QFETCH(bool, stampC);
        QFETCH(bool, stampC2);
        QFETCH(bool, frameA);
        QFETCH(bool, frameC);
        CEinheitspapierDoc doc;
        CFormPainter::SOptions o;
        o.page = page;
        o.stampA = stampA;
        o.stampC = stampC;
        o.stampC2 = stampC2;
        const QImage image = Render(doc, o);
        const int blackInA = CountPixels(image, {1410, 10, 1980, 270}, IsBlack);
        const SFieldTableRect boxC = page == 1 ? SFieldTableRect{1410, 2130, 1980, 2390} : SFieldTableRect{1445, 2640, 2015, 2890};
        const int blackInC = CountPixels(image, boxC, IsBlack);
        QCOMPARE(blackInA > 0, frameA);
        QCOMPARE(blackInC > 0, frameC);
    }

    void fieldTexts()
    {
        CEinheitspapierDoc doc;
        doc.Engine().SetFieldText(3, QStringLiteral("WWWW"), 1);   // stamp line, hidden by default
        doc.Engine().SetFieldText(9, QStringLiteral("WWWW"), 1);   // box 2 number
        doc.Engine().SetFieldText(0, QStringLiteral("WWW"), 1);    // box 1
        doc.Engine().SetFieldText(12, QStringLiteral("WWWW"), 2);  // continuation box 32
        CFieldDefinitions defs;
        defs.Reset();
        CFormPainter::SOptions o;
        o.definitions = &defs;
        const QImage first = Render(doc, o);
        QCOMPARE(CountPixels(first, CFieldTable::ScreenRect(3, kMainSheet), IsBlueText), 0);
        QVERIFY(CountPixels(first, CFieldTable::ScreenRect(9, kMainSheet), IsBlueText) > 50);
        QVERIFY(CountPixels(first, CFieldTable::ScreenRect(0, kMainSheet), IsBlueText) > 50);

        // A continuation sheet shows page 1's box 1, in black.
        o.page = 2;
        const QImage sheet = Render(doc, o);
        QVERIFY(CountPixels(sheet, CFieldTable::ScreenRect(0, kMainSheet), IsBlack) > 50);
        QVERIFY(CountPixels(sheet, CFieldTable::ScreenRect(12, kContSheet), IsBlack) > 50);
    }

    // A text far longer than its field goes on below it.
    void longTextContinuesBelowTheField()
    {
        CEinheitspapierDoc doc;
        doc.Engine().SetFieldText(9, QStringList(40, QStringLiteral("Zeile")).join(QStringLiteral("\r\n")), 1);
        CFormPainter::SOptions o;
        const QImage image = Render(doc, o);
        const SFieldTableRect field = CFieldTable::ScreenRect(9, kMainSheet);
        QVERIFY(CountPixels(image, {field.left, field.bottom + 100, field.right, field.bottom + 400}, IsBlueText) > 100);
    }
};

QTEST_MAIN(TestFormDrawing)
#include "tst_formdrawing.moc"
