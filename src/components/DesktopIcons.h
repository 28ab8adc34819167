#pragma once

#include <QImage>
#include <QString>

namespace ulvanta {

// The icon that stands for the file or folder at a path, as the desktop shows
// it: the icon theme's (an executable named by a .desktop entry gets that entry's
// icon), else a generic picture drawn here, so a picture is always returned.
namespace DesktopIcons {

QImage smallIcon(const QString& path); // 16 x 16
QImage largeIcon(const QString& path); // 32 x 32

} // namespace DesktopIcons
} // namespace ulvanta
