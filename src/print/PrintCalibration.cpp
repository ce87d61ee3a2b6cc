#include "PrintCalibration.h"

#include "app/SettingsStore.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace PrintCalibration {

float StepLeft(float h)
{
    return h > -kMarginLimit ? h - kMarginStep : -kMarginLimit;
}

float StepRight(float h)
{
    return h < kMarginLimit ? h + kMarginStep : kMarginLimit;
}

namespace {

QString Describe(float value, const char* positive, const char* negative)
{
    if (value > 0)
        return QString::asprintf(positive, double(value));
    if (value < 0)
        return QString::asprintf(negative, -double(value));
    return QStringLiteral("unverändert");
}

QString Number(float value)
{
    return QString::number(double(value), 'g', 6);
}

} // namespace

QString HorizontalText(float h)
{
    return Describe(h, "%2.1f mm nach rechts", "%2.1f mm nach links");
}

QString VerticalText(float v)
{
    return Describe(v, "%2.1f mm nach unten", "%2.1f mm nach oben");
}

int ToTenths(float value)
{
    if (std::isnan(value))
        return 0;
    // A float of 99.5 or -19.7 times ten lands a hair beside the whole
    // number; settle it at a thousandth before cutting off the fraction.
    const double settled = std::round(double(value) * 10000.0) / 1000.0;
    const double cut = std::trunc(settled);
    if (cut >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (cut <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(cut);
}

float FromTenths(int tenths)
{
    return float(tenths / 10.0);
}

std::optional<float> ParseDecimal(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)\\s*$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    // Far beyond any range checked here; keeps the conversion to float defined.
    constexpr double kLimit = 1e30;
    return float(d > kLimit ? kLimit : d < -kLimit ? -kLimit : d);
}

std::optional<int> ParseInteger(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([+-]?)[0-9]+\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    // Too many digits is still a whole number, just far out of any range.
    const bool negative = m.captured(1) == QLatin1String("-");
    if (!ok || n > std::numeric_limits<int>::max() || n < std::numeric_limits<int>::min())
        return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return int(n);
}

QString DecimalMessage()
{
    return QStringLiteral("Bitte geben Sie eine Zahl ein.\nEingabe mit Punkt; kein Komma!");
}

QString IntegerMessage()
{
    return QStringLiteral("Bitte geben Sie eine ganze Zahl ein.");
}

QString DecimalRangeMessage(float min, float max)
{
    return QStringLiteral("Bitte geben Sie eine Zahl zwischen %1 und %2 ein.").arg(Number(min), Number(max));
}

QString IntegerRangeMessage(int min, int max)
{
    return QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(min).arg(max);
}

SMargins ReadMargins(const CSettingsStore& profile)
{
    const QString& s = SettingsSection::kDefaults;
    SMargins m;
    m.left = FromTenths(profile.ReadInt(s, kLeftMargin, 0));
    m.top = FromTenths(profile.ReadInt(s, kTopMargin, 0));
    m.left2 = FromTenths(profile.ReadInt(s, kLeftMargin2, 0));
    m.top2 = FromTenths(profile.ReadInt(s, kTopMargin2, 0));
    m.dontShow = profile.ReadInt(s, kShowMarginDlg, 0) != 0;
    return m;
}

void StoreMargins(const CSettingsStore& profile, const SMargins& m)
{
    const QString& s = SettingsSection::kDefaults;
    profile.WriteInt(s, kShowMarginDlg, m.dontShow ? 1 : 0);
    profile.WriteInt(s, kLeftMargin, ToTenths(m.left));
    profile.WriteInt(s, kTopMargin, ToTenths(m.top));
    profile.WriteInt(s, kLeftMargin2, ToTenths(m.left2));
    profile.WriteInt(s, kTopMargin2, ToTenths(m.top2));
}

} // namespace PrintCalibration
