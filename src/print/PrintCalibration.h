#pragma once

#include <QString>

#include <optional>

class CSettingsStore;

// What the three calibration dialogs decide, without any widget: the margin
// steps and their descriptions, the conversion between the stored tenths and
// the values shown, and the checks of typed numbers.
namespace PrintCalibration {

// Setting names.
inline const QString kLeftMargin = QStringLiteral("Left_Margin_EH");
inline const QString kTopMargin = QStringLiteral("Top_Margin_EH");
inline const QString kLeftMargin2 = QStringLiteral("Left_Margin2_EH");
inline const QString kTopMargin2 = QStringLiteral("Top_Margin2_EH");
inline const QString kShowMarginDlg = QStringLiteral("ShowMarginDlgEH");
inline const QString kFactorV = QStringLiteral("PrnFactorV");
inline const QString kFactorH = QStringLiteral("PrnFactorH");
inline const QString kFontFactor = QStringLiteral("PrinterFontFactor");

inline constexpr int kFactorDefault = 1000;
inline constexpr int kFontFactorDefault = 95;

// Margins: 0.5 mm steps, held within ±20 mm.
inline constexpr float kMarginStep = 0.5f;
inline constexpr float kMarginLimit = 20.0f;
// Print-area correction in percent, printer fonts in percent.
inline constexpr float kCorrectionMin = 97.0f;
inline constexpr float kCorrectionMax = 103.0f;
inline constexpr int kFontFactorMin = 50;
inline constexpr int kFontFactorMax = 150;

// The four arrow buttons. A value already beyond the limit (a stored one)
// is set back to the limit by the first press in that direction.
float StepLeft(float h);  // "L" and "O"
float StepRight(float h); // "R" and "U"

// "%2.1f mm nach rechts" / "nach links" / "unverändert", and the same for
// "nach unten" / "nach oben", with the decimal point of the printf format.
QString HorizontalText(float h);
QString VerticalText(float v);

// trunc(value × 10) for storing tenths. The float's representation error
// is removed first, so 1.5 gives 15, -19.7 gives -197 and 99.5 gives 995,
// however the product rounds.
int ToTenths(float value);
// Stored tenths as the dialogs show them.
float FromTenths(int tenths);

// A decimal number as the correction dialog takes it: digits with an
// optional decimal point, an optional sign, white space around. A comma or
// anything else gives nothing.
std::optional<float> ParseDecimal(const QString& text);
// A whole number: digits with an optional sign, white space around.
std::optional<int> ParseInteger(const QString& text);

// The messages of a typed value that is no number or out of range.
QString DecimalMessage();
QString IntegerMessage();
QString DecimalRangeMessage(float min, float max);
QString IntegerRangeMessage(int min, int max);

// The margins as the dialog edits them.
struct SMargins
{
    float left = 0;
    float top = 0;
    float left2 = 0;
    float top2 = 0;
    bool dontShow = false;
};
SMargins ReadMargins(const CSettingsStore& profile);
void StoreMargins(const CSettingsStore& profile, const SMargins& margins);

} // namespace PrintCalibration
