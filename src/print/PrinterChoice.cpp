#include "PrinterChoice.h"

#include "platform/Prompts.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace PrinterChoice {

namespace {

QString& CurrentName()
{
    static QString name;
    return name;
}

// The paper chosen in the setup, for the printer it was chosen for.
struct SLayout
{
    QString printer;
    QPageLayout layout;
};
SLayout& ChosenLayout()
{
    static SLayout layout;
    return layout;
}

} // namespace

QString Current()
{
    return CurrentName();
}

void SetCurrent(const QString& name)
{
    CurrentName() = name;
}

QString NoPrinterText()
{
    return QStringLiteral("Es ist kein Drucker eingerichtet.\nBitte richten Sie zuerst einen Drucker ein.");
}

QString PrintFailedText(const QString& printerName)
{
    return QStringLiteral("Der Druck auf %1 konnte nicht ausgeführt werden.").arg(printerName);
}

bool SelectByName(QWidget* parent, const QString& name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        Prompts::Show(parent, QMessageBox::Warning,
                      QStringLiteral("Der Drucker %1 konnte nicht gefunden werden.\nEs wird der Standarddrucker verwendet.").arg(name));
        return false;
    }
    CurrentName() = info.printerName();
    return true;
}

bool Configure(QPrinter& printer)
{
    QPrinterInfo info = CurrentName().isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(CurrentName());
    if (info.isNull())
        info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            return false;
        info = all.first();
    }
    printer.setPrinterName(info.printerName());
    if (ChosenLayout().printer == info.printerName() && ChosenLayout().layout.isValid())
        printer.setPageLayout(ChosenLayout().layout);
    return true;
}

bool RunSetup(QWidget* parent, const std::function<int(QDialog&)>& run)
{
    QPrinter printer(QPrinter::HighResolution);
    Configure(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Druckeinrichtung"));
    // Only the printer and its properties: the page is chosen in our dialog.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (run(dialog) != QDialog::Accepted)
        return false;
    CurrentName() = printer.printerName();
    ChosenLayout() = {printer.printerName(), printer.pageLayout()};
    return true;
}

} // namespace PrinterChoice
