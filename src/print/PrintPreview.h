#pragma once

#include <QMarginsF>

class CFieldDefinitions;
class CFormPrinter;
class QPainter;

// The page as the printer will put it on the sheet: the A4 sheet, the
// printer's printable area, the form picture faintly where a pre-printed
// form lies for a printer that feeds it exactly, and the print-out itself
// with every margin and correction applied.
namespace PrintPreview {

constexpr qreal kSheetWidthMm = 210.0;
constexpr qreal kSheetHeightMm = 297.0;
// How strongly the form picture shows behind the texts.
constexpr qreal kFormOpacity = 0.3;

struct SSheet
{
    int page = 1;
    qreal pixelsPerMm = 4.0;
    QMarginsF printableMarginsMm; // from the sheet's edges to the printable area
    bool stampA = false;
    bool stampC = false;
    bool stampC2 = false;
    const CFieldDefinitions* definitions = nullptr;
    int formVariant = 0;
};

// Paints the sheet with its top-left corner at the painter's origin. The
// painter's device must have the resolution pixelsPerMm gives (the fonts
// are sized for it).
void PaintSheet(QPainter& painter, const SSheet& sheet, CFormPrinter& printer);

} // namespace PrintPreview
