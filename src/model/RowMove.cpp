#include "model/RowMove.h"

#include "model/ItemList.h"

#include <algorithm>

namespace ulvanta {

namespace {

// The section boundary (a section row or the end of the list) nearest to the gap
// before row `to`; the upper one on a tie. Rows before the first section have only
// the boundary below them: a section put above them would take them in.
int nearestBoundary(const ItemList& items, int to) {
    const int count = items.count();
    int up = to;
    while (up >= 0 && (up >= count || !items.isSection(up)))
        --up;
    int down = to;
    while (down < count && !items.isSection(down))
        ++down;
    if (up < 0 || down == to)
        return down;
    return to - up <= down - to ? up : down;
}

} // namespace

int blockEnd(const ItemList& items, int row) {
    if (!items.isSection(row))
        return row;
    int end = row + 1;
    while (end < items.count() && !items.isSection(end))
        ++end;
    return end - 1;
}

std::optional<RowMove> rowMove(const ItemList& items, QList<int> dragged, int to) {
    const int count = items.count();
    dragged.removeIf([count](int r) { return r < 0 || r >= count; });
    if (dragged.isEmpty())
        return std::nullopt;
    std::sort(dragged.begin(), dragged.end());
    const int first = dragged.front();
    int last = first;
    int section = items.isSection(first) ? first : -1;
    for (qsizetype k = 1; k < dragged.size() && dragged[k] <= last + 1; ++k) {
        last = dragged[k];
        if (items.isSection(last))
            section = last;
    }
    to = std::clamp(to, 0, count);
    if (section >= 0) {
        last = std::max(last, blockEnd(items, section));
        to = nearestBoundary(items, to);
    }
    if (to < first)
        return RowMove{to, first, last, true};
    if (to > last + 1)
        return RowMove{first, last + 1, to - 1, false};
    return std::nullopt;
}

} // namespace ulvanta
