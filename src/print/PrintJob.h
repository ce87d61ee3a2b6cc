#pragma once

#include <QList>
#include <QString>

class CFormPrinter;
class QPagedPaintDevice;

// Running the sheets of a print through a paged device: a printer (origin
// at the printable area's top-left corner) or a PDF of the bare A4 sheet.
namespace PrintJob {

// The sheets of a print run: the chosen page once per copy.
QList<int> Copies(int page, int copies);

// Prints one sheet per entry of pages, in that order, as one job. False
// when the device cannot be painted on (no printer, unwritable file).
bool PrintSheets(QPagedPaintDevice& device, CFormPrinter& printer, const QList<int>& pages);

// The sheets as an A4 PDF whose printable area is the whole sheet, so the
// positions in the file are the computed ones. The file is replaced only
// when it has been written completely.
bool WritePdf(const QString& path, CFormPrinter& printer, const QList<int>& pages, QString* errorText);

// Resolution of the PDF: fine enough that rounding to its grid stays far
// below the 0.1 mm the layout is given in.
constexpr int kPdfResolution = 1200;

} // namespace PrintJob
