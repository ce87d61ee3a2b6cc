#include "FormPainter.h"

#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"

namespace {

const QColor kGreen(0, 128, 0);
const QColor kMarginGrey(128, 128, 128);
const QColor kEdgeMarkBlue(0, 0, 255);

void SelectPen(CLometricPainter& dc, CFormLayout::EPen pen)
{
    switch (pen) {
    case CFormLayout::kThinGreen: dc.SetPen(kGreen, 1); break;
    case CFormLayout::kHeavyGreen: dc.SetPen(kGreen, 4); break;
    case CFormLayout::kDottedGreen: dc.SetPen(kGreen, 1, Qt::DotLine); break;
    case CFormLayout::kThinBlack: dc.SetPen(Qt::black, 1); break;
    case CFormLayout::kHeavyBlack: dc.SetPen(Qt::black, 4); break;
    }
}

bool GroupShown(CFormLayout::ECondition condition, int sheetKind, const CFormPainter::SOptions& o)
{
    switch (condition) {
    case CFormLayout::kAlways: return true;
    case CFormLayout::kStampA: return o.stampA;
    case CFormLayout::kStampC: return sheetKind == kMainSheet ? o.stampC : o.stampC2;
    }
    return false;
}

bool Shown(const CFormPainter::SOptions& o, int index, int sheetKind)
{
    return !o.definitions || o.definitions->IsShown(index, sheetKind, o.formVariant);
}

} // namespace

QColor CFormPainter::ColourFromSetting(int colorref)
{
    const quint32 v = quint32(colorref);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

SLogRect CFormPainter::FieldDrawRect(int index, int sheetKind, int zoom)
{
    const SFieldTableRect r = CFieldTable::ScreenRect(index, sheetKind, zoom);
    return SLogRect{r.left + 2, -r.top, r.right + 2, -r.bottom};
}

void CFormPainter::PaintPage(CLometricPainter& dc, const CFormLayout& layout, CKivEditWindow& engine,
                             const SOptions& options)
{
    const int z = layout.Zoom();
    // The grey margin right of and below the sheet. The sheet drawing fills
    // all of it but a strip far right; filling the rest twice costs a
    // millisecond at large zooms.
    if (options.printer) {
        dc.FillRect(205 * z, 0, 400 * z, -350 * z, kMarginGrey);
        dc.FillRect(0, -298 * z, 400 * z, -350 * z, kMarginGrey);
    } else {
        dc.FillRect(350 * z, 0, 400 * z, -350 * z, kMarginGrey);
    }
    DrawSheet(dc, layout, options.page == 1 ? kMainSheet : kContSheet, options);
    DrawSheetTexts(dc, layout, engine, options);
}

void CFormPainter::DrawSheet(CLometricPainter& dc, const CFormLayout& layout, int sheetKind, const SOptions& options)
{
    const int z = layout.Zoom();
    if (!options.printer) {
        dc.FillRect(205 * z, 0, 350 * z, -450 * z, kMarginGrey);
        dc.FillRect(0, -298 * z, 350 * z, -450 * z, kMarginGrey);
    }
    // Edge marks, 4 x 3 mm on a 6 mm pitch up the right edge.
    for (int top = -295 * z, bottom = -298 * z; bottom < 0; top += 6 * z, bottom += 6 * z)
        dc.FillRect(201 * z, top, 205 * z, bottom, kEdgeMarkBlue);

    const CFormLayout::SSheet& sheet = layout.Sheet(sheetKind);
    for (const CFormLayout::SGroup& g : sheet.groups) {
        if (!GroupShown(g.condition, sheetKind, options))
            continue;
        SelectPen(dc, g.pen);
        for (const CFormLayout::SSegment& s : g.segments) {
            dc.MoveTo(s.x1, s.y1);
            dc.LineTo(s.x2, s.y2);
        }
    }

    dc.SetTextColour(kGreen);
    int currentFont = -1;
    for (const CFormLayout::SCaption& c : sheet.captions) {
        if (c.font != currentFont) {
            dc.SetFont(layout.Font(c.font));
            currentFont = c.font;
        }
        dc.TextOut(c.x, c.y, c.text, true);
    }
    dc.SetTextColour(Qt::black);
}

void CFormPainter::DrawSheetTexts(CLometricPainter& dc, const CFormLayout& layout, CKivEditWindow& engine,
                                  const SOptions& options)
{
    const int z = layout.Zoom();
    if (options.page == 1) {
        dc.SetTextColour(options.fieldTextColour);
        for (int i = 0; i < kMainFieldCount; ++i) {
            if (!Shown(options, i, kMainSheet))
                continue;
            SLogRect r = FieldDrawRect(i, kMainSheet, z);
            engine.DrawField(dc, r, i, 1, false);
        }
        return;
    }
    dc.SetTextColour(Qt::black);
    // Box 1 of every continuation sheet shows page 1's box 1.
    for (int i = 0; i < 3; ++i) {
        if (!Shown(options, i, kMainSheet))
            continue;
        SLogRect r = FieldDrawRect(i, kMainSheet, z);
        engine.DrawField(dc, r, i, 1, false);
    }
    for (int i = 0; i < kContFieldCount; ++i) {
        if (!Shown(options, i, kContSheet))
            continue;
        SLogRect r = FieldDrawRect(i, kContSheet, z);
        engine.DrawField(dc, r, i, options.page, false);
    }
}
