#include "generator/PageWatch.h"

#include "edits/Document.h"
#include "generator/PageCheck.h"
#include "generator/ProblemList.h"

namespace ulvanta {

namespace {
// Long enough for a word typed in place, short enough to feel live.
constexpr int kPauseMs = 400;
} // namespace

PageWatch::PageWatch(Document& doc, ProblemList& problems, const QIcon& marker, QObject* parent)
    : QObject(parent), m_doc(doc), m_problems(problems) {
    m_delay.setSingleShot(true);
    m_delay.setInterval(kPauseMs);
    m_pool.setMaxThreadCount(1);
    connect(&m_delay, &QTimer::timeout, this, &PageWatch::start);

    ItemList& items = doc.items();
    items.setCellNotes(
        [this](int row, int column) { return m_active ? m_problems.note(row, column) : QString(); },
        marker);
    connect(&problems, &ProblemList::notesChanged, &items, &ItemList::notesChanged);
    // The markers' own redraw is no change of the page.
    connect(&items, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole) ||
                    roles.contains(Qt::EditRole))
                    changed();
            });
    connect(&items, &QAbstractItemModel::rowsInserted, this, &PageWatch::rowsChanged);
    connect(&items, &QAbstractItemModel::rowsRemoved, this, &PageWatch::rowsChanged);
    connect(&items, &QAbstractItemModel::rowsMoved, this, &PageWatch::rowsChanged);
    connect(&items, &QAbstractItemModel::layoutChanged, this, &PageWatch::rowsChanged);
    connect(&items, &QAbstractItemModel::modelReset, this, &PageWatch::rowsChanged);
    connect(&doc.props(), &QAbstractItemModel::dataChanged, this, &PageWatch::changed);
    connect(&doc.props(), &QAbstractItemModel::modelReset, this, &PageWatch::changed);
    connect(&doc, &Document::nameChanged, this, &PageWatch::changed);
    // Another document: the web addresses' answers were about the last one.
    connect(&doc, &Document::replaced, this, [this] {
        m_problems.clear();
        changed();
    });
}

PageWatch::~PageWatch() {
    m_pool.waitForDone();
}

void PageWatch::setActive(bool active) {
    m_active = active;
    ++m_generation;
    m_delay.stop();
    if (active)
        start();
    m_doc.items().notesChanged();
}

void PageWatch::changed() {
    ++m_generation;
    if (m_active)
        m_delay.start();
}

void PageWatch::rowsChanged() {
    m_problems.rowsShifted();
    changed();
}

void PageWatch::start() {
    if (m_running) {
        m_pending = true;
        return;
    }
    m_running = true;
    const quint64 generation = m_generation;
    m_pool.start([this, generation, page = PageCheck::inputOf(m_doc)] {
        ProblemResult result = ProblemList::resultOf(PageCheck::check(page), page.rows);
        QMetaObject::invokeMethod(
            this,
            [this, generation, result = std::move(result)]() mutable {
                if (generation == m_generation && m_active) {
                    m_problems.setLocalResult(std::move(result));
                    emit checked();
                }
                finished();
            },
            Qt::QueuedConnection);
    });
}

void PageWatch::finished() {
    m_running = false;
    if (m_pending) {
        m_pending = false;
        if (m_active)
            start();
    }
}

} // namespace ulvanta
