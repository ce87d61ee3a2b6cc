#pragma once

#include <QString>
#include <QStringList>

class CRegeditManagment;
class CSettingsStore;

// The parts of start-up that decide something, without any window.
namespace StartUp {

struct SCommandLine
{
    bool setupMode = false;
    QString path; // empty: a new document
};

// The command line is one string: "-init" at its start runs setup mode,
// anything else is one path (enclosing quotes removed, blanks allowed).
SCommandLine ParseCommandLine(const QStringList& arguments);

// A path shortened for the recent-file menu: root, "...", as much of the
// end as fits, and always at least the file name.
QString AbbreviatePath(const QString& path, int maxChars = 30);

// Setup mode: forget the window state, create the data directory, let the
// user's group read and write the master data files, and register the
// .t2l type with the desktop where its tools are present. Each line of
// report says what was done or why not.
bool RunSetupMode(const CSettingsStore& profile, const CRegeditManagment& library, QStringList* report);

// Where the manual is looked for, in order: beside the program, the
// installed share folder, the working directory.
QStringList ManualCandidates(const QString& programDir);

} // namespace StartUp
