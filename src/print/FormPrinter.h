#pragma once

#include "fields/KivEditWindow.h"

#include <QList>
#include <QPoint>

class CFieldDefinitions;
class CLometricPainter;
class CSettingsStore;

// What lands on the pre-printed sheet for one page: the field texts at their
// print rectangles, moved by the calibration margins, and the positioning
// marks. Coordinates are 0.1 mm from the printable area's top-left corner,
// y negative downwards. The form's lines are never printed.
class CFormPrinter
{
public:
    // Fixed distance of the print origin from the printable area's left
    // edge, by sheet kind, and from its top edge.
    static constexpr int kMainOffsetX = 30;
    static constexpr int kContOffsetX = 40;
    static constexpr int kOffsetY = 10;

    CFormPrinter(CKivEditWindow& engine, const CFieldDefinitions& definitions, const CSettingsStore& profile,
                 int variant, quint8 crossMark);

    // The print origin of a page from the margins stored now.
    static QPoint OriginFor(const CSettingsStore& profile, int page);
    // The origin with every margin 0: where the pre-printed form lies for a
    // printer that feeds it exactly.
    static QPoint NominalOrigin(int page);

    QPoint PrintOrigin() const { return m_origin; }
    void SetPrintOrigin(QPoint origin) { m_origin = origin; }

    // A field's print rectangle (kind 1: page 1, otherwise continuation)
    // moved to the print origin, y negative downwards.
    SLogRect GetFieldPrintRect(int index, int kind) const;

    // A field text as it goes to the printer: the field, the page whose text
    // it is, and the rectangle handed to the engine (before the correction
    // factors, which the engine applies).
    struct SPrintItem
    {
        int index = 0;
        int page = 0;
        SLogRect rect;
        friend bool operator==(const SPrintItem&, const SPrintItem&) = default;
    };
    // Sets the origin for the page and lists its texts in printing order.
    QList<SPrintItem> PrintItems(int page);

    // One sheet of page `page`: rebuilds the print fonts, sets the origin,
    // prints the marks and every printed field.
    void OnPrint(CLometricPainter& dc, int page);
    // The X the document's cross-mark flag asks for, at the current origin.
    void PrintCrossMark(CLometricPainter& dc);

    // The print font size in percent, held to what the size dialog allows.
    static int FontFactor(const CSettingsStore& profile);

    // The corner near the top-left and the stroke near the bottom of page 1,
    // at a print origin; never stretched by the correction.
    static void PrintPositioningMark(CLometricPainter& dc, QPoint origin);

private:
    SPrintItem Item(int index, int kind, int page) const;

    CKivEditWindow& m_engine;
    const CFieldDefinitions& m_definitions;
    const CSettingsStore& m_profile;
    int m_variant;
    quint8 m_crossMark;
    QPoint m_origin;
};
