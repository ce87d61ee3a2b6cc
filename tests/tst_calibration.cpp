#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/ChildFrame.h"
#include "app/FrameCommands.h"
#include "app/MainFrame.h"
#include "app/SettingsStore.h"
#include "app/VelmoraImportApp.h"
#include "fields/FieldFonts.h"
#include "platform/Help.h"
#include "platform/Prompts.h"
#include "print/Common_CDlgPrintSizeCorr.h"
#include "print/Common_DlgMargin02.h"
#include "print/Common_DlgMargin02_Page.h"
#include "print/DlgPrinterFontSize.h"
#include "print/PrintCalibration.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <functional>

using namespace PrintCalibration;

namespace {

// Answers a dialog's modal run with a script: the dialog is shown, the script
// plays the user, and the run ends with what the dialog ended with.
template <typename TDialog>
struct SScript
{
    explicit SScript(std::function<void(TDialog&)> act)
        : act(std::move(act))
    {
        TDialog::SetRunFunction([this](QDialog& d) {
            ++runs;
            d.show();
            this->act(static_cast<TDialog&>(d));
            return d.result();
        });
    }
    ~SScript() { TDialog::SetRunFunction(nullptr); }
    std::function<void(TDialog&)> act;
    int runs = 0;
};

// An arrow button of a page, found by its letter as a user's screen reader would.
QAbstractButton* Arrow(Common_DlgMargin02_Page* page, QChar letter)
{
    for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
        if (b->accessibleName() == QString(letter) && b->text() == QString(letter))
            return b;
    return nullptr;
}

void Click(QAbstractButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void Retype(QWidget* edit, const QString& text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

const QString D = SettingsSection::kDefaults;
const QString S = SettingsSection::kSettings;

} // namespace

class TestCalibration : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    std::unique_ptr<SMessages> m_messages;

    static CSettingsStore Profile() { return CSettingsStore::Profile(); }
    static int Stored(const QString& section, const QString& value) { return Profile().ReadInt(section, value, -9999); }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_messages = std::make_unique<SMessages>();
    }
    void cleanup()
    {
        Help::SetOpenFunction(nullptr);
        m_messages.reset();
        m_settings.reset();
    }

    // ------------------------------------------------------------ conversions

    void tenthsSurviveTheFloat()
    {
        // Every value the dialogs can show must be stored back as it came,
        // although a float of one tenth times ten is rarely a whole number.
        for (int t = -3000; t <= 3000; ++t)
            QCOMPARE(ToTenths(FromTenths(t)), t);
        // Half steps on top of stored tenths, as the arrow buttons make them.
        for (int t = -200; t <= 200; ++t) {
            QCOMPARE(ToTenths(FromTenths(t) + kMarginStep), t + 5);
            QCOMPARE(ToTenths(FromTenths(t) - kMarginStep), t - 5);
        }
        QCOMPARE(ToTenths(99.5f), 995);
        QCOMPARE(ToTenths(-19.7f), -197);
        QCOMPARE(ToTenths(99.56f), 995); // cut off, not rounded
        QCOMPARE(ToTenths(-0.56f), -5);
    }

    void descriptionsKeepThePointUnderAGermanLocale()
    {
        const QLocale old;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString h = HorizontalText(1.5f);
        const QString v = VerticalText(-12.0f);
        QLocale::setDefault(old);
        QCOMPARE(h, QStringLiteral("1.5 mm nach rechts"));
        QCOMPARE(v, QStringLiteral("12.0 mm nach oben"));
    }

