#pragma once

#include <QString>

namespace ulvanta {

class Document;
class Prompter;

namespace Shortcut {

// The shortcut's name made from the page title: trimmed of spaces, characters a
// file name cannot hold replaced (\ / by _, < > by ( ), * by x, " by '', ? by !,
// : by ;, | by the broken bar) and cut to 250 characters.
QString name(const QString& title);

// Expands %NAME% references to environment variables; unknown names stay as
// they are.
QString expandEnvironment(const QString& text);

// One argument of a desktop entry's Exec line, quoted when it must be (always
// when quote is true), in the escaped form the entry file holds.
QString execArgument(const QString& argument, bool quote);

// The text of the desktop entry that starts the launcher on the built page. All
// values are the properties exactly as stored: a path holding "&" or "é" must
// stay a working path.
QString desktopEntry(const QString& programFolder, const Document& doc);

} // namespace Shortcut

// Create Shortcut on Desktop: a launcher entry (name + ".desktop", executable) in
// the desktop folder that starts ulvanta2.exe on the built page.
class ShortcutWriter {
public:
    // desktopFolder empty: the user's desktop folder (XDG_DESKTOP_DIR).
    ShortcutWriter(const Document& doc, Prompter& prompter, QString programFolder,
                   QString desktopFolder = {});

    // The desktop folder used.
    const QString& desktopFolder() const { return m_desktop; }
    // The path of the shortcut file for the current title.
    QString filePath() const;

    // True when the shortcut was written (and the success reported).
    bool run();

private:
    const Document& m_doc;
    Prompter& m_prompter;
    QString m_programFolder;
    QString m_desktop;
};

} // namespace ulvanta
