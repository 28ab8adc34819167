#pragma once

#include "intake/IconLookup.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <stop_token>

namespace ulvanta::intake {

// One picture file of a themed icon.
struct ThemeIconFile {
    QString path;
    int size = 0;          // in pixels (the folder's size times its scale); 0 when unknown
    bool scalable = false; // an SVG picture
};

// An icon name and its picture files, all from the first place that has the name.
struct ThemeIcon {
    QString name;
    QList<ThemeIconFile> files;
};

// Every icon of the desktop's icon themes, for choosing one by picture: the
// theme's icons, those of the themes it inherits, hicolor's, then the loose
// pictures of the pixmap folders. Only PNG and SVG pictures count, the two a
// page can show. Reading a large theme takes a while: build() is meant for a
// worker thread and returns early, with what it has read, once stop is requested.
class ThemeIconIndex {
public:
    // The icon folders ~/.icons, then those of $XDG_DATA_HOME and $XDG_DATA_DIRS; the
    // data folders' pixmaps; the desktop's theme (desktopTheme()).
    static IconLookup::Places systemPlaces();
    // The theme the desktop uses: Qt's theme, else the one configured for GTK or
    // KDE applications, else hicolor.
    static QString desktopTheme();

    static ThemeIconIndex build(const IconLookup::Places& places, std::stop_token stop = {});

    // Sorted by name, ignoring case.
    const QList<ThemeIcon>& icons() const { return m_icons; }
    // The icon of that name; nullptr when there is none.
    const ThemeIcon* find(const QString& name) const;

    // The file to show at a size: the PNG nearest in size (the larger of two
    // equally near), since a page shows PNG as it is; an SVG only when there is no
    // PNG. Empty for an icon without files.
    static QString closestFile(const ThemeIcon& icon, int size);
    // The pixel size a size setting names; fallback when it is no positive number.
    static int sizeFromSetting(const QString& text, int fallback);

private:
    void addTheme(const IconLookup::Places& places, const QString& theme, std::stop_token stop);
    void addPixmaps(const QStringList& dirs);
    // Adds a file to the icon of its name, unless a place before the one whose
    // icons start at firstOfPlace already had the name.
    void add(const QString& name, const ThemeIconFile& file, qsizetype firstOfPlace);

    QList<ThemeIcon> m_icons;
    QHash<QString, qsizetype> m_byName;
};

} // namespace ulvanta::intake
