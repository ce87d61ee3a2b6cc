#include "PrintPreview.h"

#include "FormPrinter.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"
#include "view/FormLayout.h"
#include "view/FormPainter.h"

#include <QPainter>

namespace PrintPreview {

void PaintSheet(QPainter& painter, const SSheet& sheet, CFormPrinter& printer)
{
    const qreal s = sheet.pixelsPerMm;
    const QRectF paper(0, 0, kSheetWidthMm * s, kSheetHeightMm * s);
    painter.save();
    painter.fillRect(paper, Qt::white);
    painter.setClipRect(paper);

    const QPointF corner(sheet.printableMarginsMm.left() * s, sheet.printableMarginsMm.top() * s);
    const qreal dpi = s * 25.4;

    // The form picture, faint, at the print origin with no margins.
    {
        painter.save();
        painter.setOpacity(kFormOpacity);
        const QPoint nominal = CFormPrinter::NominalOrigin(sheet.page);
        const QPointF formOrigin = corner + QPointF(nominal.x() * s / 10.0, -nominal.y() * s / 10.0);
        CLometricPainter dc(painter, dpi, -formOrigin);
        CFormPainter::SOptions options;
        options.page = sheet.page;
        options.stampA = sheet.stampA;
        options.stampC = sheet.stampC;
        options.stampC2 = sheet.stampC2;
        options.definitions = sheet.definitions;
        options.formVariant = sheet.formVariant;
        options.printer = true; // no grey margin around the sheet
        CFormPainter::DrawSheet(dc, CFormLayout(10), sheet.page == 1 ? kMainSheet : kContSheet, options);
        painter.restore();
    }

    // The printable area's edge, dotted.
    const QRectF printable = QRectF(paper).marginsRemoved(QMarginsF(sheet.printableMarginsMm.left() * s,
                                                                     sheet.printableMarginsMm.top() * s,
                                                                     sheet.printableMarginsMm.right() * s,
                                                                     sheet.printableMarginsMm.bottom() * s));
    painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    painter.drawRect(printable.adjusted(0, 0, -1, -1));

    // What the printer gets, exactly as it gets it.
    CLometricPainter dc(painter, dpi, -corner);
    printer.OnPrint(dc, sheet.page);
    painter.restore();
}

} // namespace PrintPreview
