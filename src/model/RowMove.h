#pragma once

#include <QList>
#include <optional>

namespace ulvanta {

class ItemList;

// The last row of the block that starts at `row`: the row itself for an icon row,
// the last icon of the section for a section row.
int blockEnd(const ItemList& items, int row);

// Rows dragged within the list and dropped before row `to` (the row count for the
// end), as one ItemList::rotate(first, middle, last). The block that moves is the
// unbroken run of dragged rows from the topmost one; when it holds a section row it
// takes that section's icons along and lands on the nearest section boundary, so that
// it never splits another section.
struct RowMove {
    int first = 0;
    int middle = 0;
    int last = 0;
    bool movingUp = false;
};
// nullopt when the rows would stay where they are.
std::optional<RowMove> rowMove(const ItemList& items, QList<int> dragged, int to);

} // namespace ulvanta
