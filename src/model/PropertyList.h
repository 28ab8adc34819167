#pragma once

#include "model/PropertyTable.h"

#include <QAbstractTableModel>
#include <array>
#include <vector>

namespace ulvanta {

// The property list (m_propertyList): one row per page property, columns "Name" and
// "Setting", always sorted by name so that "(HTML File)" is the first row.
class PropertyList : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        Setting key;
        QString name;
        QString setting;
    };

    explicit PropertyList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // Replaces every row; the rows are sorted by name.
    void setRows(std::vector<Row> rows);
    int count() const { return int(m_rows.size()); }
    const QString& name(int row) const { return m_rows[size_t(row)].name; }
    Setting key(int row) const { return m_rows[size_t(row)].key; }
    const QString& setting(int row) const { return m_rows[size_t(row)].setting; }
    void setSetting(int row, const QString& value);
    // The row that shows a setting, or -1 before the rows are filled.
    int rowOf(Setting key) const { return m_rowOf[size_t(key)]; }

private:
    std::vector<Row> m_rows;
    std::array<int, PropertyTable::Count> m_rowOf;
};

} // namespace ulvanta
