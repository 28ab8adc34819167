#include "app/ProblemsPanel.h"

#include "cli/OnlineCheck.h"
#include "edits/Document.h"
#include "generator/PageCheck.h"
#include "generator/PageWatch.h"
#include "generator/ProblemList.h"
#include "widgets/LegibleIconDelegate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace ulvanta {

ProblemsPanel::ProblemsPanel(Document& doc, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), m_doc(doc), m_problems(new ProblemList(this)),
      m_watch(new PageWatch(doc, *m_problems, style()->standardIcon(QStyle::SP_MessageBoxWarning),
                            this)) {
    setObjectName(QStringLiteral("problemsPanel"));
    setAccessibleName(tr("Problems"));
    m_online.setMaxThreadCount(1);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    m_view = new QTreeView(body);
    m_view->setObjectName(QStringLiteral("problemList"));
    m_view->setAccessibleName(tr("Problems"));
    m_view->setItemDelegate(new LegibleIconDelegate(m_view));
    m_view->setModel(m_problems);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setStretchLastSection(true);
    layout->addWidget(m_view);

    auto* buttons = new QHBoxLayout;
    m_onlineButton = new QPushButton(tr("Check &Online"), body);
    m_onlineButton->setObjectName(QStringLiteral("checkOnlineButton"));
    m_onlineButton->setAccessibleName(tr("Check the web addresses online"));
    buttons->addWidget(m_onlineButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setWidget(body);

    // Enter, or a double-click where the desktop activates by double-click.
    connect(m_view, &QTreeView::activated, this,
            [this](const QModelIndex& index) { emit lineActivated(index.row()); });
    connect(m_onlineButton, &QPushButton::clicked, this, &ProblemsPanel::checkOnline);
    // A new result keeps the line the user was on, or starts at the first.
    connect(m_problems, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_lastLine = std::max(0, m_view->currentIndex().row()); });
    connect(m_problems, &QAbstractItemModel::modelReset, this, [this] {
        if (m_problems->rowCount() > 0)
            m_view->setCurrentIndex(
                m_problems->index(std::min(m_lastLine, m_problems->rowCount() - 1), 0));
    });
}

ProblemsPanel::~ProblemsPanel() {
    m_online.waitForDone();
}

void ProblemsPanel::open() {
    show();
    raise();
    m_watch->setActive(true);
    m_view->setFocus(Qt::ShortcutFocusReason);
}

void ProblemsPanel::hideEvent(QHideEvent* event) {
    QDockWidget::hideEvent(event);
    // Closed, not just out of sight with the window.
    if (isHidden())
        m_watch->setActive(false);
}

void ProblemsPanel::checkOnline() {
    m_onlineButton->setEnabled(false);
    const std::vector<PageAddress> addresses = PageCheck::webAddresses(m_doc);
    ItemList::Snapshot rows = m_doc.items().snapshot();
    m_online.start([this, addresses, rows = std::move(rows)] {
        std::vector<ProblemLine> lines = ProblemList::linesOf(checkWebAddresses(addresses), rows);
        QMetaObject::invokeMethod(
            this,
            [this, lines = std::move(lines)]() mutable {
                m_problems->setOnlineLines(std::move(lines));
                m_onlineButton->setEnabled(true);
            },
            Qt::QueuedConnection);
    });
}

} // namespace ulvanta
