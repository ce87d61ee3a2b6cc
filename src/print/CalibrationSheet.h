#pragma once

#include <QString>

class CFieldDefinitions;
class CLometricPainter;
class CSettingsStore;

// A sheet of plain paper for setting up a printer: the lines of form page 1
// where this printer puts the form (margins and corrections applied), the
// positioning mark, and millimetre rulers along the printable area's top and
// left edges. Laid on a pre-printed form against the light it shows how far
// the print-out is off.
namespace CalibrationSheet {

void Print(CLometricPainter& dc, const CSettingsStore& profile, const CFieldDefinitions* definitions);

// The line under the title: the values the sheet was printed with.
QString SettingsLine(const CSettingsStore& profile);

} // namespace CalibrationSheet
