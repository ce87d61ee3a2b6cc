#pragma once

#include <QList>
#include <QString>

// The menus of the main window: 128 while no document is open, 130 while a
// document window is active. Entries are command ids; 0 is a separator.
namespace MenuTable {

enum ESpecial : int {
    kRecentFiles = -1,     // the recent-file entries, with a separator after them
    kToolbarsSubmenu = -2, // "&Symbolleisten und Andockfenster"
};

struct SMenu
{
    QString title;
    QList<int> entries;
};

const QList<SMenu>& Menus(int menuId); // 128 or 130

// Toolbar 129, in order; 0 is a separator.
const QList<int>& ToolbarButtons();

} // namespace MenuTable
