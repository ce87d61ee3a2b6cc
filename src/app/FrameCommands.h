#pragma once

#include <QList>
#include <QString>

struct SCommand;

// Commands of the application, the main frame and the documents.
namespace Cmd {
enum : int {
    kNew = 57600,
    kOpen = 57601,
    kClose = 57602,
    kSave = 57603,
    kSaveAs = 57604,
    kPrintSetup = 57606,
    kPrint = 57607,
    kRecentFile1 = 57616, // to 57623
    kAbout = 57664,
    kExit = 57665,
    kHelpIndex = 57666,
    kHelp = 57670,
    kNextPane = 57680,
    kPreviousPane = 57681,
    kToolbar = 59392,
    kStatusBar = 59393,
    kCustomize = 126,
    kWindowList = 131,
    kMargins = 32791,
    kPrinterFontSizes = 32793,
    kHomepage = 32801,
    kFormPresets = 32807,
    kInternalInfo = 32821,
    kResetFonts = 32823,
    kResetMenus = 32825,
    kResetAll = 32827,
    kPrintSizeCorrection = 32829,
    kMasterData = 32840,
    kProgramOptions = 32842,
    kPrintPreview = 32901,
    kCalibrationSheet = 32902,
};
} // namespace Cmd

namespace FrameCommands {
// The rows of these commands for the command table.
const QList<SCommand>& Rows();
} // namespace FrameCommands
