// The print commands of the form view.

#include "EinheitspapierView.h"

#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "platform/Prompts.h"
#include "print/Common_DlgMargin02.h"
#include "print/DlgDrucken.h"
#include "print/DlgSeitenansicht.h"
#include "print/FormPrinter.h"
#include "print/PaperCheck.h"
#include "print/PrintCalibration.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"

#include <QComboBox>
#include <QPageLayout>
#include <QPrinter>

namespace {

CEinheitspapierView::SPrintHooks& Hooks()
{
    static CEinheitspapierView::SPrintHooks hooks;
    return hooks;
}

QString ConfigurePrinter(QPrinter& printer)
{
    if (Hooks().configure)
        return Hooks().configure(printer);
    return PrinterChoice::Configure(printer) ? printer.printerName() : QString();
}

bool PrintSheets(QPrinter& printer, CFormPrinter& formPrinter, const QList<int>& sheets)
{
    if (Hooks().print)
        return Hooks().print(printer, formPrinter, sheets);
    return PrintJob::PrintSheets(printer, formPrinter, sheets);
}

const QString kNoRememberedPrinter = QStringLiteral("@");

} // namespace

void CEinheitspapierView::SetPrintHooks(SPrintHooks hooks)
{
    Hooks() = std::move(hooks);
}

void CEinheitspapierView::OnFilePrint(int firstPage)
{
    // "Druckerauswahl" starts the command again with the printer chosen then;
    // the bound only guards against a loop nobody can leave.
    for (int round = 0; round < 100 && PrintOnce(firstPage); ++round) {
    }
}

bool CEinheitspapierView::PrintOnce(int firstPage)
{
    const CSettingsStore& p = Profile();
    const QString& d = SettingsSection::kDefaults;
    CKivEditWindow& e = Engine();
    GoToField(e.GetCurrentField(), e.GetCurrentPage()); // stores the text being edited

    if (p.ReadInt(d, PrintCalibration::kShowMarginDlg, 0) == 0)
        Common_DlgMargin02::RunMargins(p, this);

    const QString remembered = p.ReadString(d, QStringLiteral("Printer"), kNoRememberedPrinter);
    const bool reuse = remembered != kNoRememberedPrinter && p.ReadInt(d, QStringLiteral("ReUsePrn"), 0) == 1;
    if (reuse)
        PrinterChoice::SelectByName(this, remembered);

    QPrinter printer(QPrinter::HighResolution);
    const QString printerName = ConfigurePrinter(printer);
    if (printerName.isEmpty()) {
        Prompts::Show(this, QMessageBox::Warning, PrinterChoice::NoPrinterText());
        return false;
    }
    printer.setDocName(QStringLiteral("Einheitspapier T2L"));
    if (!ConfirmPaperFormat(this, p, printer))
        return false;

    CDlgDrucken dlg(e.GetPageCount(), printerName, printer.pageLayout().orientation() == QPageLayout::Portrait, reuse, this);
    if (firstPage > 1 && firstPage <= dlg.PageList()->count())
        dlg.PageList()->setCurrentIndex(firstPage - 1);
    if (RunDialog(dlg) != QDialog::Accepted) {
        viewport()->update();
        if (!dlg.PrinterChoiceRequested())
            return false;
        PrinterChoice::RunSetup(this, [this](QDialog& setup) { return RunDialog(setup); });
        p.WriteString(d, QStringLiteral("Printer"), kNoRememberedPrinter);
        p.WriteInt(d, QStringLiteral("ReUsePrn"), 0);
        return true;
    }
    p.WriteInt(d, QStringLiteral("ReUsePrn"), dlg.ReusePrinter() ? 1 : 0);
    p.WriteString(d, QStringLiteral("Printer"), dlg.ReusePrinter() ? dlg.PrinterName() : kNoRememberedPrinter);

    CFormPrinter formPrinter(e, m_definitions, p, FormVariant(), m_doc.CrossMark());
    if (!PrintSheets(printer, formPrinter, PrintJob::Copies(dlg.Page(), dlg.Copies())))
        Prompts::Show(this, QMessageBox::Warning, PrinterChoice::PrintFailedText(printerName));
    // The print fonts replaced nothing the screen uses, but redraw as after any dialog.
    viewport()->update();
    return false;
}

void CEinheitspapierView::ShowPrintPreview()
{
    const CSettingsStore& p = Profile();
    const QString& d = SettingsSection::kDefaults;
    CKivEditWindow& e = Engine();
    GoToField(e.GetCurrentField(), e.GetCurrentPage());

    QPrinter printer(QPrinter::HighResolution);
    const QString printerName = ConfigurePrinter(printer);
    PrintPreview::SSheet sheet;
    sheet.page = m_currentPage;
    if (!printerName.isEmpty()) {
        // The printer's unprintable edges, where the print origin begins.
        const QPageLayout layout = printer.pageLayout();
        const QRectF full = layout.fullRect(QPageLayout::Millimeter);
        const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
        sheet.printableMarginsMm = QMarginsF(paint.left() - full.left(), paint.top() - full.top(),
                                             full.right() - paint.right(), full.bottom() - paint.bottom());
    }
    // Read afresh: the presets may have switched the stamps since the view was made.
    sheet.stampA = p.ReadInt(d, QStringLiteral("Stamp_A"), 0) == 1;
    sheet.stampC = p.ReadInt(d, QStringLiteral("Stamp_C"), 0) == 1;
    sheet.stampC2 = p.ReadInt(d, QStringLiteral("Stamp_C2"), 0) == 1;
    sheet.definitions = &m_definitions;
    sheet.formVariant = FormVariant();

    CFormPrinter formPrinter(e, m_definitions, p, FormVariant(), m_doc.CrossMark());
    CDlgSeitenansicht dlg(formPrinter, sheet, e.GetPageCount(), printerName, this);
    const bool print = RunDialog(dlg) == QDialog::Accepted && dlg.PrintRequested();
    viewport()->update();
    // "Drucken..." is "Diese Seite drucken": the page on show, not page 1.
    if (print)
        OnFilePrint(dlg.Page());
}
