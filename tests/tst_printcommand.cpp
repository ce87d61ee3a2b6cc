#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/FrameCommands.h"
#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"
#include "platform/Prompts.h"
#include "print/Common_DlgMargin02.h"
#include "print/Common_DlgMargin02_Page.h"
#include "print/DlgDrucken.h"
#include "print/DlgSeitenansicht.h"
#include "print/FormPrinter.h"
#include "print/PrinterChoice.h"
#include "view/EinheitspapierView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QString kCopiesMessage = QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen 1 und 9 ein.");
const QString kNoPrinterMessage =
    QStringLiteral("Es ist kein Drucker eingerichtet.\nBitte richten Sie zuerst einen Drucker ein.");
const QString kPrinterName = QStringLiteral("Testdrucker");

const QString& D() { return SettingsSection::kDefaults; }
CSettingsStore Profile() { return CSettingsStore::Profile(); }

QPageLayout Layout(QPageSize::PageSizeId size, QPageLayout::Orientation orientation,
                   QMarginsF margins = QMarginsF(5, 4, 5, 4))
{
    return QPageLayout(QPageSize(size), orientation, margins, QPageLayout::Millimeter);
}

// One log of what the user and the printer saw, in order, so a test can
// state the whole flow of a command in one comparison.
struct SEvents
{
    QStringList log;
};

// Answers every message and keeps what was asked.
struct SLoggedMessages
{
    explicit SLoggedMessages(SEvents& events)
        : events(events)
    {
        Prompts::SetAskFunction([this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons b,
                                       QMessageBox::StandardButton) {
            texts << text;
            buttons << b;
            this->events.log << QStringLiteral("message");
            return answer;
        });
    }
    ~SLoggedMessages() { Prompts::SetAskFunction(nullptr); }

    SEvents& events;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList texts;
    QList<QMessageBox::StandardButtons> buttons;
};

// The printer: a named one with a page layout of the test's choosing, and a
// job that records its sheets instead of feeding paper.
struct SPrinter
{
    explicit SPrinter(SEvents& events)
        : events(events)
    {
        CEinheitspapierView::SPrintHooks hooks;
        hooks.configure = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat); // no real queue underneath
            printer.setPageLayout(layout);
            return name;
        };
        hooks.print = [this](QPrinter&, CFormPrinter& formPrinter, const QList<int>& sheets) {
            this->events.log << QStringLiteral("print");
            jobs << sheets;
            formPrinter.PrintItems(sheets.value(0, 1));
            origins << formPrinter.PrintOrigin();
            if (onPrint)
                onPrint();
            return result;
        };
        CEinheitspapierView::SetPrintHooks(std::move(hooks));
    }
    ~SPrinter() { CEinheitspapierView::SetPrintHooks({}); }

    SEvents& events;
    QString name = kPrinterName;
    QPageLayout layout = Layout(QPageSize::A4, QPageLayout::Portrait);
    bool result = true;
    std::function<void()> onPrint;
    QList<QList<int>> jobs;
    QList<QPoint> origins; // the print origin of each job's first sheet
};

// The margins dialog before printing; unless told otherwise it is left with
// Abbruch, which stores nothing.
struct SMarginsDialog
{
    explicit SMarginsDialog(SEvents& events)
        : events(events)
    {
        Common_DlgMargin02::SetRunFunction([this](QDialog& d) {
            this->events.log << QStringLiteral("margins");
            d.show();
            if (act)
                act(static_cast<Common_DlgMargin02&>(d));
            else
                d.reject();
            return d.result();
        });
    }
    ~SMarginsDialog() { Common_DlgMargin02::SetRunFunction(nullptr); }
    SEvents& events;
    std::function<void(Common_DlgMargin02&)> act;
};

