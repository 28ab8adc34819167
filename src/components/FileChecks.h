#pragma once

#include <QString>

namespace ulvanta {

// What is at a path.
namespace FileChecks {

// True exactly when a file (not a folder) exists at the path.
bool fileExists(const QString& path);
// True exactly when a folder exists at the path.
bool folderExists(const QString& path);
// The path made absolute (from the current folder) and clean: no "." or ".."
// parts, no doubled separators. Empty stays empty.
QString absoluteClean(const QString& path);

enum PathKindValue : int {
    PathNothing = 0,
    PathOther =
        1, // exists, is neither a plain file nor a folder, and has an icon (device, socket, ...)
    PathFile = 2,
    PathFolder = 3,
};
int pathKind(const QString& path);

} // namespace FileChecks
} // namespace ulvanta
