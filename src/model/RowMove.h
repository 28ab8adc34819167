#pragma once

#include "model/RowSpan.h"

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

// Runs of rows sorted and joined where they overlap or touch; rows outside
// [0, count) are left out.
RowSpans joinedSpans(RowSpans spans, int count);
// The runs, each section row in them taking its icons along.
RowSpans withSectionBlocks(const ItemList& items, const RowSpans& spans);

// Move up or Move down of the run of rows `span` as one rotation: a run of icon rows
// trades places with the row beside it; a run that starts with a section row moves
// with the whole blocks of its sections past the neighbouring section's block. A run
// that starts with an icon row and holds a section row does not move: it would tear
// one section apart.
std::optional<RowMove> stepMove(const ItemList& items, RowSpan span, bool up);

// Rows dragged within the list, wherever they lie, gathered before row `to`, section
// rows with their icons: the block of rowMove when they form one run, otherwise the
// runs and the row they go before (a section boundary when they hold a section).
struct RowGather {
    RowSpans spans;
    int to = 0;
};
std::optional<RowGather> rowGather(const ItemList& items, const QList<int>& dragged, int to);

} // namespace ulvanta
