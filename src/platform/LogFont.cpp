#include "LogFont.h"

#include <QFontInfo>
#include <QFontMetricsF>

namespace LogFont {

QString FaceName()
{
    return QStringLiteral("Arial");
}

qreal EmPerCellHeight()
{
    static const qreal ratio = [] {
        QFont f(FaceName());
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(1000);
        const QFontMetricsF m(f);
        const qreal cell = m.ascent() + m.descent();
        return cell > 0 ? 1000.0 / cell : 1.0 / 1.117;
    }();
    return ratio;
}

QFont MakeFont(qreal cellHeightPixels, int weight, qreal deviceDpi)
{
    QFont f(FaceName());
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferNoHinting); // keep the form's proportions at every zoom
    const qreal emPixels = qMax<qreal>(cellHeightPixels * EmPerCellHeight(), 0.5);
    f.setPointSizeF(emPixels * 72.0 / (deviceDpi > 0 ? deviceDpi : 96.0));
    // LOGFONT weights are 100..900; Qt's enum has the same scale.
    f.setWeight(static_cast<QFont::Weight>(qBound(100, weight, 900)));
    return f;
}

} // namespace LogFont
