#pragma once

#include <QString>

class CSettingsStore;

// The zoom of the form view in tenths (10 = real size).
namespace Zoom {

constexpr int kMin = 10; // the zoom commands keep the zoom within these
constexpr int kMax = 25;
constexpr int kUsableMin = 2; // what any zoom is held to, whatever the settings say
constexpr int kUsableMax = 100;

// Base zoom by screen height; newer systems (all here) take 3 less.
int DefaultBaseZoom(int screenHeight, bool newerSystem = true);

// The starting zoom: the stored base zoom (or the default for the screen)
// times the display scale. Records what it used in the view's section.
int InitZoom(const CSettingsStore& profile, const QString& section, int screenHeight, qreal dpiX);

} // namespace Zoom
