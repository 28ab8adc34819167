#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace ulvanta {

// The icon that stands for the file or folder at a path, as the desktop shows
// it: the icon theme's (an executable named by a .desktop entry gets that entry's
// icon), else a generic picture drawn here, so a picture is always returned.
namespace DesktopIcons {

QImage smallIcon(const QString& path); // 16 x 16
QImage largeIcon(const QString& path); // 32 x 32

// The same pictures as icons drawn at whatever size they are shown, so that they
// stay sharp at any scale.
QIcon icon(const QString& path);
// The theme's icon of that name, else the generic program picture.
QIcon namedIcon(const QString& name);
// The generic pictures: a program's window, a web page.
QIcon programIcon();
QIcon webIcon();

} // namespace DesktopIcons
} // namespace ulvanta
