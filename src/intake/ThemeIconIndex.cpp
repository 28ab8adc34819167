#include "intake/ThemeIconIndex.h"

#include "components/LocaleNumber.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <algorithm>
#include <cmath>

namespace ulvanta::intake {

namespace {

// One folder of a theme, as its index.theme describes it.
struct ThemeFolder {
    QString path; // relative to the theme's folder
    int size = 0; // in pixels
};

// The groups of an ini-style file: group name -> key -> value.
using IniGroups = QHash<QString, QHash<QString, QString>>;

IniGroups readIni(const QString& path) {
    IniGroups groups;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return groups;
    QString group;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.startsWith(QLatin1Char('#')))
            groups[group].insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return groups;
}

QStringList listValue(const QString& value) {
    QStringList items = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& i : items)
        i = i.trimmed();
    return items;
}

// The size a folder named like "48x48", "32x32@2" or "scalable" stands for; -1
// for other names.
int sizeOfFolderName(const QString& name) {
    if (name == QLatin1String("scalable"))
        return 0;
    const qsizetype x = name.indexOf(QLatin1Char('x'));
    bool ok = false;
    const int size = x > 0 ? name.left(x).toInt(&ok) : 0;
    if (!ok)
        return -1;
    const qsizetype at = name.indexOf(QLatin1Char('@'));
    return size * (at > 0 ? qMax(1, name.mid(at + 1).toInt()) : 1);
}

// The folders of a theme: those its index.theme lists (from the first icon root
// that has one), else, for a theme without one, its size folders' subfolders.
QList<ThemeFolder> themeFolders(const QStringList& roots, const QString& theme) {
    QList<ThemeFolder> folders;
    for (const QString& root : roots) {
        const IniGroups ini = readIni(root + QLatin1Char('/') + theme + "/index.theme");
        if (ini.isEmpty())
            continue;
        const QHash<QString, QString> head = ini.value(QStringLiteral("Icon Theme"));
        for (const QString& dir : listValue(head.value(QStringLiteral("Directories"))) +
                                      listValue(head.value(QStringLiteral("ScaledDirectories")))) {
            const QHash<QString, QString> d = ini.value(dir);
            const int size = d.value(QStringLiteral("Size")).toInt();
            const int scale = qMax(1, d.value(QStringLiteral("Scale")).toInt());
            if (size > 0)
                folders.append({dir, size * scale});
        }
        return folders;
    }
    for (const QString& root : roots) {
        const QDir themeDir(root + QLatin1Char('/') + theme);
        for (const QString& sizeName : themeDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const int size = sizeOfFolderName(sizeName);
            if (size < 0)
                continue;
            const QDir sizeDir(themeDir.filePath(sizeName));
            for (const QString& sub : sizeDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                const QString path = sizeName + QLatin1Char('/') + sub;
                if (std::none_of(folders.cbegin(), folders.cend(),
                                 [&](const ThemeFolder& f) { return f.path == path; }))
                    folders.append({path, size});
            }
        }
    }
    return folders;
}

// The PNG and SVG pictures of a folder, by name.
QFileInfoList pictures(const QString& dir) {
    return QDir(dir).entryInfoList({QStringLiteral("*.png"), QStringLiteral("*.svg")},
                                   QDir::Files | QDir::Readable, QDir::Name);
}

// The icon theme named in a GTK settings.ini or KDE's kdeglobals.
QString configuredTheme() {
    QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    const struct {
        const char* file;
        const char* group;
        const char* key;
    } places[] = {{"/gtk-4.0/settings.ini", "Settings", "gtk-icon-theme-name"},
                  {"/gtk-3.0/settings.ini", "Settings", "gtk-icon-theme-name"},
                  {"/kdeglobals", "Icons", "Theme"}};
    for (const auto& p : places) {
        const QString theme = readIni(config + QLatin1String(p.file))
                                  .value(QLatin1String(p.group))
                                  .value(QLatin1String(p.key));
        if (!theme.isEmpty())
            return theme;
    }
    return {};
}

} // namespace

QString ThemeIconIndex::desktopTheme() {
    // Only a running desktop application knows the theme in use.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QString qtTheme = QIcon::themeName();
        if (!qtTheme.isEmpty() && qtTheme != QLatin1String("hicolor"))
            return qtTheme;
    }
    const QString configured = configuredTheme();
    return configured.isEmpty() ? QStringLiteral("hicolor") : configured;
}

