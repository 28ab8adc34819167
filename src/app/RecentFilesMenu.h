#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace ulvanta {

class RecentFiles;

// The recent documents in a menu: filled afresh each time the menu opens, as
// "&1 path" ... entries and a separator just above a given action.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    RecentFilesMenu(QMenu* menu, QAction* below, RecentFiles& recent,
                    std::function<void(const QString&)> open);

    void refill();

private:
    QMenu* m_menu;
    QAction* m_below;
    RecentFiles& m_recent;
    std::function<void(const QString&)> m_open;
    QList<QAction*> m_entries;
};

} // namespace ulvanta
