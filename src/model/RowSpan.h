#pragma once

#include <vector>

namespace ulvanta {

// A run of rows [first, last] of the item list.
struct RowSpan {
    int first = 0;
    int last = 0;

    int size() const { return last - first + 1; }
    bool operator==(const RowSpan&) const = default;
};

// Runs in list order, apart from one another (neither overlapping nor touching).
using RowSpans = std::vector<RowSpan>;

inline int rowsIn(const RowSpans& spans) {
    int n = 0;
    for (const RowSpan& s : spans)
        n += s.size();
    return n;
}

} // namespace ulvanta
