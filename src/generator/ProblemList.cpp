#include "generator/ProblemList.h"

#include "model/PropertyList.h"

namespace ulvanta {

namespace {

qint64 noteKey(int row, int column) {
    return qint64(row) * ItemColumnCount + column;
}

int columnNamed(const QString& name) {
    for (int c = 0; c < ItemColumnCount; ++c)
        if (ItemList::header(c) == name)
            return c;
    return -1;
}

} // namespace

ProblemList::ProblemList(QObject* parent) : QAbstractTableModel(parent) {}

std::vector<ProblemLine> ProblemList::linesOf(const std::vector<PageProblem>& problems,
                                              const ItemList::Snapshot& rows) {
    std::vector<ProblemLine> lines;
    lines.reserve(problems.size());
    for (const PageProblem& p : problems) {
        const bool onRow = p.row > 0 && p.row <= rows.count();
        lines.push_back(
            {p, onRow ? rows.cell(p.row - 1, ColDescription).toString() : tr("Properties")});
    }
    return lines;
}

ProblemResult ProblemList::resultOf(const std::vector<PageProblem>& problems,
                                    const ItemList::Snapshot& rows) {
    ProblemResult result{linesOf(problems, rows), {}};
    addNotes(result.notes, result.lines);
    return result;
}

void ProblemList::setLocalResult(ProblemResult result) {
    beginResetModel();
    m_local = std::move(result.lines);
    m_localNotes = std::move(result.notes);
    m_checked = true;
    m_notesShown = true;
    rebuild();
    endResetModel();
}

void ProblemList::setOnlineLines(std::vector<ProblemLine> lines) {
    beginResetModel();
    m_online = std::move(lines);
    m_checked = true;
    rebuild();
    endResetModel();
}

void ProblemList::clear() {
    beginResetModel();
    m_local.clear();
    m_localNotes.clear();
    m_online.clear();
    m_checked = false;
    rebuild();
    endResetModel();
}

void ProblemList::rowsShifted() {
    if (!m_online.empty()) {
        beginResetModel();
        m_online.clear();
        endResetModel();
    }
    if (!m_notesShown)
        return;
    m_notesShown = false;
    m_notes.clear();
    emit notesChanged();
}

void ProblemList::addNotes(QHash<qint64, QString>& notes, const std::vector<ProblemLine>& lines) {
    for (const ProblemLine& l : lines) {
        const int column = columnNamed(l.problem.column);
        if (l.problem.row <= 0 || column < 0)
            continue;
        QString& note = notes[noteKey(l.problem.row - 1, column)];
        note += (note.isEmpty() ? QString() : QStringLiteral("\n")) + l.problem.message;
    }
}

void ProblemList::rebuild() {
    m_notes.clear();
    if (m_notesShown) {
        m_notes = m_localNotes; // shared, not copied, unless answers are added
        addNotes(m_notes, m_online);
    }
    emit notesChanged();
}

const ProblemLine& ProblemList::line(int i) const {
    const size_t n = m_local.size();
    return size_t(i) < n ? m_local[size_t(i)] : m_online[size_t(i) - n];
}

QString ProblemList::note(int row, int column) const {
    return m_notes.value(noteKey(row, column));
}

std::optional<EditPlace> ProblemList::place(int i, const PropertyList& props) const {
    if (i < 0 || i >= lineCount())
        return std::nullopt;
    const PageProblem& p = line(i).problem;
    if (p.setting) {
        const int row = props.rowOf(*p.setting);
        return row < 0 ? std::nullopt : std::optional(EditPlace{EditTab::Properties, row});
    }
    return EditPlace{EditTab::Icons, p.row - 1};
}

int ProblemList::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return lineCount() > 0 ? lineCount() : (m_checked ? 1 : 0);
}

int ProblemList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    if (lineCount() == 0)
        return index.column() == DescriptionColumn ? QVariant(tr("No problems found")) : QVariant();
    const ProblemLine& l = line(index.row());
    switch (index.column()) {
    case DescriptionColumn:
        return l.description;
    case PlaceColumn:
        return l.problem.column;
    default:
        return l.problem.message;
    }
}

QVariant ProblemList::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DescriptionColumn:
        return tr("Description");
    case PlaceColumn:
        return tr("Column");
    default:
        return tr("Message");
    }
}

Qt::ItemFlags ProblemList::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return lineCount() > 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

} // namespace ulvanta
