#include "document/ItemList.h"

#include "components/HtmlText.h"
#include "document/SectionRow.h"

#include <QFont>
#include <QItemSelectionModel>
#include <algorithm>

namespace ulvanta {

ItemList::ItemList(QObject* parent) : QAbstractTableModel(parent) {}

QString ItemList::header(int column) {
    static const char* const names[ItemColumnCount] = {
        "Description", "Command", "Parameters", "Start In", "Icon", "Run", "Comments"};
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
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return cell(index.row(), index.column());
    // Long paths and section texts are cut off in narrow columns.
    if (role == Qt::ToolTipRole) {
        const QString& text = cell(index.row(), index.column());
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    // Section rows stand out, so the list reads like the page's headings.
    if (role == Qt::FontRole && isSection(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant ItemList::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return header(section);
    return {};
}

Qt::ItemFlags ItemList::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ColDescription)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ItemList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() != ColDescription)
        return false;
    const QString text = value.toString();
    if (SectionRow::isSection(text))
        return false;
    if (text == cell(index.row(), ColDescription))
        return true;
    if (m_descriptionEditor)
        m_descriptionEditor(index.row(), text);
    else
        setCell(index.row(), ColDescription, text);
    return true;
}

bool ItemList::isSection(int i) const {
    return SectionRow::isSection(cell(i, ColDescription));
}

void ItemList::setCell(int i, int column, const QString& text) {
    m_rows[size_t(i)][size_t(column)] = text;
    const QModelIndex idx = index(i, column);
    emit dataChanged(idx, idx);
}

void ItemList::setRow(int i, const ItemRow& r) {
    m_rows[size_t(i)] = r;
    emit dataChanged(index(i, 0), index(i, ItemColumnCount - 1));
}

void ItemList::insertItem(int position, const ItemRow& r) {
    position = std::clamp(position, 0, count());
    beginInsertRows({}, position, position);
    m_rows.insert(m_rows.begin() + position, r);
    endInsertRows();
}

void ItemList::appendItems(std::vector<ItemRow> rows) {
    if (rows.empty())
        return;
    beginInsertRows({}, count(), count() + int(rows.size()) - 1);
    // Room to grow after a bulk load: the next rows added one at a time (Add icon,
    // Copy and paste) then do not move the whole list to a new block.
    const size_t needed = m_rows.size() + rows.size();
    if (m_rows.capacity() < needed)
        m_rows.reserve(needed + needed / 2);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void ItemList::insertItems(int position, std::vector<ItemRow> rows) {
    if (rows.empty())
        return;
    position = std::clamp(position, 0, count());
    beginInsertRows({}, position, position + int(rows.size()) - 1);
    m_rows.insert(m_rows.begin() + position, std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void ItemList::removeItem(int i) {
    beginRemoveRows({}, i, i);
    m_rows.erase(m_rows.begin() + i);
    endRemoveRows();
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

int ItemList::iconsInSection(int li) const {
    // Counted in row numbers from 1, as the section rules are stated.
    const int n = count();
    if (n == 0)
        return 0;
    if (n == 1)
        return isSection(0) ? 0 : 1;
    int s = li + 1;
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

QString ItemList::pageText(int pos, int sItem) const {
    QString s = cell(pos, sItem);
    if (sItem != ColComments && s.contains(QLatin1Char(',')))
        s.replace(QLatin1Char(','), QLatin1String("&comma;"));
    return HtmlText::encode(s);
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
