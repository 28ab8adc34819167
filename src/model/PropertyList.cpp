#include "model/PropertyList.h"

#include <QCoreApplication>
#include <algorithm>

namespace ulvanta {

PropertyList::PropertyList(QObject* parent) : QAbstractTableModel(parent) {
    m_rowOf.fill(-1);
}

int PropertyList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PropertyList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant PropertyList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole) {
        const Row& r = m_rows[size_t(index.row())];
        // The name is stored in the file as it is; only what the user reads is translated.
        if (index.column() == 0 && role != Qt::EditRole)
            return QCoreApplication::translate("PropertyTable", r.name.toUtf8().constData());
        return index.column() == 0 ? r.name : r.setting;
    }
    return {};
}

QVariant PropertyList::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 0 ? tr("Name") : tr("Setting");
    return {};
}

void PropertyList::setRows(std::vector<Row> rows) {
    beginResetModel();
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    m_rows = std::move(rows);
    m_rowOf.fill(-1);
    for (int i = 0; i < count(); ++i)
        m_rowOf[size_t(m_rows[size_t(i)].key)] = i;
    endResetModel();
}

void PropertyList::setSetting(int row, const QString& value) {
    if (row < 0 || row >= count() || m_rows[size_t(row)].setting == value)
        return;
    m_rows[size_t(row)].setting = value;
    const QModelIndex i = index(row, 1);
    emit dataChanged(i, i);
}

} // namespace ulvanta
