#include "LometricPainter.h"

#include <QFontMetricsF>

namespace {

// Stored texts break lines with CR LF; the painter wants LF.
QString DisplayText(const QString& text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace

CLometricPainter::CLometricPainter(QPainter& painter, qreal dpi, QPointF scrollPx)
    : m_painter(painter)
    , m_dpi(dpi > 0 ? dpi : 96.0)
    , m_scale(m_dpi / 254.0)
    , m_scroll(scrollPx)
{
}

QRectF CLometricPainter::ToDevice(qreal left, qreal top, qreal right, qreal bottom) const
{
    return QRectF(ToDevice(left, top), ToDevice(right, bottom)).normalized();
}

void CLometricPainter::SetPen(const QColor& colour, int width, Qt::PenStyle style)
{
    QPen pen(colour);
    pen.setWidthF(qMax<qreal>(1.0, width * m_scale));
    pen.setStyle(style);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
}

void CLometricPainter::LineTo(int x, int y)
{
    m_painter.drawLine(ToDevice(m_current.x(), m_current.y()), ToDevice(x, y));
    m_current = QPoint(x, y);
}

void CLometricPainter::FillRect(int left, int top, int right, int bottom, const QColor& colour)
{
    m_painter.fillRect(ToDevice(left, top, right, bottom), colour);
}

void CLometricPainter::SetFont(const SLogFont& font)
{
    if (!font.IsValid())
        return; // a missing font leaves the one in use
    m_fontCell = font.height;
    m_fontEscapement = font.escapement;
    m_font = LogFont::MakeFont(font.height * m_scale, font.weight, m_dpi);
    m_painter.setFont(m_font);
}

void CLometricPainter::TextOut(int x, int y, const QString& text, bool bottomAligned)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF m(m_font, m_painter.device());
    const QPointF p = ToDevice(x, y);
    const qreal baseline = bottomAligned ? p.y() - m.descent() : p.y() + m.ascent();
    m_painter.setPen(m_textColour);
    m_painter.drawText(QPointF(p.x(), baseline), text);
}

int CLometricPainter::DrawText(int left, int top, int right, int bottom, const QString& text,
                               Qt::Alignment alignment, bool singleLine)
{
    if (text.isEmpty())
        return 0;
    const QRectF r = ToDevice(left, top, right, bottom);
    int flags = int(alignment) | Qt::AlignTop | Qt::TextDontClip;
    flags |= singleLine ? Qt::TextSingleLine : Qt::TextWordWrap;
    m_painter.setPen(m_textColour);
    QRectF drawn;
    if (m_fontEscapement != 0) {
        // A tilted font turns the text about the rectangle's corner.
        m_painter.save();
        m_painter.translate(r.topLeft());
        m_painter.rotate(-m_fontEscapement / 10.0);
        m_painter.drawText(QRectF(QPointF(0, 0), r.size()), flags, DisplayText(text), &drawn);
        m_painter.restore();
    } else {
        m_painter.drawText(r, flags, DisplayText(text), &drawn);
    }
    return qRound(drawn.height() / m_scale);
}
