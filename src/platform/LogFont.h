#pragma once

#include <QFont>

class QPaintDevice;

// A font as the form's tables give it: the face, a cell height (ascent plus
// descent) in the units of whoever draws with it, a weight and an escapement
// in tenths of a degree. Height 0 means "no font".
struct SLogFont
{
    int height = 0;
    int weight = 400;
    int escapement = 0;

    bool IsValid() const { return height > 0; }
    friend bool operator==(const SLogFont&, const SLogFont&) = default;
};

namespace LogFont {

// The face that stands for Arial (Liberation Sans, metric-compatible).
QString FaceName();

// em size / cell height of the face, measured once.
qreal EmPerCellHeight();

// A QFont whose cell height is cellHeightPixels device pixels on a device of
// the given logical dpi; fractional sizes are kept.
QFont MakeFont(qreal cellHeightPixels, int weight, qreal deviceDpi);

} // namespace LogFont
