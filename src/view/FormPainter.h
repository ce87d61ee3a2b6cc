#pragma once

#include "FormLayout.h"
#include "fields/KivEditWindow.h"

#include <QColor>

class CFieldDefinitions;
class CLometricPainter;

// Paints one page of a document the way the form view shows it: the grey
// margin, the edge marks, the rules, frames and captions of its sheet kind,
// then the field texts. Used by the view and for rendering to an image.
class CFormPainter
{
public:
    struct SOptions
    {
        int page = 1;
        bool stampA = false;
        bool stampC = false;  // box C frame on page 1
        bool stampC2 = false; // box C frame on continuation sheets
        QColor fieldTextColour = QColor(0, 0, 255);
        const CFieldDefinitions* definitions = nullptr; // null: every field shown
        int formVariant = 0;
        bool printer = false;
    };

    static QColor ColourFromSetting(int colorref);

    // Everything the view paints for a page.
    static void PaintPage(CLometricPainter& dc, const CFormLayout& layout, CKivEditWindow& engine, const SOptions& options);

    static void DrawSheet(CLometricPainter& dc, const CFormLayout& layout, int sheetKind, const SOptions& options);
    static void DrawSheetTexts(CLometricPainter& dc, const CFormLayout& layout, CKivEditWindow& engine,
                               const SOptions& options);

    // The drawing rectangle of a field: its table rectangle at the zoom,
    // 0.2 mm to the right, y negated.
    static SLogRect FieldDrawRect(int index, int sheetKind, int zoom);
};
