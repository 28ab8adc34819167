#include "model/ItemList.h"

#include "model/SectionRow.h"

#include <QFont>
#include <QItemSelectionModel>
#include <algorithm>
#include <cstring>
#include <iterator>

namespace ulvanta {

const QStringList& runStyles() {
    static const QStringList styles = {
        QStringLiteral("Normal Window"),      QStringLiteral("Maximised Focus"),
        QStringLiteral("Minimised Focus"),    QStringLiteral("Normal No Focus"),
        QStringLiteral("Minimised No Focus"), QStringLiteral("Hidden"),
        QStringLiteral("Hyperlink")};
    return styles;
}

ItemList::ItemList(QObject* parent) : QAbstractTableModel(parent) {}

ItemList::PackedRow ItemList::pack(const ItemRow& r) {
    PackedRow p;
    qsizetype total = 0;
    for (const QString& s : r)
        total += s.size();
    // A row with one text (a section row, mostly) shares it as it is.
    const auto filled =
        std::count_if(r.begin(), r.end(), [](const QString& s) { return !s.isEmpty(); });
    if (filled == 1) {
        p.text = *std::find_if(r.begin(), r.end(), [](const QString& s) { return !s.isEmpty(); });
    } else if (total > 0) {
        p.text.reserve(total);
        for (const QString& s : r)
            p.text += s;
    }
    quint32 at = 0;
    for (size_t c = 0; c < r.size(); ++c) {
        p.size[c] = quint32(r[c].size());
        p.start[c] = r[c].isEmpty() ? 0 : at;
        at += p.size[c];
    }
    return p;
}

QStringView ItemList::cellView(int i, int column) const {
    return m_rows[size_t(i)].view(size_t(column));
}

QString ItemList::cell(int i, int column) const {
    const PackedRow& p = m_rows[size_t(i)];
    // The whole row's text is handed out shared, without a copy.
    if (p.size[size_t(column)] == quint32(p.text.size()))
        return p.text;
    return p.view(size_t(column)).toString();
}

ItemRow ItemList::row(int i) const {
    ItemRow r;
    for (int c = 0; c < ItemColumnCount; ++c)
        r[size_t(c)] = cell(i, c);
    return r;
}

void ItemList::updateEach(const std::function<void(ItemRow&)>& f) {
    QString joined; // a changed row's new text, before it replaces the old
    for (PackedRow& p : m_rows) {
        // The row's texts in place, without copies: most rows of a bulk edit keep
        // most of their cells.
        ItemRow r;
        for (size_t c = 0; c < r.size(); ++c)
            r[c] = QString::fromRawData(p.view(c).data(), p.size[c]);
        f(r);
        // Cells that still show text of the row (moved, copied or swapped) are
        // only pointed at anew; new text means the row's text is made again.
        const QChar* base = p.text.constData();
        const QChar* end = base + p.text.size();
        std::array<quint32, ItemColumnCount> start = p.start, size = p.size;
        bool same = true, inPlace = true;
        for (size_t c = 0; c < r.size(); ++c) {
            const QChar* at = r[c].constData();
            if ((at == p.view(c).data() && r[c].size() == p.size[c]) || r[c] == p.view(c))
                continue;
            same = false;
            if (r[c].isEmpty()) {
                start[c] = size[c] = 0;
            } else if (at >= base && at + r[c].size() <= end) {
                start[c] = quint32(at - base);
                size[c] = quint32(r[c].size());
            } else {
                inPlace = false;
            }
        }
        if (same)
            continue;
        if (inPlace) {
            p.start = start;
            p.size = size;
            continue;
        }
        joined.resize(0);
        for (size_t c = 0; c < r.size(); ++c) {
            p.start[c] = r[c].isEmpty() ? 0 : quint32(joined.size());
            p.size[c] = quint32(r[c].size());
            joined += r[c];
        }
        // Written over the old text where it fits: a replacement of the same
        // length allocates nothing.
        if (joined.isEmpty()) {
            p.text = QString();
            continue;
        }
        p.text.resize(joined.size());
        std::memcpy(p.text.data(), joined.constData(), size_t(joined.size()) * sizeof(QChar));
    }
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(count() - 1, ItemColumnCount - 1));
}

QString ItemList::header(int column) {
    static const char* const names[ItemColumnCount] = {
        QT_TR_NOOP("Description"), QT_TR_NOOP("Command"), QT_TR_NOOP("Parameters"),
        QT_TR_NOOP("Start In"),    QT_TR_NOOP("Icon"),    QT_TR_NOOP("Run"),
        QT_TR_NOOP("Comments")};
    return (column >= 0 && column < ItemColumnCount) ? QString::fromLatin1(names[column])
                                                     : QString();
}

