#pragma once

#include "forms/IconEntry.h"

#include <QString>

namespace ulvanta {

class KeyValueFile;

// Turning a page built for the launcher into an icon that opens it: the icon's
// description is the page's title and its picture the one the page's settings
// give the launcher window.
namespace PageLink {

inline QString dialogTitle() {
    return QStringLiteral("Browse for Ulvanta HTML File");
}
inline QString dialogPattern() {
    return QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html|");
}
// The launcher beside the editor; appPath ends in a separator.
QString launcherPath(const QString& appPath);

// The page's whole text, or empty text when it cannot be read.
QString readPage(const QString& path);

// The text between the first "<title>" and the first "</title>" (tags in any
// case), line breaks as blanks, trimmed and decoded. Without "<title>" the file
// name without its extension; with "<title>" but no closing tag after it, empty.
QString description(const QString& pagePath, const QString& content);

// The key=value lines of the page's settings comment, each ending in CR (as the
// key file reads them); empty when the page has none.
QString settingsText(const QString& content);

// The fields of an icon that opens the page: in a new launcher window (the
// launcher as command, the page as its parameter) or in the same one (the page as
// command, run style "Hyperlink"). keys is left holding the page's settings.
IconEntry::Fields link(const QString& pagePath, const QString& content, bool newWindow,
                       const QString& appPath, KeyValueFile& keys);

} // namespace PageLink
} // namespace ulvanta