IconLookup::Places ThemeIconIndex::systemPlaces() {
    // The freedesktop order: ~/.icons, kept for older programs, comes first.
    IconLookup::Places p;
    p.iconRoots << QDir::homePath() + QStringLiteral("/.icons");
    for (const QString& d : allDataDirs()) {
        p.iconRoots << d + QStringLiteral("/icons");
        p.pixmapDirs << d + QStringLiteral("/pixmaps");
    }
    p.theme = desktopTheme();
    return p;
}

void ThemeIconIndex::add(const QString& name, const ThemeIconFile& file, qsizetype firstOfPlace) {
    const auto it = m_byName.constFind(name);
    if (it == m_byName.cend()) {
        m_byName.insert(name, m_icons.size());
        m_icons.append({name, {file}});
    } else if (*it >= firstOfPlace) {
        m_icons[*it].files.append(file);
    }
}

void ThemeIconIndex::addTheme(const IconLookup::Places& places, const QString& theme,
                              std::stop_token stop) {
    const qsizetype first = m_icons.size();
    for (const ThemeFolder& folder : themeFolders(places.iconRoots, theme)) {
        // Every root holds a part of the theme: the user's own icons and the system's.
        for (const QString& root : places.iconRoots) {
            if (stop.stop_requested())
                return;
            const QString dir = root + QLatin1Char('/') + theme + QLatin1Char('/') + folder.path;
            for (const QFileInfo& fi : pictures(dir)) {
                const bool svg = fi.suffix() == QLatin1String("svg");
                // "x-symbolic.symbolic.png" is a drawn picture of the icon "x-symbolic".
                QString name = fi.completeBaseName();
                if (name.endsWith(QLatin1String("-symbolic.symbolic")))
                    name.chop(9);
                add(name, {fi.filePath(), folder.size, svg}, first);
            }
        }
    }
}

void ThemeIconIndex::addPixmaps(const QStringList& dirs) {
    const qsizetype first = m_icons.size();
    for (const QString& dir : dirs)
        for (const QFileInfo& fi : pictures(dir))
            add(fi.completeBaseName(), {fi.filePath(), 0, fi.suffix() == QLatin1String("svg")},
                first);
}

ThemeIconIndex ThemeIconIndex::build(const IconLookup::Places& places, std::stop_token stop) {
    ThemeIconIndex index;
    for (const QString& theme : IconLookup::themeChain(places))
        index.addTheme(places, theme, stop);
    if (!stop.stop_requested())
        index.addPixmaps(places.pixmapDirs);
    std::sort(index.m_icons.begin(), index.m_icons.end(),
              [](const ThemeIcon& a, const ThemeIcon& b) {
                  const int c = a.name.compare(b.name, Qt::CaseInsensitive);
                  return c != 0 ? c < 0 : a.name < b.name;
              });
    for (qsizetype i = 0; i < index.m_icons.size(); ++i)
        index.m_byName.insert(index.m_icons[i].name, i);
    return index;
}

const ThemeIcon* ThemeIconIndex::find(const QString& name) const {
    const auto it = m_byName.constFind(name);
    return it == m_byName.cend() ? nullptr : &m_icons[*it];
}

QString ThemeIconIndex::closestFile(const ThemeIcon& icon, int size) {
    const ThemeIconFile* best = nullptr;
    const auto better = [size](const ThemeIconFile& a, const ThemeIconFile& b) {
        if (a.scalable != b.scalable)
            return b.scalable;
        const int da = std::abs(a.size - size);
        const int db = std::abs(b.size - size);
        return da != db ? da < db : a.size > b.size;
    };
    for (const ThemeIconFile& f : icon.files)
        if (!best || better(f, *best))
            best = &f;
    return best ? best->path : QString();
}

int ThemeIconIndex::sizeFromSetting(const QString& text, int fallback) {
    const std::optional<double> v = readLocaleNumber(text);
    if (!v || !std::isfinite(*v) || *v < 1 || *v > 4096)
        return fallback;
    return int(std::nearbyint(*v)); // half to even, as the page rounds
}

} // namespace ulvanta::intake