int ItemList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ItemList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ItemColumnCount;
}

QVariant ItemList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const int r = index.row();
    if (role == Qt::EditRole)
        return cell(r, index.column());
    if (isSection(r))
        return sectionData(r, index.column(), role);
    if (role == Qt::DisplayRole)
        return cell(r, index.column());
    // Long paths are cut off in narrow columns.
    if (role == Qt::ToolTipRole) {
        QString text = cell(r, index.column());
        if (const QString n = note(r, index.column()); !n.isEmpty())
            text = text.isEmpty() ? n : text + QLatin1Char('\n') + n;
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    if (role == Qt::DecorationRole && index.column() == ColDescription && m_pictureSource)
        return m_pictureSource(*this, r);
    if (role == Qt::DecorationRole && !note(r, index.column()).isEmpty())
        return m_noteMarker;
    return {};
}

QVariant ItemList::sectionData(int r, int column, int role) const {
    // A section reads as the page's heading, not as its stored text.
    switch (role) {
    case Qt::DisplayRole:
        return column == ColDescription ? SectionRow::heading(cell(r, ColDescription)) : QString();
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return SectionRow::heading(cell(r, ColDescription));
    case SectionNameRole:
        return SectionRow::name(cell(r, ColDescription));
    case SectionSettingsRole:
        return SectionRow::settingsInWords(cell(r, ColDescription));
    case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default:
        return {};
    }
}

QVariant ItemList::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return tr(header(section).toLatin1().constData());
    return {};
}

Qt::ItemFlags ItemList::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ColDescription)
        f |= Qt::ItemIsEditable;
    if (index.isValid())
        f |= Qt::ItemIsDragEnabled;
    return f | Qt::ItemIsDropEnabled;
}

bool ItemList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() != ColDescription)
        return false;
    const QString text = value.toString();
    if (SectionRow::isSection(text))
        return false;
    if (text == cellView(index.row(), ColDescription))
        return true;
    if (m_descriptionEditor)
        m_descriptionEditor(index.row(), text);
    else
        setCell(index.row(), ColDescription, text);
    return true;
}

ItemList::Snapshot ItemList::snapshot() const {
    Snapshot s;
    s.m_rows = m_rows;
    return s;
}

void ItemList::setCellNotes(CellNotes notes, const QIcon& marker) {
    m_notes = std::move(notes);
    m_noteMarker = marker;
    notesChanged();
}

void ItemList::notesChanged() {
    if (!isEmpty())
        emit dataChanged(index(0, ColCommand), index(count() - 1, ItemColumnCount - 1),
                         {Qt::DecorationRole, Qt::ToolTipRole});
}

bool ItemList::isSection(int i) const {
    return SectionRow::isSection(cellView(i, ColDescription));
}

void ItemList::setCell(int i, int column, const QString& text) {
    ItemRow r = row(i);
    r[size_t(column)] = text;
    m_rows[size_t(i)] = pack(r);
    const QModelIndex idx = index(i, column);
    emit dataChanged(idx, idx);
}

void ItemList::setRow(int i, const ItemRow& r) {
    m_rows[size_t(i)] = pack(r);
    emit dataChanged(index(i, 0), index(i, ItemColumnCount - 1));
}

void ItemList::insertItem(int position, const ItemRow& r) {
    position = std::clamp(position, 0, count());
    beginInsertRows({}, position, position);
    m_rows.insert(m_rows.begin() + position, pack(r));
    endInsertRows();
}

void ItemList::appendItems(std::vector<ItemRow> rows) {
    std::vector<PackedRow> packed;
    packed.reserve(rows.size());
    for (const ItemRow& r : rows)
        packed.push_back(pack(r));
    appendPacked(std::move(packed));
}

void ItemList::appendItems(std::vector<RowText> rows) {
    std::vector<PackedRow> packed;
    packed.reserve(rows.size());
    for (RowText& r : rows) {
        PackedRow& p = packed.emplace_back();
        quint32 at = 0;
        for (size_t c = 0; c < p.size.size(); ++c) {
            p.size[c] = r.size[c];
            p.start[c] = r.size[c] == 0 ? 0 : at;
            at += r.size[c];
        }
        p.text = std::move(r.text);
    }
    appendPacked(std::move(packed));
}

