#pragma once

#include "model/ItemList.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace ulvanta::intake {

class IconLookup;

// The [Desktop Entry] group of a freedesktop .desktop file, with its texts in the
// user's language where the file gives them.
struct DesktopEntry {
    QString type;
    QString name;
    QString comment;
    QString exec;
    QString path; // the working folder
    QString icon; // as written: a theme icon name or a file
    QString url;  // Type=Link only
    QStringList categories;
    QStringList keywords;
    bool terminal = false;
    bool noDisplay = false;
    bool hidden = false;

    bool isLink() const { return type == QLatin1String("Link"); }
};

// A parsed entry, or why the file cannot become an icon row ("has no Exec"; the
// phrase follows the file's name in a message).
struct DesktopEntryReading {
    DesktopEntry entry;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

// The largest .desktop file and line read; bigger ones are refused.
constexpr qsizetype maxDesktopFile = 1024 * 1024;
constexpr qsizetype maxDesktopLine = 64 * 1024;

// Reads the entry from the file's bytes. A localized key (Name[de_DE], Name[de])
// is taken for the locale when present, following the freedesktop matching order.
DesktopEntryReading parseDesktopEntry(const QByteArray& text,
                                      const QLocale& locale = QLocale::system());
DesktopEntryReading readDesktopEntry(const QString& filePath,
                                     const QLocale& locale = QLocale::system());

// An Exec value split into the program and its arguments: quoting and escapes
// resolved, field codes (%f, %U, %i, ...) dropped, %% turned into %. Empty when
// the value holds no program or leaves a quote open.
QStringList splitExec(const QString& exec);

// Arguments joined into an icon's Parameters, quoted so that the launcher splits
// them back into the same words.
QString joinArguments(const QStringList& arguments);

// The icon row of a valid entry: an application starts its program (Exec, Path,
// Comment), a link opens its URL; the icon resolved to a picture file.
ItemRow desktopEntryRow(const DesktopEntry& entry, IconLookup& icons);

} // namespace ulvanta::intake
