#include "MenuTable.h"

#include "CommandTable.h"
#include "FrameCommands.h"

namespace MenuTable {

const QList<SMenu>& Menus(int menuId)
{
    static const QList<SMenu> noDocument = {
        {QStringLiteral("&Datei"), {Cmd::kNew, Cmd::kOpen, Cmd::kClose, 0, Cmd::kPrintSetup, 0, kRecentFiles, Cmd::kAbout, 0, Cmd::kExit}},
        {QStringLiteral("&Optionen"), {Cmd::kPrinterFontSizes, Cmd::kCalibrationSheet, Cmd::kMasterData, 0, Cmd::kProgramOptions}},
        {QStringLiteral("&Ansicht"), {kToolbarsSubmenu, Cmd::kStatusBar}},
        {QStringLiteral("&Hilfe"), {Cmd::kHelp, 0, Cmd::kHomepage}},
    };
    static const QList<SMenu> document = {
        {QStringLiteral("&Datei"),
         {Cmd::kNew, Cmd::kOpen, Cmd::kClose, Cmd::kSaveAs, 0, Cmd::kPrint, Cmd::kPrintPreview, Cmd::kPrintSetup, 0, kRecentFiles, Cmd::kAbout, 0,
          Cmd::kExit}},
        {QStringLiteral("&Bearbeiten"),
         {Cmd::kInsertPresets, 0, Cmd::kUndo, Cmd::kCut, Cmd::kCopy, Cmd::kPaste, Cmd::kSelectAll, Cmd::kInsertMode, 0,
          Cmd::kMovePosition, Cmd::kRemoveLastPage, 0, Cmd::kNextField, Cmd::kPreviousField, 0, Cmd::kFontLarger,
          Cmd::kFontSmaller, Cmd::kFontBold, 0, Cmd::kAlignLeft, Cmd::kAlignCentre, Cmd::kAlignRight, 0, Cmd::kFillPositions}},
        {QStringLiteral("&Optionen"),
         {Cmd::kMasterData, Cmd::kFormPresets, Cmd::kMargins, Cmd::kPrinterFontSizes, Cmd::kCalibrationSheet, 0,
          Cmd::kProgramOptions}},
        {QStringLiteral("&Formular"), {Cmd::kNextPage, Cmd::kPreviousPage, Cmd::kFirstPage, Cmd::kLastPage, Cmd::kAddPage}},
        {QStringLiteral("&Ansicht"), {kToolbarsSubmenu, Cmd::kStatusBar, 0, Cmd::kZoomIn, Cmd::kZoomOut}},
        {QStringLiteral("&Hilfe"), {Cmd::kHelp, 0, Cmd::kHomepage}},
    };
    return menuId == 128 ? noDocument : document;
}

const QList<int>& ToolbarButtons()
{
    static const QList<int> buttons = {
        Cmd::kExit, 0, Cmd::kNew, Cmd::kOpen, Cmd::kSave, 0, Cmd::kCut, Cmd::kCopy, Cmd::kPaste, Cmd::kInsertPresets, 0,
        Cmd::kZoomIn, Cmd::kZoomOut, 0, Cmd::kFontLarger, Cmd::kFontSmaller, Cmd::kFontBold, 0, Cmd::kAlignLeft,
        Cmd::kAlignCentre, Cmd::kAlignRight, 0, Cmd::kFillPositions, 0, Cmd::kMargins, Cmd::kPrint, 0, Cmd::kFirstPage,
        Cmd::kPreviousPage, Cmd::kNextPage, Cmd::kLastPage, Cmd::kAddPage, 0, Cmd::kAbout, Cmd::kHelp,
    };
    return buttons;
}

} // namespace MenuTable
