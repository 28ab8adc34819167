#pragma once

#include <QAbstractTableModel>
#include <array>
#include <functional>
#include <vector>

class QItemSelectionModel;

namespace ulvanta {

// Columns of a row of the item list.
enum ItemColumn : int {
    ColDescription = 0,
    ColCommand = 1,
    ColParameters = 2,
    ColStartIn = 3,
    ColIcon = 4,
    ColRun = 5,
    ColComments = 6,
    ItemColumnCount = 7,
};

using ItemRow = std::array<QString, ItemColumnCount>;

// The item list (m_itemList): icon rows and section rows in page order, seven text
// columns each, in one contiguous container. Row indices here are 0-based.
class ItemList : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ItemList(QObject* parent = nullptr);

    static QString header(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The in-place edit of a Description. A new text beginning with "SECTION:" is
    // refused (the row keeps its old text): no icon becomes a section by typing.
    // A new text goes to the description editor, or straight into the cell without one.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Who writes an in-place edit (the document, so that it can be undone).
    void setDescriptionEditor(std::function<void(int row, const QString& text)> editor) {
        m_descriptionEditor = std::move(editor);
    }

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const ItemRow& row(int i) const { return m_rows[size_t(i)]; }
    const QString& cell(int i, int column) const { return m_rows[size_t(i)][size_t(column)]; }
    bool isSection(int i) const;

    void setCell(int i, int column, const QString& text);
    void setRow(int i, const ItemRow& r);
    void insertItem(int position, const ItemRow& r);
    void appendItems(std::vector<ItemRow> rows);
    // Rows inserted at position, or the count rows from first removed, in one move of
    // the rows after them and one report to the views.
    void insertItems(int position, std::vector<ItemRow> rows);
    void removeItem(int i);
    void removeItems(int first, int count);
    void clear();
    // Rows [first, last] become rows [middle, last] followed by [first, middle - 1]:
    // one rotation, whatever the sizes of the two blocks.
    void rotate(int first, int middle, int last);
    // Applies f(row) to every row and reports the changed range once.
    template <typename F> void updateAll(F f) {
        for (ItemRow& r : m_rows)
            f(r);
        if (!m_rows.empty())
            emit dataChanged(index(0, 0), index(count() - 1, ItemColumnCount - 1));
    }

    // The number of icon rows in the section that holds row li.
    int iconsInSection(int li) const;
    // Column sItem of row pos, prepared for the page: commas (except in Comments)
    // as "&comma;", then HtmlText::encode.
    QString pageText(int pos, int sItem) const;

private:
    std::vector<ItemRow> m_rows;
    std::function<void(int row, const QString& text)> m_descriptionEditor;
};

// Reduces the selection to the current row.
void selectOnlyCurrent(QItemSelectionModel* selection);

} // namespace ulvanta
