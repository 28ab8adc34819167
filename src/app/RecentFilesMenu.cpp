#include "app/RecentFilesMenu.h"

#include "components/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace ulvanta {

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* below, RecentFiles& recent,
                                 std::function<void(const QString&)> open)
    : QObject(menu), m_menu(menu), m_below(below), m_recent(recent), m_open(std::move(open)) {
    connect(menu, &QMenu::aboutToShow, this, &RecentFilesMenu::refill);
}

void RecentFilesMenu::refill() {
    qDeleteAll(m_entries);
    m_entries.clear();
    const QStringList files = m_recent.files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString caption = QDir::toNativeSeparators(files[i]);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* a = new QAction(
            QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') + caption, m_menu);
        a->setObjectName(QStringLiteral("mnuFileRecent") + QString::number(i + 1));
        connect(a, &QAction::triggered, this, [this, path = files[i]] { m_open(path); });
        m_menu->insertAction(m_below, a);
        m_entries.append(a);
    }
    if (!m_entries.isEmpty())
        m_entries.append(m_menu->insertSeparator(m_below));
}

} // namespace ulvanta
