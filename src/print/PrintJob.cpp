#include "PrintJob.h"

#include "FormPrinter.h"
#include "platform/LometricPainter.h"
#include "platform/SafeSave.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace PrintJob {

QList<int> Copies(int page, int copies)
{
    return QList<int>(qMax(0, copies), page);
}

bool PrintSheets(QPagedPaintDevice& device, CFormPrinter& printer, const QList<int>& pages)
{
    if (pages.isEmpty())
        return true;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        CLometricPainter dc(painter, device.logicalDpiX());
        printer.OnPrint(dc, pages.at(i));
    }
    return painter.end();
}

bool WritePdf(const QString& path, CFormPrinter& printer, const QList<int>& pages, QString* errorText)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Velmora-T2L"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        if (!PrintSheets(writer, printer, pages)) {
            if (errorText)
                *errorText = QStringLiteral("Die PDF-Seiten konnten nicht erzeugt werden.");
            return false;
        }
    }
    return SaveFileAtomically(path, buffer.data(), errorText);
}

} // namespace PrintJob
