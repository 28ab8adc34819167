#include "intake/InstalledApplications.h"

#include "intake/IconLookup.h"
#include "intake/IntakeRows.h"

#include <QDirIterator>
#include <QSet>
#include <algorithm>
#include <map>

namespace ulvanta::intake {

namespace {

// The freedesktop main categories and the titles menus give them.
const QList<std::pair<QString, QString>>& mainCategories() {
    static const QList<std::pair<QString, QString>> m{
        {QStringLiteral("AudioVideo"), QStringLiteral("Sound & Video")},
        {QStringLiteral("Audio"), QStringLiteral("Sound & Video")},
        {QStringLiteral("Video"), QStringLiteral("Sound & Video")},
        {QStringLiteral("Development"), QStringLiteral("Programming")},
        {QStringLiteral("Education"), QStringLiteral("Education")},
        {QStringLiteral("Game"), QStringLiteral("Games")},
        {QStringLiteral("Graphics"), QStringLiteral("Graphics")},
        {QStringLiteral("Network"), QStringLiteral("Internet")},
        {QStringLiteral("Office"), QStringLiteral("Office")},
        {QStringLiteral("Science"), QStringLiteral("Science")},
        {QStringLiteral("Settings"), QStringLiteral("Settings")},
        {QStringLiteral("System"), QStringLiteral("System Tools")},
        {QStringLiteral("Utility"), QStringLiteral("Accessories")},
    };
    return m;
}

QString mainCategory(const QStringList& categories) {
    for (const QString& c : categories)
        for (const auto& [id, title] : mainCategories())
            if (c == id)
                return id;
    return {};
}

const QString& otherTitle() {
    static const QString o = QStringLiteral("Other");
    return o;
}

} // namespace

QStringList applicationDirs() {
    QStringList dirs;
    for (const QString& d : allDataDirs())
        dirs << d + QStringLiteral("/applications");
    return dirs;
}

std::vector<Application> applicationsIn(const QStringList& dirs, IconLookup& icons,
                                        const QLocale& locale) {
    std::vector<Application> apps;
    QSet<QString> seen;
    for (const QString& dir : dirs) {
        const QString prefix = dir + QLatin1Char('/');
        QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QString file = it.next();
            QString id = file.mid(prefix.size());
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            // The first folder's entry hides the same id further down, even when
            // it is itself hidden or broken.
            if (seen.contains(id))
                continue;
            seen.insert(id);
            const DesktopEntryReading r = readDesktopEntry(file, locale);
            const DesktopEntry& e = r.entry;
            if (!r.ok() || e.isLink() || e.noDisplay || e.hidden)
                continue;
            apps.push_back({id, file, mainCategory(e.categories), e, desktopEntryRow(e, icons)});
        }
    }
    std::stable_sort(apps.begin(), apps.end(), [](const Application& a, const Application& b) {
        return a.entry.name.compare(b.entry.name, Qt::CaseInsensitive) < 0;
    });
    return apps;
}

std::vector<Application> installedApplications(const QLocale& locale) {
    IconLookup icons;
    return applicationsIn(applicationDirs(), icons, locale);
}

bool matchesFilter(const Application& app, const QString& filter) {
    const QStringList words = filter.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [&](const QString& w) {
        return app.entry.name.contains(w, Qt::CaseInsensitive) ||
               app.entry.comment.contains(w, Qt::CaseInsensitive) ||
               std::any_of(app.entry.keywords.begin(), app.entry.keywords.end(),
                           [&](const QString& k) { return k.contains(w, Qt::CaseInsensitive); });
    });
}

QString categoryTitle(const QString& category) {
    for (const auto& [id, title] : mainCategories())
        if (id == category)
            return title;
    return otherTitle();
}

std::vector<ItemRow> rowsByCategory(const std::vector<Application>& chosen) {
    // "Other" sorts last; the rest by title, the applications in the order given.
    const auto key = [](const QString& title) {
        return std::make_pair(title == otherTitle(), title.toLower());
    };
    std::map<std::pair<bool, QString>, std::pair<QString, std::vector<const ItemRow*>>> sections;
    for (const Application& app : chosen) {
        const QString title = categoryTitle(app.category);
        auto& section = sections[key(title)];
        section.first = title;
        section.second.push_back(&app.row);
    }
    std::vector<ItemRow> rows;
    rows.reserve(chosen.size() + sections.size());
    for (const auto& [k, section] : sections) {
        rows.push_back(sectionRow(section.first));
        for (const ItemRow* r : section.second)
            rows.push_back(*r);
    }
    return rows;
}

std::vector<ItemRow> applicationRows(const std::vector<Application>& chosen, bool byCategory) {
    if (byCategory)
        return rowsByCategory(chosen);
    std::vector<ItemRow> rows;
    rows.reserve(chosen.size());
    for (const Application& app : chosen)
        rows.push_back(app.row);
    return rows;
}

} // namespace ulvanta::intake
