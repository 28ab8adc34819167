#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace ulvanta {

// The property list (m_propertyList): one row per page property, columns "Name" and
// "Setting", always sorted by name so that "(HTML File)" is the first row.
class PropertyList : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
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
    const QString& setting(int row) const { return m_rows[size_t(row)].setting; }
    void setSetting(int row, const QString& value);
    // The row of a display name (exact, case-sensitive), or -1.
    int rowOf(const QString& name) const;

private:
    std::vector<Row> m_rows;
    QHash<QString, int> m_rowOf;
};

} // namespace ulvanta
