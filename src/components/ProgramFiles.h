#pragma once

#include <QIcon>
#include <QString>

namespace ulvanta {

// Where the program's own files are, relative to the program itself, so that a
// build folder and an installation under any prefix both work.
namespace ProgramFiles {

// The name the desktop knows the editor by: its application entry, icon and
// metadata files are named after it.
QString applicationId();

// The help folder, ending in a separator, for a program in programFolder: the
// "help" folder beside the program (a build folder) or else the installed data
// folder reached from it; the first of the two when neither holds index.html.
QString helpFolder(const QString& programFolder);

// The application icon at every size bundled into the program (none in a
// program built without it).
QIcon applicationIcon();

} // namespace ProgramFiles
} // namespace ulvanta
