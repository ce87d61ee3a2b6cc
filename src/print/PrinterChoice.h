#pragma once

#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

// The application's current printer, chosen by name; empty means the
// system's default printer.
namespace PrinterChoice {

QString Current();
void SetCurrent(const QString& name);

// Makes the named printer current, or says that it is missing and keeps
// the current one.
bool SelectByName(QWidget* parent, const QString& name);

// The messages of a print that cannot start or fails.
QString NoPrinterText();
QString PrintFailedText(const QString& printerName);

// Points a printer at the current choice. False when the system has no
// printer at all.
bool Configure(QPrinter& printer);

// The system's dialog for choosing the printer and its paper; on OK the
// chosen printer becomes current. run shows the dialog (tests answer it).
bool RunSetup(QWidget* parent, const std::function<int(QDialog&)>& run);

} // namespace PrinterChoice