// Plays the user in every dialog the view runs.
struct SDialogs
{
    explicit SDialogs(SEvents& events)
        : events(events)
    {
        CEinheitspapierView::SetDialogFunction([this](QDialog& d) {
            d.show();
            if (auto* dlg = qobject_cast<CDlgDrucken*>(&d)) {
                this->events.log << QStringLiteral("drucken");
                ++druckenRuns;
                if (drucken)
                    drucken(*dlg, druckenRuns);
                else
                    dlg->OkButton()->click();
            } else if (auto* setup = qobject_cast<QPrintDialog*>(&d)) {
                this->events.log << QStringLiteral("setup");
                setupTitle = setup->windowTitle();
                setupAccept ? setup->accept() : setup->reject();
            } else if (auto* preview = qobject_cast<CDlgSeitenansicht*>(&d)) {
                this->events.log << QStringLiteral("preview");
                if (this->preview)
                    this->preview(*preview);
                else
                    preview->reject();
            } else {
                this->events.log << QStringLiteral("other");
                d.reject();
            }
            return d.result();
        });
    }
    ~SDialogs() { CEinheitspapierView::SetDialogFunction(nullptr); }

    SEvents& events;
    // The print dialog; round counts from 1 within one command.
    std::function<void(CDlgDrucken&, int round)> drucken;
    std::function<void(CDlgSeitenansicht&)> preview;
    bool setupAccept = false;
    QString setupTitle;
    int druckenRuns = 0;
};

// Everything a print command meets, in one place.
struct SRig
{
    explicit SRig(const CFieldDefinitions& defs)
        : messages(events)
        , printer(events)
        , margins(events)
        , dialogs(events)
        , form(defs)
    {
    }
    void Print() { form.view.ExecuteCommand(Cmd::kPrint); }
    void Preview() { form.view.ExecuteCommand(Cmd::kPrintPreview); }

    SEvents events;
    SLoggedMessages messages;
    SPrinter printer;
    SMarginsDialog margins;
    SDialogs dialogs;
    SShownForm form;
};

QStringList Items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Pixels of printed ink: dark enough that neither the faint form nor the
// printable area's dotted edge counts.
bool IsInk(QRgb p)
{
    return qGray(p) < 110;
}

