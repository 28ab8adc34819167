#pragma once

#include "components/CellText.h"
#include "model/ItemList.h"

namespace ulvanta {

// The rows a page is written from, by row and column: the item list's, or those
// of a document file read for its page alone.
class PageRows {
public:
    virtual ~PageRows() = default;
    virtual int count() const = 0;
    // The cell's text, valid until a cell of another row is asked for or the rows
    // change.
    virtual CellText cell(int row, int column) const = 0;
};

// The item list's rows.
class ListRows final : public PageRows {
public:
    explicit ListRows(const ItemList& items) : m_items(items) {}
    int count() const override { return m_items.count(); }
    CellText cell(int row, int column) const override { return m_items.cellView(row, column); }

private:
    const ItemList& m_items;
};

} // namespace ulvanta
