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

RowSpans joinedSpans(RowSpans spans, int count) {
    std::erase_if(spans, [count](const RowSpan& s) {
        return s.last < s.first || s.last < 0 || s.first >= count;
    });
    std::sort(spans.begin(), spans.end(),
              [](const RowSpan& a, const RowSpan& b) { return a.first < b.first; });
    RowSpans out;
    for (RowSpan s : spans) {
        s = {std::max(s.first, 0), std::min(s.last, count - 1)};
        if (!out.empty() && s.first <= out.back().last + 1)
            out.back().last = std::max(out.back().last, s.last);
        else
            out.push_back(s);
    }
    return out;
}

namespace {
// The last section row in the span, or -1.
int lastSectionIn(const ItemList& items, RowSpan span) {
    for (int row = span.last; row >= span.first; --row)
        if (items.isSection(row))
            return row;
    return -1;
}
} // namespace

RowSpans withSectionBlocks(const ItemList& items, const RowSpans& spans) {
    RowSpans out = spans;
    for (RowSpan& s : out) {
        const int section = lastSectionIn(items, s);
        if (section >= 0)
            s.last = std::max(s.last, blockEnd(items, section));
    }
    return joinedSpans(std::move(out), items.count());
}

std::optional<RowMove> stepMove(const ItemList& items, RowSpan span, bool up) {
    const int count = items.count();
    if (span.first < 0 || span.last < span.first || span.last >= count)
        return std::nullopt;
    const int section = lastSectionIn(items, span);
    if (section < 0) {
        if (up ? span.first == 0 : span.last + 1 >= count)
            return std::nullopt;
        return up ? RowMove{span.first - 1, span.first, span.last, true}
                  : RowMove{span.first, span.last + 1, span.last + 1, false};
    }
    if (!items.isSection(span.first))
        return std::nullopt;
    // Sections pass whole sections; the first one cannot pass loose icons above it.
    const int end = blockEnd(items, section);
    if (!up)
        return end + 1 < count
                   ? std::optional(RowMove{span.first, end + 1, blockEnd(items, end + 1), false})
                   : std::nullopt;
    int above = span.first - 1;
    while (above >= 0 && !items.isSection(above))
        --above;
    if (above < 0)
        return std::nullopt;
    return RowMove{above, span.first, end, true};
}

std::optional<RowGather> rowGather(const ItemList& items, const QList<int>& dragged, int to) {
    RowSpans spans;
    for (int row : dragged)
        spans.push_back({row, row});
    spans = withSectionBlocks(items, joinedSpans(std::move(spans), items.count()));
    if (spans.size() < 2)
        return std::nullopt;
    bool section = false;
    for (size_t k = 0; k < spans.size() && !section; ++k)
        section = lastSectionIn(items, spans[k]) >= 0;
    to = std::clamp(to, 0, items.count());
    // Two runs apart always change places with the rows between them.
    return RowGather{std::move(spans), section ? nearestBoundary(items, to) : to};
}

} // namespace ulvanta
