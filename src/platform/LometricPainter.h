#pragma once

#include "LogFont.h"

#include <QColor>
#include <QPainter>
#include <QPen>

// Drawing in tenths of a millimetre with y 0 at the sheet's top edge and
// negative downwards, the way the form's tables are written. Coordinates are
// turned into device pixels here (y negated), so glyphs are never mirrored.
class CLometricPainter
{
public:
    // dpi: device pixels per inch; scrollPx: device position of the sheet's
    // top-left corner subtracted from every point (the scroll position).
    CLometricPainter(QPainter& painter, qreal dpi, QPointF scrollPx = QPointF());

    QPainter& Painter() { return m_painter; }
    qreal Dpi() const { return m_dpi; }
    qreal PixelsPerUnit() const { return m_scale; }

    QPointF ToDevice(qreal x, qreal y) const { return {x * m_scale - m_scroll.x(), -y * m_scale - m_scroll.y()}; }
    QRectF ToDevice(qreal left, qreal top, qreal right, qreal bottom) const;

    // A pen whose width is in logical units (at least one device pixel).
    void SetPen(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine);
    void MoveTo(int x, int y) { m_current = QPoint(x, y); }
    void LineTo(int x, int y);
    void FillRect(int left, int top, int right, int bottom, const QColor& colour);

    // A font given by its cell height in logical units.
    void SetFont(const SLogFont& font);
    const QFont& Font() const { return m_font; }
    qreal FontCellPixels() const { return m_fontCell * m_scale; }
    void SetTextColour(const QColor& colour) { m_textColour = colour; }

    // Text with its bottom-left (bottomAligned) or top-left corner at (x, y).
    void TextOut(int x, int y, const QString& text, bool bottomAligned);

    // Word-wrapped text in a rectangle, not clipped; alignment is Qt's
    // horizontal flag. Returns the height of the drawn text in logical units.
    int DrawText(int left, int top, int right, int bottom, const QString& text, Qt::Alignment alignment,
                 bool singleLine);

private:
    QPainter& m_painter;
    qreal m_dpi;
    qreal m_scale;
    QPointF m_scroll;
    QPoint m_current;
    QFont m_font;
    int m_fontCell = 0;
    int m_fontEscapement = 0;
    QColor m_textColour = Qt::black;
};
