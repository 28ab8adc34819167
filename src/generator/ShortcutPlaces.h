#pragma once

#include <QString>

namespace ulvanta::Shortcut {

// Marks a launcher file trusted where the desktop keeps such a mark ("gio set"),
// so that it starts without a warning about an untrusted launcher. True when the
// mark was set; without gio, or when it fails, nothing happens.
bool markTrusted(const QString& path);

// Copies a launcher file into the user's application menu (applicationsFolder
// empty: the "applications" folder of the user's data folder), under a name that
// cannot replace another program's entry. Returns the copy's path; throws Error.
QString addToApplicationMenu(const QString& path, const QString& applicationsFolder = {});

} // namespace ulvanta::Shortcut
