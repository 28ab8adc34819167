#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace ulvanta::launcher {

// The window settings a page carries in its closing "<!-- Ulvanta info:" comment.
// Members start at the values a page without the optional lines means.
struct PageSettings {
    static constexpr int DefaultWidth = 492;
    static constexpr int DefaultHeight = 412;

    bool closable = true;        // "Closable=False" turns it off
    bool extraCommands = true;   // "Extra commands=False" turns it off
    int width = DefaultWidth;    // pixels
    int height = DefaultHeight;  // pixels
    QString icon;                // window icon, empty for the launcher's own
    bool minimiseOnUse = false;  // "Minimise on use=True"
    bool startMaximised = false; // "Start maximised=True"
    QString sourceFile;          // the document the page was built from, may be empty

    bool operator==(const PageSettings&) const = default;
};

// The settings of the last settings comment in the page, or nullopt when it has
// none. Values pass through HtmlText::decode; a Width or Height that is not a positive
// number keeps its default. Booleans count only in the exact spelling the page
// generator writes ("False", "True").
std::optional<PageSettings> readPageSettings(const QString& html);

// The text of the page's first <title> element with entities decoded and blanks
// collapsed as a browser shows it; empty when there is none.
QString readPageTitle(const QString& html);

// A page as the launcher shows it: its absolute path, title and settings. A
// relative Icon or Source file is taken from the page's folder.
struct LoadedPage {
    QString path;
    QString title;
    std::optional<PageSettings> settings;
};

// Reads the page at the path; throws Error naming why it cannot (53 File not
// found, 76 Path not found, 70 Permission denied, 75 for a folder, 52 for no name).
// Only the first and last megabytes of a very large file are read: the title
// stands at the start and the settings comment at the end.
LoadedPage loadPage(const QString& path);

// The page named by the launcher's arguments: joined by single spaces (the editor
// passes the path unquoted after one space), one pair of surrounding double
// quotes removed (the desktop shortcut quotes it), a file: URL taken as its path.
QString pagePathFromArguments(const QStringList& arguments);

} // namespace ulvanta::launcher
