#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// The program's commands: id, menu text with its & mnemonic, keys, and the
// status bar / tooltip text.
struct SCommand
{
    int id;
    QString menuText;
    QList<QKeySequence> keys;
    QString statusTip;
    QString toolTip; // empty: the menu text without its mnemonic
};

namespace Cmd {
enum : int {
    kInsertPresets = 32809,
    kUndo = 57643,
    kCut = 57635,
    kCopy = 57634,
    kPaste = 57637,
    kSelectAll = 57642,
    kInsertMode = 32773,
    kNextField = 32775,
    kPreviousField = 32777,
    kFontLarger = 32779,
    kFontSmaller = 32781,
    kFontBold = 32783,
    kAlignLeft = 32785,
    kAlignCentre = 32787,
    kAlignRight = 32789,
    kZoomIn = 32866,
    kZoomOut = 32867,
    kNextPage = 32815,
    kPreviousPage = 32816,
    kFirstPage = 32817,
    kLastPage = 32818,
    kAddPage = 32819,
    kFillPositions = 32844,
    kMovePosition = 32874,
    kDeletePosition = 32876,
    kRemoveLastPage = 32878,
};
} // namespace Cmd

namespace CommandTable {

// Every command of the program, view commands first.
const QList<SCommand>& All();
// Null for an unknown id.
const SCommand* Find(int id);
// Commands that act on a form view (nothing to do without a document).
bool IsViewCommand(int id);

struct SMenuEntry
{
    int id; // 0: a separator
    QString text;
};

// The popup the field editor shows, with its own texts.
const QList<SMenuEntry>& EditorContextMenu();

} // namespace CommandTable
