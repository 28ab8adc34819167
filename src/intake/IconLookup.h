#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace ulvanta::intake {

// The freedesktop data folders: $XDG_DATA_HOME (default ~/.local/share), then each
// of $XDG_DATA_DIRS (default /usr/local/share:/usr/share).
QString dataHome();
QStringList dataDirs();
// dataHome() followed by dataDirs(), without repeats.
QStringList allDataDirs();

// Turns an entry's Icon value into an image file: an existing absolute path as it
// is; otherwise the icon themes' "apps" pictures, the largest raster size first,
// then the scalable one (the user's theme, the themes it inherits, then hicolor),
// then the pixmap folders. The theme folders are read once, on the first look-up.
class IconLookup {
public:
    struct Places {
        QStringList iconRoots;  // folders holding theme folders, in order of precedence
        QStringList pixmapDirs; // folders of loose pictures, searched last
        QString theme;          // the user's theme; empty or "hicolor" for none
    };
    // The data folders' "icons", ~/.icons, /usr/share/pixmaps and the desktop's theme.
    static Places systemPlaces();

    explicit IconLookup(Places places = systemPlaces());

    // Empty when no picture is found.
    QString find(const QString& iconValue);

    // The themes searched, in order: the user's theme, the themes it inherits
    // (breadth-first through index.theme's Inherits=), then hicolor.
    static QStringList themeChain(const Places& places);

private:
    struct Candidate {
        QString path;
        int rank = 0;
    };
    void index();
    void indexTheme(const QString& theme, int themeRank);

    Places m_places;
    bool m_indexed = false;
    QHash<QString, Candidate> m_best;
};

} // namespace ulvanta::intake