    void numbersAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<double>("decimalValue");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<int>("integerValue");
        QTest::newRow("whole") << "100" << true << 100.0 << true << 100;
        QTest::newRow("point") << "99.5" << true << 99.5 << false << 0;
        QTest::newRow("comma") << "99,5" << false << 0.0 << false << 0;
        QTest::newRow("blanks around") << " 120 " << true << 120.0 << true << 120;
        QTest::newRow("sign") << "-3" << true << -3.0 << true << -3;
        QTest::newRow("empty") << "" << false << 0.0 << false << 0;
        QTest::newRow("letters") << "1e2" << false << 0.0 << false << 0;
        QTest::newRow("trailing text") << "100 %" << false << 0.0 << false << 0;
        QTest::newRow("two points") << "99.5.1" << false << 0.0 << false << 0;
        QTest::newRow("too long for int") << "99999999999999999999" << true << 1e20 << true << 2147483647;
    }
    void numbersAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(bool, decimal);
        QFETCH(double, decimalValue);
        QFETCH(bool, integer);
        QFETCH(int, integerValue);
        const std::optional<float> d = ParseDecimal(text);
        QCOMPARE(d.has_value(), decimal);
        if (d)
            QCOMPARE(*d, float(decimalValue));
        const std::optional<int> i = ParseInteger(text);
        QCOMPARE(i.has_value(), integer);
        if (i)
            QCOMPARE(*i, integerValue);
    }

    // ------------------------------------------------------------ margins

    void marginButtons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("expected");
        QTest::newRow("R three times") << 0 << false << 0 << "RRR" << "1.5 mm nach rechts" << 15;
        QTest::newRow("L once") << 0 << false << 0 << "L" << "0.5 mm nach links" << -5;
        QTest::newRow("U twice") << 0 << true << 0 << "UU" << "1.0 mm nach unten" << 10;
        QTest::newRow("O at -20 stays") << 0 << true << -200 << "O" << "20.0 mm nach oben" << -200;
        QTest::newRow("stored -19.7, O") << 1 << true << -197 << "O" << "20.2 mm nach oben" << -202;
        QTest::newRow("stored -19.7, O, O") << 1 << true << -197 << "OO" << "20.0 mm nach oben" << -200;
        QTest::newRow("R at 20 stays") << 1 << false << 200 << "R" << "20.0 mm nach rechts" << 200;
        QTest::newRow("stored far out, U") << 1 << true << 900 << "U" << "20.0 mm nach unten" << 200;
        QTest::newRow("back to zero") << 1 << false << 5 << "L" << "unverändert" << 0;
        QTest::newRow("odd tenths") << 1 << false << -3 << "R" << "0.2 mm nach rechts" << 2;
        QTest::newRow("no click") << 0 << true << 15 << "" << "1.5 mm nach unten" << 15;
    }
    void marginButtons()
    {
        QFETCH(int, page);
        QFETCH(bool, vertical);
        QFETCH(int, stored);
        QFETCH(QString, clicks);
        QFETCH(QString, description);
        QFETCH(int, expected);
        const QString names[2][2] = {{kLeftMargin, kTopMargin}, {kLeftMargin2, kTopMargin2}};
        const QString& name = names[page][vertical ? 1 : 0];
        Profile().WriteInt(D, name, stored);

        QString shown;
        SScript<Common_DlgMargin02> script([&](Common_DlgMargin02& d) {
            d.Tabs()->setCurrentIndex(page);
            Common_DlgMargin02_Page* p = d.Page(page);
            for (QChar c : clicks)
                Click(Arrow(p, c));
            shown = (vertical ? p->VerticalEdit() : p->HorizontalEdit())->text();
            Click(d.OkButton());
        });
        QCOMPARE(Common_DlgMargin02::RunMargins(Profile(), nullptr), int(QDialog::Accepted));
        QCOMPARE(script.runs, 1);
        QCOMPARE(shown, description);
        QCOMPARE(Stored(D, name), expected);
        // OK writes every margin and the check state, the untouched ones as they were.
        for (const QString& other : {kLeftMargin, kTopMargin, kLeftMargin2, kTopMargin2})
            if (other != name)
                QCOMPARE(Stored(D, other), 0);
        QCOMPARE(Stored(D, kShowMarginDlg), 0);
    }

    void marginsCancelStoresNothing()
    {
        SScript<Common_DlgMargin02> script([](Common_DlgMargin02& d) {
            QVERIFY(!d.ApplyButton()->isEnabled());
            Click(Arrow(d.Page(0), QLatin1Char('R')));
            d.Page(0)->DontShowBox()->click();
            QVERIFY(d.ApplyButton()->isEnabled());
            Click(d.ApplyButton()); // takes nothing beyond the pages
            QVERIFY(!d.ApplyButton()->isEnabled());
            QVERIFY(d.isVisible());
            Click(d.CancelButton());
        });
        QCOMPARE(Common_DlgMargin02::RunMargins(Profile(), nullptr), int(QDialog::Rejected));
        for (const QString& name : {kLeftMargin, kTopMargin, kLeftMargin2, kTopMargin2, kShowMarginDlg})
            QVERIFY2(!Profile().Contains(D, name), qPrintable(name));
    }

    void checkBoxIsSharedByThePages()
    {
        SScript<Common_DlgMargin02> script([](Common_DlgMargin02& d) {
            QVERIFY(!d.Page(0)->DontShowBox()->isChecked());
            d.Tabs()->setCurrentIndex(1);
            d.Page(1)->DontShowBox()->click();
            d.Tabs()->setCurrentIndex(0);
            QVERIFY(d.Page(0)->DontShowBox()->isChecked());
            Click(d.OkButton());
        });
        Common_DlgMargin02::RunMargins(Profile(), nullptr);
        QCOMPARE(Stored(D, kShowMarginDlg), 1);

        // Stored as ticked: both pages show it; unticked on the second page it is stored as 0.
        script.act = [](Common_DlgMargin02& d) {
            QVERIFY(d.Page(0)->DontShowBox()->isChecked());
            d.Tabs()->setCurrentIndex(1);
            QVERIFY(d.Page(1)->DontShowBox()->isChecked());
            d.Page(1)->DontShowBox()->click();
            Click(d.OkButton());
        };
        Common_DlgMargin02::RunMargins(Profile(), nullptr);
        QCOMPARE(Stored(D, kShowMarginDlg), 0);
    }

    void marginSheetTexts()
    {
        Profile().WriteInt(D, kLeftMargin2, -15);
        SScript<Common_DlgMargin02> script([](Common_DlgMargin02& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Ränder bei Ausdruck (Einheitspapier T2L)"));
            QCOMPARE(d.Tabs()->count(), 2);
            QCOMPARE(d.Tabs()->tabText(0), QStringLiteral("  Einheitspapier T2L"));
            QCOMPARE(d.Tabs()->tabText(1), QStringLiteral("  Ergänzungsblätter T2L"));
            QCOMPARE(d.Page(1)->HorizontalEdit()->text(), QStringLiteral("1.5 mm nach links"));
            QCOMPARE(d.Page(1)->VerticalEdit()->text(), QStringLiteral("unverändert"));
            QVERIFY(d.Page(0)->HorizontalEdit()->isReadOnly());
            QCOMPARE(d.ApplyButton()->text(), QStringLiteral("Übernehmen"));
            for (int i = 2; i < Common_DlgMargin02::kMaxPages; ++i)
                QVERIFY(d.AddPage(QStringLiteral("x"), 0, 0));
            QVERIFY(!d.AddPage(QStringLiteral("zu viel"), 0, 0));
            // Every arrow is a picture button that can be found by its letter.
            for (QChar c : QStringLiteral("LROU")) {
                QAbstractButton* b = Arrow(d.Page(0), c);
                QVERIFY(b);
                const QImage normal = b->grab().toImage();
                b->setDown(true);
                const QImage pressed = b->grab().toImage();
                b->setDown(false);
                QVERIFY(!normal.isNull());
                QVERIFY2(normal != pressed, "the pressed look differs"); // the pictures were loaded
            }
            Click(d.CancelButton());
        });
        Common_DlgMargin02::RunMargins(Profile(), nullptr);
        QCOMPARE(script.runs, 1);
    }

    // ------------------------------------------------------------ print-area correction

    void correction_data()
    {
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("horizontal");
        QTest::addColumn<int>("storedV"); // 0: refused, the dialog stays open until put right
        QTest::addColumn<int>("storedH");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("Bitte geben Sie eine Zahl zwischen 97 und 103 ein.");
        const QString number = QStringLiteral("Bitte geben Sie eine Zahl ein.\nEingabe mit Punkt; kein Komma!");
        QTest::newRow("99.5 horizontal") << "100" << "99.5" << 1000 << 995 << "";
        QTest::newRow("bounds") << "97" << "103" << 970 << 1030 << "";
        QTest::newRow("hundredths cut") << " 100.25 " << "102.99" << 1002 << 1029 << "";
        QTest::newRow("103.5") << "100" << "103.5" << 0 << 0 << range;
        QTest::newRow("96.9 vertical") << "96.9" << "100" << 0 << 0 << range;
        QTest::newRow("comma") << "100" << "99,5" << 0 << 0 << number;
        QTest::newRow("empty") << "" << "100" << 0 << 0 << number;
    }
    void correction()
    {
        QFETCH(QString, vertical);
        QFETCH(QString, horizontal);
        QFETCH(int, storedV);
        QFETCH(int, storedH);
        QFETCH(QString, message);
        bool stayedOpen = false;
        SScript<Common_CDlgPrintSizeCorr> script([&](Common_CDlgPrintSizeCorr& d) {
            QCOMPARE(d.VerticalEdit()->text(), QStringLiteral("100"));
            Retype(d.VerticalEdit(), vertical);
            Retype(d.HorizontalEdit(), horizontal);
            Click(d.OkButton());
            stayedOpen = d.isVisible();
            if (stayedOpen) {
                QVERIFY(!Profile().Contains(S, kFactorV));
                QVERIFY(!Profile().Contains(S, kFactorH));
                // Put right, the same dialog takes both values.
                Retype(d.VerticalEdit(), QStringLiteral("101"));
                Retype(d.HorizontalEdit(), QStringLiteral("98.5"));
                Click(d.OkButton());
            }
        });
        const int result = Common_CDlgPrintSizeCorr::RunCorrection(Profile(), 0, nullptr);
        QCOMPARE(result, int(QDialog::Accepted));
        if (storedV == 0) {
            QVERIFY(stayedOpen);
            QCOMPARE(m_messages->texts, QStringList{message});
            QCOMPARE(Stored(S, kFactorV), 1010);
            QCOMPARE(Stored(S, kFactorH), 985);
        } else {
            QCOMPARE(result, int(QDialog::Accepted));
            QVERIFY(m_messages->texts.isEmpty());
            QCOMPARE(Stored(S, kFactorV), storedV);
            QCOMPARE(Stored(S, kFactorH), storedH);
        }
    }

    void correctionShowsStoredValuesAndLanguage()
    {
        Profile().WriteInt(S, kFactorV, 995);
        Profile().WriteInt(S, kFactorH, 1003);
        {
            Common_CDlgPrintSizeCorr d(Profile(), 0);
            QCOMPARE(d.windowTitle(), QStringLiteral("Druckbereich-Korrektur"));
            QCOMPARE(d.VerticalEdit()->text(), QStringLiteral("99.5"));
            QCOMPARE(d.HorizontalEdit()->text(), QStringLiteral("100.3"));
            QCOMPARE(d.CancelButton()->text(), QStringLiteral("Abbrechen"));
            QStringList labels;
            for (QLabel* l : d.findChildren<QLabel*>())
                labels << l->text();
            for (const char* t : {"Diese Einstellungen verändern den Ausdruck!", "Eingabe mit Punkt; kein Komma!",
                                  "Korrektur &vertikal:", "Korrektur &horizontal:"})
                QVERIFY2(labels.contains(QString::fromUtf8(t)), t);
        }
        {
            Common_CDlgPrintSizeCorr d(Profile(), 1);
            QCOMPARE(d.windowTitle(), QStringLiteral("Print Area Correction"));
            QCOMPARE(d.CancelButton()->text(), QStringLiteral("Abort"));
            QStringList labels;
            for (QLabel* l : d.findChildren<QLabel*>())
                labels << l->text();
            for (const char* t : {"This Settings will change the printout!", "All input with decimal point, no comma",
                                  "&Vertical Correction", "&Horizontal Correction"})
                QVERIFY2(labels.contains(QString::fromUtf8(t)), t);
        }
    }

    // ------------------------------------------------------------ printer font size

    void fontSize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key"); // an arrow key pressed after typing, or 0
        QTest::addColumn<int>("stored"); // 0: refused, the dialog stays open
        QTest::newRow("120") << "120" << 0 << 120;
        QTest::newRow("bounds low") << "50" << 0 << 50;
        QTest::newRow("bounds high") << "150" << 0 << 150;
        QTest::newRow("151") << "151" << 0 << 0;
        QTest::newRow("49") << "49" << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("arrow up at 150") << "150" << int(Qt::Key_Up) << 150;
        QTest::newRow("arrow down at 50") << "50" << int(Qt::Key_Down) << 50;
        QTest::newRow("arrow up from 20") << "20" << int(Qt::Key_Up) << 50;
        QTest::newRow("arrow down from 151") << "151" << int(Qt::Key_Down) << 150;
    }
    void fontSize()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, stored);
        bool stayedOpen = false;
        SScript<CDlgPrinterFontSize> script([&](CDlgPrinterFontSize& d) {
            QCOMPARE(d.PercentageBox()->value(), 95);
            Retype(d.PercentageBox(), typed);
            if (key)
                QTest::keyClick(d.PercentageBox(), Qt::Key(key));
            Click(d.OkButton());
            stayedOpen = d.isVisible();
            if (stayedOpen) {
                QVERIFY(!Profile().Contains(D, kFontFactor));
                Click(d.CancelButton());
            }
        });
        const int result = CDlgPrinterFontSize::RunFontSize(Profile(), nullptr);
        if (stored == 0) {
            QCOMPARE(result, int(QDialog::Rejected));
            QVERIFY(stayedOpen);
            const QString expected = typed.isEmpty() ? QStringLiteral("Bitte geben Sie eine ganze Zahl ein.")
                                                     : QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen 50 und 150 ein.");
            QCOMPARE(m_messages->texts, QStringList{expected});
            QVERIFY(!Profile().Contains(D, kFontFactor));
        } else {
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(Stored(D, kFontFactor), stored);
        }
    }

    void fontSizeDialogRows()
    {
        Profile().WriteInt(D, kFontFactor, 110);
        int helpOpened = 0;
        Help::SetOpenFunction([&](QWidget*) { ++helpOpened; });
        SScript<CDlgPrinterFontSize> script([](CDlgPrinterFontSize& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Schriftgrößen für Druck"));
            QCOMPARE(d.PercentageBox()->value(), 110);
            QVERIFY(!d.SecondBox()->isVisible());
            QCOMPARE(d.SecondBox()->value(), 100);
            QCOMPARE(d.SecondLabel()->text(), QStringLiteral("D.V.1"));
            QCOMPARE(d.HelpButton()->text(), QStringLiteral("Hilfe"));
            Click(d.HelpButton());
            QVERIFY(d.isVisible());
            Retype(d.PercentageBox(), QStringLiteral("130"));
            Click(d.CancelButton());
        });
        QCOMPARE(CDlgPrinterFontSize::RunFontSize(Profile(), nullptr), int(QDialog::Rejected));
        QCOMPARE(helpOpened, 1);
        QCOMPARE(Stored(D, kFontFactor), 110);
    }

    void printFontsFollowTheFactor_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("sizeCode");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("configured");
        QTest::addColumn<int>("expected");
        QTest::newRow("size 1") << "PFont1" << 1 << false << 50 << 60;
        QTest::newRow("size 4 bold") << "PFont4B" << 4 << true << 40 << 48;
        QTest::newRow("small 8") << "PFont8" << int(CFieldFonts::kSmallFont8) << false << 25 << 30;
        QTest::newRow("default size 0, cut") << "" << 0 << false << 22 << 26;
    }
    void printFontsFollowTheFactor()
    {
        QFETCH(QString, value);
        QFETCH(int, sizeCode);
        QFETCH(bool, bold);
        QFETCH(int, configured);
        QFETCH(int, expected);
        if (!value.isEmpty())
            Profile().WriteInt(SettingsSection::kFont, value, configured);
        SScript<CDlgPrinterFontSize> script([](CDlgPrinterFontSize& d) {
            Retype(d.PercentageBox(), QStringLiteral("120"));
            Click(d.OkButton());
        });
        CDlgPrinterFontSize::RunFontSize(Profile(), nullptr);
        // What the printing does before every sheet.
        CFieldFonts fonts;
        fonts.CreatePrintFonts(Profile(), Profile().ReadInt(D, kFontFactor, kFontFactorDefault));
        const SLogFont* font = fonts.Font(CFieldFonts::kPrint, sizeCode, bold);
        QVERIFY(font);
        QCOMPARE(font->height, expected);
    }

    // ------------------------------------------------------------ in the program

    void commandsOpenTheDialogs()
    {
        Profile().WriteInt(S, QStringLiteral("Language"), 1);
        SScript<Common_DlgMargin02> margins([](Common_DlgMargin02& d) {
            Click(Arrow(d.Page(0), QLatin1Char('U')));
            Click(d.OkButton());
        });
        QString correctionTitle;
        SScript<Common_CDlgPrintSizeCorr> correction([&](Common_CDlgPrintSizeCorr& d) {
            correctionTitle = d.windowTitle();
            Click(d.CancelButton());
        });
        SScript<CDlgPrinterFontSize> fontSize([](CDlgPrinterFontSize& d) { Click(d.CancelButton()); });

        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        CMainFrame* frame = app.MainFrame();
        QCOMPARE(frame->Action(Cmd::kMargins)->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(frame->Action(Cmd::kPrintSizeCorrection)->shortcut(),
                 QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_P));
        for (int id : {Cmd::kMargins, Cmd::kPrintSizeCorrection, Cmd::kPrinterFontSizes})
            QVERIFY2(frame->Action(id)->isEnabled(), qPrintable(QString::number(id)));

        frame->RouteCommand(Cmd::kMargins);
        QCOMPARE(margins.runs, 1);
        QCOMPARE(Stored(D, kTopMargin), 5);
        frame->RouteCommand(Cmd::kPrintSizeCorrection);
        QCOMPARE(correction.runs, 1);
        QCOMPARE(correctionTitle, QStringLiteral("Print Area Correction"));
        frame->RouteCommand(Cmd::kPrinterFontSizes);
        QCOMPARE(fontSize.runs, 1);

        // Without a form the margins have nothing to belong to; the others stay.
        const auto children = frame->Children();
        for (auto* c : children)
            c->close();
        QTRY_VERIFY(frame->Children().isEmpty());
        frame->UpdateCommands();
        QVERIFY(!frame->Action(Cmd::kMargins)->isEnabled());
        QVERIFY(frame->Action(Cmd::kPrintSizeCorrection)->isEnabled());
        QVERIFY(frame->Action(Cmd::kPrinterFontSizes)->isEnabled());
    }
};

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