QRect InkBox(const QImage& image, const QRect& window)
{
    QRect box;
    const QRect w = window.intersected(image.rect());
    for (int y = w.top(); y <= w.bottom(); ++y)
        for (int x = w.left(); x <= w.right(); ++x)
            if (IsInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The white sheet inside the preview's grey surround.
QImage PaperOf(const QImage& picture, qreal pixelsPerMm)
{
    const QRgb surround = picture.pixel(0, 0);
    const int midY = picture.height() / 2;
    const int midX = picture.width() / 2;
    int left = 0;
    while (left < picture.width() && picture.pixel(left, midY) == surround)
        ++left;
    int top = 0;
    while (top < picture.height() && picture.pixel(midX, top) == surround)
        ++top;
    return picture.copy(left, top, int(210.0 * pixelsPerMm), int(297.0 * pixelsPerMm));
}

} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    CFieldDefinitions m_defs;

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_defs.Reset();
        PrinterChoice::SetCurrent(QString());
    }
    void cleanup()
    {
        PrinterChoice::SetCurrent(QString());
        m_settings.reset();
    }

    // ------------------------------------------------------------ the print dialog

    void dialogStart()
    {
        CDlgDrucken dlg(3, kPrinterName, true, false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Einheitspapier T2L bedrucken"));
        QCOMPARE(dlg.PrinterLabel()->text(), kPrinterName);
        QCOMPARE(Items(dlg.PageList()),
                 (QStringList{"Seite 1 drucken", "Seite 2 drucken", "Seite 3 drucken"}));
        QCOMPARE(dlg.PageList()->currentIndex(), 0);
        QCOMPARE(dlg.CopiesEdit()->text(), QStringLiteral("1"));
        QVERIFY(!dlg.ReuseCheck()->isChecked());
        QCOMPARE(dlg.ReuseCheck()->text(), QStringLiteral("Immer diesen Drucker verwenden"));
        QCOMPARE(dlg.ChoiceButton()->text(), QStringLiteral("Druckerauswahl"));

        CDlgDrucken remembered(1, kPrinterName, true, true);
        QVERIFY(remembered.ReuseCheck()->isChecked());
        QCOMPARE(Items(remembered.PageList()), QStringList{"Seite 1 drucken"});
    }

    void dialogTooltips()
    {
        CDlgDrucken dlg(2, kPrinterName, true, false);
        auto button = [&](const QString& text) -> QWidget* {
            for (QPushButton* b : dlg.findChildren<QPushButton*>())
                if (b->text() == text)
                    return b;
            return nullptr;
        };
        const QList<std::pair<QWidget*, QString>> tips = {
            {dlg.ReuseCheck(), "Drucker wird beim nächsten Druck wieder ausgewählt"},
            {dlg.ChoiceButton(), "Aufruf des Dialogs zur Druckereinrichtung"},
            {dlg.PageList(), "Auswahl der zu druckenden Seite"},
            {dlg.CopiesEdit(), "Anzahl der Kopien, die gedruckt werden sollen"},
            {button("OK"), "Dialog beenden und Dokument drucken"},
            {button("Abbruch"), "Dialog abbrechen"},
            {button("Hilfe"), "Aufruf der On-Line Hilfe"},
        };
        for (const auto& [widget, tip] : tips) {
            QVERIFY2(widget, qPrintable(tip));
            QCOMPARE(widget->toolTip(), tip);
        }
    }

    void orientationPictures_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::newRow("portrait") << true;
        QTest::newRow("landscape") << false;
    }

    void orientationPictures()
    {
        QFETCH(bool, portrait);
        CDlgDrucken dlg(1, kPrinterName, portrait, false);
        dlg.show();
        QCOMPARE(dlg.PortraitPicture()->isVisible(), portrait);
        QCOMPARE(dlg.LandscapePicture()->isVisible(), !portrait);
        QVERIFY(!dlg.PortraitPicture()->pixmap().isNull());
        QVERIFY(!dlg.LandscapePicture()->pixmap().isNull());
    }

    void copiesRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("copies"); // 0: refused
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("10") << "10" << 0;
        QTest::newRow("x") << "x" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("-1") << "-1" << 0;
        QTest::newRow("2.5") << "2.5" << 0;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("9") << "9" << 9;
    }

    void copiesRange()
    {
        QFETCH(QString, text);
        QFETCH(int, copies);
        SEvents events;
        SLoggedMessages messages(events);
        CDlgDrucken dlg(2, kPrinterName, true, false);
        dlg.show();
        dlg.CopiesEdit()->setText(text);
        dlg.OkButton()->click();
        if (copies == 0) {
            QCOMPARE(messages.texts, QStringList{kCopiesMessage});
            QVERIFY(dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            // A corrected value is then taken.
            dlg.CopiesEdit()->setText(QStringLiteral("4"));
            dlg.OkButton()->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.Copies(), 4);
        } else {
            QVERIFY(messages.texts.isEmpty());
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.Copies(), copies);
        }
    }

    void chosenPageAndPrinterChoice()
    {
        CDlgDrucken dlg(3, kPrinterName, true, false);
        dlg.show();
        dlg.PageList()->setCurrentIndex(2);
        dlg.ReuseCheck()->setChecked(true);
        dlg.OkButton()->click();
        QCOMPARE(dlg.Page(), 3);
        QVERIFY(dlg.ReusePrinter());
        QVERIFY(!dlg.PrinterChoiceRequested());

        CDlgDrucken choice(3, kPrinterName, true, false);
        choice.show();
        choice.ChoiceButton()->click();
        QVERIFY(choice.PrinterChoiceRequested());
        QCOMPARE(choice.result(), int(QDialog::Rejected));
        QVERIFY(!choice.isVisible());
    }

    // ------------------------------------------------------------ the print command

    void marginsDialogFirst_data()
    {
        QTest::addColumn<int>("showMarginDlg");
        QTest::addColumn<bool>("moveAndKeep"); // 1 mm right, 0.5 mm down, do not show again, OK
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QPoint>("origin"); // of the printed page 1
        QTest::addColumn<int>("showAfter");
        QTest::newRow("0 shows it, Abbruch")
            << 0 << false << QStringList{"margins", "drucken", "print"} << QPoint(30, 10) << 0;
        QTest::newRow("0 shows it, OK moves the print")
            << 0 << true << QStringList{"margins", "drucken", "print"} << QPoint(40, 5) << 1;
        QTest::newRow("1 does not") << 1 << false << QStringList{"drucken", "print"} << QPoint(30, 10) << 1;
    }

    void marginsDialogFirst()
    {
        QFETCH(int, showMarginDlg);
        QFETCH(bool, moveAndKeep);
        QFETCH(QStringList, events);
        QFETCH(QPoint, origin);
        QFETCH(int, showAfter);
        Profile().WriteInt(D(), QStringLiteral("ShowMarginDlgEH"), showMarginDlg);
        SRig rig(m_defs);
        if (moveAndKeep) {
            rig.margins.act = [](Common_DlgMargin02& sheet) {
                Common_DlgMargin02_Page* first = sheet.Page(0);
                first->RightButton()->click();
                first->RightButton()->click();
                first->DownButton()->click();
                first->DontShowBox()->setChecked(true);
                sheet.OkButton()->click();
            };
        }
        rig.Print();
        QCOMPARE(rig.events.log, events);
        QCOMPARE(rig.printer.jobs, QList<QList<int>>{{1}});
        QCOMPARE(rig.printer.origins, QList<QPoint>{origin});
        QCOMPARE(Profile().ReadInt(D(), QStringLiteral("ShowMarginDlgEH"), -1), showAfter);

        // The next print asks again only while the setting says so.
        rig.events.log.clear();
        rig.Print();
        QCOMPARE(rig.events.log.contains(QStringLiteral("margins")), showAfter == 0);
        QCOMPARE(rig.printer.origins.last(), origin);
    }

    void sheetsOfARun_data()
    {
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QList<int>>("sheets");
        QTest::newRow("page 1, two copies") << 0 << "2" << QList<int>{1, 1};
        QTest::newRow("page 2, one copy") << 1 << "1" << QList<int>{2};
        QTest::newRow("page 2, nine copies") << 1 << "9" << QList<int>(9, 2);
    }

    void sheetsOfARun()
    {
        QFETCH(int, pageIndex);
        QFETCH(QString, copies);
        QFETCH(QList<int>, sheets);
        SRig rig(m_defs);
        rig.dialogs.drucken = [&](CDlgDrucken& dlg, int) {
            QCOMPARE(dlg.PrinterLabel()->text(), kPrinterName);
            QCOMPARE(Items(dlg.PageList()), (QStringList{"Seite 1 drucken", "Seite 2 drucken"}));
            dlg.PageList()->setCurrentIndex(pageIndex);
            dlg.CopiesEdit()->setText(copies);
            dlg.OkButton()->click();
        };
        rig.Print();
        QCOMPARE(rig.printer.jobs, QList<QList<int>>{sheets});
        QVERIFY(rig.messages.texts.isEmpty());
    }

    void rememberedPrinter_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<int>("reUsePrn");
        QTest::addColumn<QString>("printer");
        QTest::newRow("always this printer") << true << 1 << kPrinterName;
        QTest::newRow("not remembered") << false << 0 << "@";
    }

    void rememberedPrinter()
    {
        QFETCH(bool, always);
        QFETCH(int, reUsePrn);
        QFETCH(QString, printer);
        // A remembered printer from before is replaced either way.
        Profile().WriteString(D(), QStringLiteral("Printer"), QStringLiteral("Alt-Drucker"));
        Profile().WriteInt(D(), QStringLiteral("ReUsePrn"), 0);
        SRig rig(m_defs);
        rig.dialogs.drucken = [&](CDlgDrucken& dlg, int) {
            QVERIFY(!dlg.ReuseCheck()->isChecked());
            dlg.ReuseCheck()->setChecked(always);
            dlg.OkButton()->click();
        };
        rig.Print();
        QCOMPARE(Profile().ReadInt(D(), QStringLiteral("ReUsePrn"), -1), reUsePrn);
        QCOMPARE(Profile().ReadString(D(), QStringLiteral("Printer"), QString()), printer);
        QCOMPARE(rig.printer.jobs.size(), 1);
    }

    void missingRememberedPrinter()
    {
        Profile().WriteString(D(), QStringLiteral("Printer"), QStringLiteral("Weg-Drucker"));
        Profile().WriteInt(D(), QStringLiteral("ReUsePrn"), 1);
        SRig rig(m_defs);
        bool checkedAtStart = false;
        rig.dialogs.drucken = [&](CDlgDrucken& dlg, int) {
            checkedAtStart = dlg.ReuseCheck()->isChecked();
            dlg.OkButton()->click();
        };
        rig.Print();
        QCOMPARE(rig.messages.texts,
                 QStringList{"Der Drucker Weg-Drucker konnte nicht gefunden werden.\n"
                             "Es wird der Standarddrucker verwendet."});
        QCOMPARE(rig.events.log, (QStringList{"margins", "message", "drucken", "print"}));
        QVERIFY(checkedAtStart);
        QCOMPARE(rig.printer.jobs, QList<QList<int>>{{1}});
        // The check box stayed on: the printer in use is remembered now.
        QCOMPARE(Profile().ReadString(D(), QStringLiteral("Printer"), QString()), kPrinterName);
        QCOMPARE(Profile().ReadInt(D(), QStringLiteral("ReUsePrn"), -1), 1);
    }

    void printerChoice_data()
    {
        QTest::addColumn<bool>("setupAccepted");
        QTest::addColumn<bool>("secondOk"); // the print dialog of the second round
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QList<QList<int>>>("jobs");
        QTest::newRow("setup OK, then OK")
            << true << true << QStringList{"margins", "message", "drucken", "setup", "margins", "drucken", "print"} << QList<QList<int>>{{1}};
        QTest::newRow("setup cancelled, then OK")
            << false << true << QStringList{"margins", "message", "drucken", "setup", "margins", "drucken", "print"} << QList<QList<int>>{{1}};
        QTest::newRow("then Abbruch")
            << false << false << QStringList{"margins", "message", "drucken", "setup", "margins", "drucken"} << QList<QList<int>>{};
    }

    void printerChoice()
    {
        QFETCH(bool, setupAccepted);
        QFETCH(bool, secondOk);
        QFETCH(QStringList, events);
        QFETCH(QList<QList<int>>, jobs);
        // Remembered and missing: asked about once, not again in the second round.
        Profile().WriteString(D(), QStringLiteral("Printer"), QStringLiteral("Weg-Drucker"));
        Profile().WriteInt(D(), QStringLiteral("ReUsePrn"), 1);
        SRig rig(m_defs);
        rig.dialogs.setupAccept = setupAccepted;
        QString printerInSecondRound;
        int reuseInSecondRound = -1;
        bool checkedInSecondRound = true;
        rig.dialogs.drucken = [&](CDlgDrucken& dlg, int round) {
            if (round == 1) {
                dlg.ChoiceButton()->click();
                return;
            }
            printerInSecondRound = Profile().ReadString(D(), QStringLiteral("Printer"), QString());
            reuseInSecondRound = Profile().ReadInt(D(), QStringLiteral("ReUsePrn"), -1);
            checkedInSecondRound = dlg.ReuseCheck()->isChecked();
            secondOk ? dlg.OkButton()->click() : dlg.reject();
        };
        rig.Print();
        QCOMPARE(rig.events.log, events);
        QCOMPARE(rig.printer.jobs, jobs);
        QCOMPARE(rig.messages.texts.size(), 1);
        QCOMPARE(rig.dialogs.setupTitle, QStringLiteral("Druckeinrichtung"));
        QCOMPARE(printerInSecondRound, QStringLiteral("@"));
        QCOMPARE(reuseInSecondRound, 0);
        QVERIFY(!checkedInSecondRound);
    }

    void cancelPrintsNothing()
    {
        SRig rig(m_defs);
        rig.dialogs.drucken = [](CDlgDrucken& dlg, int) { dlg.reject(); };
        rig.Print();
        QCOMPARE(rig.events.log, (QStringList{"margins", "drucken"}));
        QVERIFY(rig.printer.jobs.isEmpty());
        QCOMPARE(Profile().ReadString(D(), QStringLiteral("Printer"), QStringLiteral("unset")), QStringLiteral("unset"));
    }

    void editedTextIsPrinted()
    {
        SRig rig(m_defs);
        rig.form.view.GoToField(9, 1);
        QCOMPARE(rig.form.doc.Engine().GetCurrentField(), 9);
        rig.form.view.Editor()->SetWindowText(QStringLiteral("Hamburg Hafen"));
        QString atPrint;
        rig.printer.onPrint = [&] { atPrint = rig.form.Text(9, 1); };
        rig.Print();
        QCOMPARE(rig.printer.jobs.size(), 1);
        QCOMPARE(atPrint, QStringLiteral("Hamburg Hafen"));
    }

    void noPrinter()
    {
        SRig rig(m_defs);
        rig.printer.name.clear();
        rig.Print();
        QCOMPARE(rig.messages.texts, QStringList{kNoPrinterMessage});
        QCOMPARE(rig.events.log, (QStringList{"margins", "message"}));
        QVERIFY(rig.printer.jobs.isEmpty());
    }

    void failedPrint()
    {
        SRig rig(m_defs);
        rig.printer.result = false;
        rig.Print();
        QCOMPARE(rig.events.log, (QStringList{"margins", "drucken", "print", "message"}));
        QCOMPARE(rig.messages.texts,
                 QStringList{"Der Druck auf Testdrucker konnte nicht ausgeführt werden."});
    }

    void paperCheck_data()
    {
        QTest::addColumn<int>("check"); // PrnPapielageCheck
        QTest::addColumn<QPageLayout>("layout");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("asked"); // part of the question; empty: no question
        QTest::addColumn<bool>("printed");
        const QPageLayout a4 = Layout(QPageSize::A4, QPageLayout::Portrait);
        const QPageLayout a5 = Layout(QPageSize::A5, QPageLayout::Portrait);
        const QPageLayout a4Landscape = Layout(QPageSize::A4, QPageLayout::Landscape);
        const QPageLayout letter = Layout(QPageSize::Letter, QPageLayout::Portrait);
        const int yes = QMessageBox::Yes;
        const int no = QMessageBox::No;
        QTest::newRow("A4 portrait, no question") << 1 << a4 << no << "" << true;
        QTest::newRow("A5, Nein") << 1 << a5 << no << "A5 (148 x 210 mm, Hochformat)" << false;
        QTest::newRow("A5, Ja") << 1 << a5 << yes << "A5 (148 x 210 mm, Hochformat)" << true;
        QTest::newRow("A4 landscape, Nein") << 1 << a4Landscape << no << "(297 x 210 mm, Querformat)" << false;
        QTest::newRow("A4 landscape, Ja") << 1 << a4Landscape << yes << "(297 x 210 mm, Querformat)" << true;
        QTest::newRow("Letter, Nein") << 1 << letter << no << "(216 x 279 mm, Hochformat)" << false;
        QTest::newRow("check off, A5") << 0 << a5 << no << "" << true;
        QTest::newRow("check off, landscape") << 0 << a4Landscape << no << "" << true;
    }

    void paperCheck()
    {
        QFETCH(int, check);
        QFETCH(QPageLayout, layout);
        QFETCH(int, answer);
        QFETCH(QString, asked);
        QFETCH(bool, printed);
        Profile().WriteInt(SettingsSection::kSettings, QStringLiteral("PrnPapielageCheck"), check);
        Profile().WriteInt(D(), QStringLiteral("ShowMarginDlgEH"), 1);
        SRig rig(m_defs);
        rig.printer.layout = layout;
        rig.messages.answer = QMessageBox::StandardButton(answer);
        bool portraitShown = false;
        bool landscapeShown = false;
        rig.dialogs.drucken = [&](CDlgDrucken& dlg, int) {
            portraitShown = dlg.PortraitPicture()->isVisible();
            landscapeShown = dlg.LandscapePicture()->isVisible();
            dlg.OkButton()->click();
        };
        rig.Print();
        if (asked.isEmpty()) {
            QVERIFY(rig.messages.texts.isEmpty());
        } else {
            QCOMPARE(rig.messages.texts.size(), 1);
            QVERIFY2(rig.messages.texts.first().contains(asked), qPrintable(rig.messages.texts.first()));
            QVERIFY(rig.messages.texts.first().endsWith(QStringLiteral("Möchten Sie trotzdem drucken?")));
            QCOMPARE(rig.messages.buttons.first(), QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(rig.printer.jobs.size(), printed ? 1 : 0);
        QCOMPARE(rig.dialogs.druckenRuns, printed ? 1 : 0);
        if (printed) {
            const bool landscape = layout.orientation() == QPageLayout::Landscape;
            QCOMPARE(landscapeShown, landscape);
            QCOMPARE(portraitShown, !landscape);
        }
    }

    // ------------------------------------------------------------ the page preview

    void previewOpensOnCurrentPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("page 1") << 1;
        QTest::newRow("continuation sheet") << 2;
    }

    void previewOpensOnCurrentPage()
    {
        QFETCH(int, page);
        SRig rig(m_defs);
        rig.form.view.SetCurrentPage(page);
        QString title;
        QStringList pages;
        int shown = 0;
        rig.dialogs.preview = [&](CDlgSeitenansicht& dlg) {
            title = dlg.windowTitle();
            pages = Items(dlg.PageList());
            shown = dlg.Page();
            QCOMPARE(dlg.PageList()->currentIndex(), page - 1);
            dlg.reject();
        };
        rig.Preview();
        QCOMPARE(title, QStringLiteral("Seitenansicht"));
        QCOMPARE(pages, (QStringList{"Seite 1", "Seite 2"}));
        QCOMPARE(shown, page);
        QCOMPARE(rig.events.log, QStringList{"preview"});
        QVERIFY(rig.printer.jobs.isEmpty());
    }

    // The black in the preview is where the printer puts it: the same ink,
    // at the same place on the sheet, as a print-out rendered at that scale.
    void previewShowsThePrintOut_data()
    {
        QTest::addColumn<int>("leftMargin"); // Left_Margin_EH
        QTest::addColumn<int>("topMargin");  // Top_Margin_EH
        QTest::addColumn<QMarginsF>("printable");
        QTest::addColumn<int>("zoom"); // percent
        QTest::newRow("no margins") << 0 << 0 << QMarginsF(5, 4, 5, 4) << 100;
        QTest::newRow("shifted right and up") << 40 << -25 << QMarginsF(5, 4, 5, 4) << 100;
        QTest::newRow("wide unprintable edge") << 0 << 15 << QMarginsF(12, 9, 6, 6) << 100;
        // Away from the screen's own resolution the fonts must still fit the sheet.
        QTest::newRow("zoom 75") << 20 << 10 << QMarginsF(5, 4, 5, 4) << 75;
        QTest::newRow("zoom 200") << 0 << 0 << QMarginsF(5, 4, 5, 4) << 200;
    }

    void previewShowsThePrintOut()
    {
        QFETCH(int, leftMargin);
        QFETCH(int, topMargin);
        QFETCH(QMarginsF, printable);
        QFETCH(int, zoom);
        Profile().WriteInt(D(), QStringLiteral("Left_Margin_EH"), leftMargin);
        Profile().WriteInt(D(), QStringLiteral("Top_Margin_EH"), topMargin);
        SRig rig(m_defs);
        rig.printer.layout = Layout(QPageSize::A4, QPageLayout::Portrait, printable);
        // Typed, not yet stored: the preview stores it first, as printing does.
        rig.form.view.GoToField(9, 1);
        rig.form.view.Editor()->SetWindowText(QStringLiteral("WWW Hamburg 123"));
        QImage picture;
        qreal s = 0;
        rig.dialogs.preview = [&](CDlgSeitenansicht& dlg) {
            dlg.ZoomList()->setCurrentIndex(dlg.ZoomList()->findData(zoom));
            s = dlg.screen()->logicalDotsPerInch() / 25.4 * zoom / 100.0;
            picture = dlg.Picture();
            dlg.reject();
        };
        rig.Preview();
        QVERIFY(!picture.isNull());
        const QImage paper = PaperOf(picture, s);

        // The print-out alone, on a white sheet at the same scale, moved by
        // the printer's unprintable edge; like a printer, the sheet has the
        // resolution it is drawn at.
        QImage reference(paper.size(), QImage::Format_RGB32);
        reference.fill(Qt::white);
        reference.setDotsPerMeterX(qRound(s * 1000));
        reference.setDotsPerMeterY(qRound(s * 1000));
        {
            const CSettingsStore profile = Profile();
            CFormPrinter formPrinter(rig.form.doc.Engine(), m_defs, profile, rig.form.view.FormVariant(),
                                     rig.form.doc.CrossMark());
            QPainter painter(&reference);
            painter.setRenderHint(QPainter::TextAntialiasing);
            CLometricPainter dc(painter, s * 25.4, -QPointF(printable.left() * s, printable.top() * s));
            formPrinter.OnPrint(dc, 1);
        }

        // Around field 9: its print rectangle at the print origin, with room
        // for a margin of a few millimetres either way.
        const QPoint origin = CFormPrinter::OriginFor(Profile(), 1);
        const SFieldTableRect r = CFieldTable::PrintRect(9, kMainSheet);
        const auto px = [&](qreal units, qreal edgeMm) { return int(edgeMm * s + units * s / 10.0); };
        const QRect window(QPoint(px(r.left + origin.x(), printable.left()) - int(6 * s),
                                  px(r.top - origin.y(), printable.top()) - int(6 * s)),
                           QPoint(px(r.right + origin.x(), printable.left()) + int(6 * s),
                                  px(r.bottom - origin.y(), printable.top()) + int(6 * s)));
        const QRect expected = InkBox(reference, window);
        const QRect shown = InkBox(paper, window);
        QVERIFY2(expected.width() > int(20 * s), "the field text was not printed");
        const auto near = [](int a, int b) { return qAbs(a - b) <= 2; };
        QVERIFY2(near(shown.left(), expected.left()) && near(shown.top(), expected.top())
                     && near(shown.right(), expected.right()) && near(shown.bottom(), expected.bottom()),
                 qPrintable(QStringLiteral("preview ink %1,%2 %3x%4, print-out %5,%6 %7x%8")
                                .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                                .arg(expected.x()).arg(expected.y()).arg(expected.width()).arg(expected.height())));

        // The form shows, but faintly: light green lines, none in full colour.
        int faint = 0;
        int strong = 0;
        for (int y = 0; y < paper.height(); ++y) {
            for (int x = 0; x < paper.width(); ++x) {
                const QColor c = QColor::fromRgb(paper.pixel(x, y));
                if (c.green() > c.red() + 20 && c.green() > c.blue() + 20) {
                    if (qGray(c.rgb()) > 150)
                        ++faint;
                    else if (c.green() <= 140 && c.red() < 60)
                        ++strong;
                }
            }
        }
        QVERIFY2(faint > 2000, qPrintable(QString::number(faint)));
        QCOMPARE(strong, 0);
        QVERIFY(rig.printer.jobs.isEmpty());
    }

    void previewPageSwitch()
    {
        SRig rig(m_defs);
        rig.form.SetText(11, 2, QStringLiteral("Maschinenteile aus Stahl"));
        QImage first;
        QImage second;
        QImage back;
        int shownAfterSwitch = 0;
        rig.dialogs.preview = [&](CDlgSeitenansicht& dlg) {
            first = dlg.Picture();
            dlg.PageList()->setCurrentIndex(1);
            shownAfterSwitch = dlg.Page();
            second = dlg.Picture();
            dlg.PageList()->setCurrentIndex(0);
            back = dlg.Picture();
            dlg.reject();
        };
        rig.Preview();
        QCOMPARE(shownAfterSwitch, 2);
        QVERIFY(first != second);
        QCOMPARE(back, first);
    }

    void previewButtons_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<int>("previewPage"); // switched to in the preview
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QList<QList<int>>>("jobs");
        QTest::newRow("Drucken...") << true << 1 << QStringList{"preview", "drucken", "print"} << QList<QList<int>>{{1}};
        // "Diese Seite drucken": the page on show is the one the print dialog offers.
        QTest::newRow("Drucken... on page 2")
            << true << 2 << QStringList{"preview", "drucken", "print"} << QList<QList<int>>{{2}};
        QTest::newRow("Schließen") << false << 2 << QStringList{"preview"} << QList<QList<int>>{};
    }

    void previewButtons()
    {
        QFETCH(bool, print);
        QFETCH(int, previewPage);
        QFETCH(QStringList, events);
        QFETCH(QList<QList<int>>, jobs);
        Profile().WriteInt(D(), QStringLiteral("ShowMarginDlgEH"), 1);
        SRig rig(m_defs);
        rig.dialogs.preview = [&](CDlgSeitenansicht& dlg) {
            dlg.PageList()->setCurrentIndex(previewPage - 1);
            for (QPushButton* b : dlg.findChildren<QPushButton*>()) {
                if (b->text() == (print ? QStringLiteral("&Drucken...") : QStringLiteral("Schließen"))) {
                    b->click();
                    return;
                }
            }
            QFAIL("button missing");
        };
        rig.Preview();
        QCOMPARE(rig.events.log, events);
        QCOMPARE(rig.printer.jobs, jobs);
        // The view stays on its page.
        QCOMPARE(rig.form.view.CurrentPage(), 1);
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
