#pragma once

#include "intake/DesktopEntry.h"
#include "model/ItemList.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

namespace ulvanta::intake {

// One application the desktop's menus show.
struct Application {
    QString id;       // the desktop file id ("org.example.App.desktop", "kde-app.desktop")
    QString file;     // the .desktop file it was read from
    QString category; // its main freedesktop category ("Office"), empty when it has none
    DesktopEntry entry;
    ItemRow row; // the icon row it becomes, its Icon a picture file or empty
};

// The folders searched, in precedence order: $XDG_DATA_HOME/applications, then
// each $XDG_DATA_DIRS/applications.
QStringList applicationDirs();

// The installed applications: every valid Type=Application entry under the
// application folders (subfolders joined into the id with "-"), an id's first
// occurrence winning, without those marked NoDisplay or Hidden; sorted by name,
// ignoring case.
std::vector<Application> installedApplications(const QLocale& locale = QLocale::system());
std::vector<Application> applicationsIn(const QStringList& dirs, IconLookup& icons,
                                        const QLocale& locale = QLocale::system());

// True when every word of the filter text occurs, ignoring case, in the name, the
// comment or a keyword. An empty filter matches everything.
bool matchesFilter(const Application& app, const QString& filter);

// The menu title of a main category ("Utility" -> "Accessories"); "Other" for none.
QString categoryTitle(const QString& category);

// The rows of the chosen applications, one section per menu category (sections in
// title order, "Other" last), each application under its category's section.
std::vector<ItemRow> rowsByCategory(const std::vector<Application>& chosen);
// The rows of the chosen applications in their order, or rowsByCategory.
std::vector<ItemRow> applicationRows(const std::vector<Application>& chosen, bool byCategory);

} // namespace ulvanta::intake
