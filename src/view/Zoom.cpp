#include "Zoom.h"

#include "app/SettingsStore.h"

#include <QtMath>

namespace Zoom {

int DefaultBaseZoom(int screenHeight, bool newerSystem)
{
    int d = 14;
    if (screenHeight < 490)
        d = 22;
    else if (screenHeight < 610)
        d = 18;
    else if (screenHeight < 770)
        d = 16;
    return newerSystem ? d - 3 : d;
}

int InitZoom(const CSettingsStore& profile, const QString& section, int screenHeight, qreal dpiX)
{
    const int f = profile.ReadInt(section, QStringLiteral("ZoomFactor"), DefaultBaseZoom(screenHeight));
    profile.WriteInt(section, QStringLiteral("ZoomFactorLU"), f);
    const int dpi = dpiX > 0 ? qRound(dpiX) : 96;
    const int s = qRound(100.0 * dpi / 96.0);
    profile.WriteInt(section, QStringLiteral("WinFormScaledFactor"), s);
    const int o = profile.ReadInt(SettingsSection::kSettings, QStringLiteral("WinFormScaledFactorOv"), s);
    // Damaged settings (zero, negative, absurd) must still leave a usable form.
    return qBound(kUsableMin, int(qint64(o) * f / 100), kUsableMax);
}

} // namespace Zoom
