#include "intake/IconLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>

namespace ulvanta::intake {

namespace {

QString envPath(const char* name) {
    return QString::fromLocal8Bit(qgetenv(name));
}

const QStringList& pictureSuffixes() {
    static const QStringList s{QStringLiteral("png"), QStringLiteral("xpm"), QStringLiteral("svg"),
                               QStringLiteral("svgz")};
    return s;
}

bool isScalable(const QString& suffix) {
    return suffix.startsWith(QLatin1String("svg"));
}

// The pixel size a theme's size folder stands for ("48x48", "32x32@2"); 0 for
// "scalable", -1 for folders that hold no application pictures.
int folderSize(const QString& name) {
    if (name == QLatin1String("scalable"))
        return 0;
    const qsizetype x = name.indexOf(QLatin1Char('x'));
    if (x <= 0)
        return -1;
    bool ok = false;
    const int size = name.left(x).toInt(&ok);
    if (!ok)
        return -1;
    const qsizetype at = name.indexOf(QLatin1Char('@'));
    const int scale = at > 0 ? qMax(1, name.mid(at + 1).toInt()) : 1;
    return size * scale;
}

// The themes a theme's index.theme names under Inherits=.
QStringList inheritedThemes(const QStringList& roots, const QString& theme) {
    for (const QString& root : roots) {
        QFile f(root + QLatin1Char('/') + theme + QStringLiteral("/index.theme"));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!f.atEnd()) {
            const QString line = QString::fromUtf8(f.readLine()).trimmed();
            if (line.startsWith(QLatin1String("Inherits=")))
                return line.mid(9).split(QLatin1Char(','), Qt::SkipEmptyParts);
        }
    }
    return {};
}

} // namespace

QString dataHome() {
    const QString home = envPath("XDG_DATA_HOME");
    return home.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : home;
}

QStringList dataDirs() {
    QStringList dirs = envPath("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs;
}

QStringList allDataDirs() {
    QStringList all{dataHome()};
    for (const QString& d : dataDirs())
        if (!all.contains(d))
            all << d;
    return all;
}

IconLookup::Places IconLookup::systemPlaces() {
    Places p;
    for (const QString& d : allDataDirs())
        p.iconRoots << d + QStringLiteral("/icons");
    p.iconRoots << QDir::homePath() + QStringLiteral("/.icons");
    p.pixmapDirs << QStringLiteral("/usr/share/pixmaps");
    // Only a running desktop application knows the theme in use.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        p.theme = QIcon::themeName();
    return p;
}

IconLookup::IconLookup(Places places) : m_places(std::move(places)) {}

QStringList IconLookup::themeChain(const Places& places) {
    QStringList chain;
    if (!places.theme.isEmpty())
        chain << places.theme;
    // Breadth-first through Inherits=; the list itself guards against cycles.
    for (qsizetype i = 0; i < chain.size(); ++i)
        for (const QString& parent : inheritedThemes(places.iconRoots, chain[i]))
            if (!chain.contains(parent.trimmed()))
                chain << parent.trimmed();
    chain.removeAll(QStringLiteral("hicolor"));
    chain << QStringLiteral("hicolor");
    return chain;
}

void IconLookup::indexTheme(const QString& theme, int themeRank) {
    for (const QString& root : m_places.iconRoots) {
        const QDir themeDir(root + QLatin1Char('/') + theme);
        if (!themeDir.exists())
            continue;
        for (const QString& sizeName : themeDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const int size = folderSize(sizeName);
            if (size < 0)
                continue;
            const QDir apps(themeDir.filePath(sizeName + QStringLiteral("/apps")));
            for (const QFileInfo& fi : apps.entryInfoList(QDir::Files)) {
                const QString suffix = fi.suffix().toLower();
                if (!pictureSuffixes().contains(suffix))
                    continue;
                // Lower ranks win: earlier theme, raster before scalable, larger first.
                const bool scalable = size == 0 || isScalable(suffix);
                const int rank =
                    themeRank * 200000 + (scalable ? 100000 : 100000 - qMin(size, 99999));
                const QString name = fi.completeBaseName();
                const auto it = m_best.constFind(name);
                if (it == m_best.cend() || rank < it->rank)
                    m_best.insert(name, Candidate{fi.filePath(), rank});
            }
        }
    }
}

void IconLookup::index() {
    m_indexed = true;
    const QStringList chain = themeChain(m_places);
    for (int i = 0; i < chain.size(); ++i)
        indexTheme(chain[i], i);
}

QString IconLookup::find(const QString& iconValue) {
    const QString value = iconValue.trimmed();
    if (value.isEmpty())
        return {};
    const QFileInfo given(value);
    if (given.isAbsolute() && given.isFile())
        return value;
    // A name given with its picture suffix is looked up without it.
    QString name = given.fileName();
    if (pictureSuffixes().contains(given.suffix().toLower()))
        name = given.completeBaseName();
    if (!m_indexed)
        index();
    if (const auto it = m_best.constFind(name); it != m_best.cend())
        return it->path;
    for (const QString& dir : m_places.pixmapDirs) {
        for (const QString& suffix : pictureSuffixes()) {
            const QString path = dir + QLatin1Char('/') + name + QLatin1Char('.') + suffix;
            if (QFileInfo::exists(path))
                return path;
        }
    }
    return {};
}

} // namespace ulvanta::intake