void ItemList::appendPacked(std::vector<PackedRow> rows) {
    if (rows.empty())
        return;
    beginInsertRows({}, count(), count() + int(rows.size()) - 1);
    // Room to grow after a bulk load: the next rows added one at a time (Add icon,
    // Copy and paste) then do not move the whole list to a new block.
    const size_t needed = m_rows.size() + rows.size();
    if (m_rows.capacity() < needed)
        m_rows.reserve(needed + needed / 2);
    std::move(rows.begin(), rows.end(), std::back_inserter(m_rows));
    endInsertRows();
}

void ItemList::insertItems(int position, std::vector<ItemRow> rows) {
    if (rows.empty())
        return;
    position = std::clamp(position, 0, count());
    beginInsertRows({}, position, position + int(rows.size()) - 1);
    std::vector<PackedRow> packed;
    packed.reserve(rows.size());
    for (const ItemRow& r : rows)
        packed.push_back(pack(r));
    m_rows.insert(m_rows.begin() + position, std::make_move_iterator(packed.begin()),
                  std::make_move_iterator(packed.end()));
    endInsertRows();
}

void ItemList::removeItems(int first, int count) {
    if (count <= 0)
        return;
    beginRemoveRows({}, first, first + count - 1);
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + first + count);
    endRemoveRows();
}

void ItemList::clear() {
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ItemList::rotate(int first, int middle, int last) {
    if (first < 0 || middle <= first || last < middle || last >= count())
        return;
    // Moving [middle, last] to before first is the same rotation.
    beginMoveRows({}, middle, last, {}, first);
    std::rotate(m_rows.begin() + first, m_rows.begin() + middle, m_rows.begin() + last + 1);
    endMoveRows();
}

namespace {

// For gather: where each row of the gathered list comes from. The other rows keep
// their order on either side of `to`.
std::vector<int> gatherOrder(const RowSpans& spans, int to, int count) {
    std::vector<int> from;
    from.reserve(size_t(count));
    size_t k = 0;
    const auto outside = [&](int row) {
        while (k < spans.size() && spans[k].last < row)
            ++k;
        return k == spans.size() || spans[k].first > row;
    };
    for (int row = 0; row < to; ++row)
        if (outside(row))
            from.push_back(row);
    for (const RowSpan& s : spans)
        for (int row = s.first; row <= s.last; ++row)
            from.push_back(row);
    k = 0;
    for (int row = to; row < count; ++row)
        if (outside(row))
            from.push_back(row);
    return from;
}

bool validSpans(const RowSpans& spans, int count) {
    int previous = -2;
    for (const RowSpan& s : spans) {
        if (s.first <= previous + 1 || s.last < s.first || s.last >= count)
            return false;
        previous = s.last;
    }
    return !spans.empty();
}

} // namespace

void ItemList::permute(const std::vector<int>& from) {
    // A change of order with the same rows: the views keep their current and selected
    // rows, which travel with their rows.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> to(from.size());
    for (size_t i = 0; i < from.size(); ++i)
        to[size_t(from[i])] = int(i);
    const QModelIndexList old = persistentIndexList();
    QModelIndexList now;
    now.reserve(old.size());
    for (const QModelIndex& i : old)
        now << index(to[size_t(i.row())], i.column());
    changePersistentIndexList(old, now);
    std::vector<PackedRow> rows;
    rows.reserve(m_rows.size());
    for (int f : from)
        rows.push_back(std::move(m_rows[size_t(f)]));
    m_rows.swap(rows);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ItemList::gather(const RowSpans& spans, int to) {
    if (validSpans(spans, count()))
        permute(gatherOrder(spans, std::clamp(to, 0, count()), count()));
}

void ItemList::ungather(const RowSpans& spans, int to) {
    if (!validSpans(spans, count()))
        return;
    const std::vector<int> order = gatherOrder(spans, std::clamp(to, 0, count()), count());
    std::vector<int> back(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        back[size_t(order[i])] = int(i);
    permute(back);
}

int ItemList::iconsInSection(int row) const {
    // Counted in row numbers from 1, as the section rules are stated.
    const int n = count();
    if (n == 0)
        return 0;
    if (n == 1)
        return isSection(0) ? 0 : 1;
    int s = row + 1;
    while (s > 1 && !isSection(s - 1))
        --s;
    const int leading = (s == 1 && !isSection(0)) ? 1 : 0;
    if (s + 1 > n)
        return 0;
    for (int k = s + 1; k <= n; ++k) {
        if (isSection(k - 1))
            return k - 1 - s + leading;
    }
    return n - s + leading;
}

void selectOnlyCurrent(QItemSelectionModel* selection) {
    if (!selection)
        return;
    const QModelIndex current = selection->currentIndex();
    selection->clearSelection();
    if (current.isValid())
        selection->select(current, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace ulvanta
