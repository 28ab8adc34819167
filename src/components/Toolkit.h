#pragma once

#include <QImage>
#include <QString>

namespace ulvanta {

// Path tests, shell icons and the conversion of text for the page.
namespace Toolkit {

// True exactly when a file (not a folder) exists at the path.
bool FileExists(const QString& path);
// True exactly when a folder exists at the path.
bool FolderExists(const QString& path);

enum PathKindValue : int {
    PathNothing = 0,
    PathOther =
        1, // exists, is neither a plain file nor a folder, and has an icon (device, socket, ...)
    PathFile = 2,
    PathFolder = 3,
};
int PathKind(const QString& path);

// The icon that stands for the file or folder at the path, as the desktop shows
// it: the icon theme's (an executable named by a .desktop entry gets that entry's
// icon), else a generic picture drawn here, so a picture is always returned.
QImage SmallIcon(const QString& path); // 16 x 16
QImage LargeIcon(const QString& path); // 32 x 32

// Makes text safe inside the page's HTML: & < > " become entities and every
// character above "~" becomes "&#N;" (N its decimal code point), so the page is
// plain ASCII. The second argument is kept for the callers' sake and ignored.
QString EncodeText(const QString& text, bool unused = false);
// Undoes exactly the five forms EncodeText writes; other text is left alone.
QString DecodeText(const QString& text);

} // namespace Toolkit
} // namespace ulvanta
