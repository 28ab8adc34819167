#include "components/WindowPlace.h"

#include <algorithm>

namespace ulvanta {

namespace {

// Grows the columns towards what they want by up to budget pixels in all, to one
// common level that the narrower ones stay below. Returns what is left.
int grow(QList<int>& widths, const QList<int>& wanted, const QList<int>& columns, int budget) {
    const auto cost = [&](int level) {
        qint64 sum = 0;
        for (int c : columns)
            sum += std::max(0, std::min(wanted[c], level) - widths[c]);
        return sum;
    };
    int low = 0, high = 0;
    for (int c : columns)
        high = std::max(high, wanted[c]);
    if (cost(high) <= budget) {
        budget -= int(cost(high));
        low = high;
    } else {
        while (low < high) {
            const int mid = low + (high - low + 1) / 2;
            if (cost(mid) <= budget)
                low = mid;
            else
                high = mid - 1;
        }
        budget -= int(cost(low));
    }
    for (int c : columns)
        widths[c] = std::max(widths[c], std::min(wanted[c], low));
    // The few pixels short of the next level, one each.
    for (int c : columns)
        if (budget > 0 && wanted[c] > widths[c])
            ++widths[c], --budget;
    return budget;
}

} // namespace

QRect WindowPlace::firstPlace(const QSize& wanted, const QMargins& frame, const QRect& available) {
    const QRect inside = available.marginsRemoved(frame);
    QRect place(QPoint(), wanted.boundedTo(inside.size()));
    place.moveCenter(inside.center());
    return place;
}

QList<int> WindowPlace::columnWidths(int available, const QList<int>& least,
                                     const QList<int>& wanted, const QList<int>& main) {
    const int n = int(least.size());
    QList<int> widths(n), fullWanted(n), others, all;
    int used = 0;
    for (int c = 0; c < n; ++c) {
        fullWanted[c] = std::max(least[c], c < wanted.size() ? wanted[c] : 0);
        used += least[c];
        all << c;
        if (!main.contains(c))
            others << c;
    }
    // Least widths first, cut together when even they do not fit.
    if (used > available) {
        grow(widths, least, all, std::max(0, available));
        return widths;
    }
    widths = least;
    const int left = grow(widths, fullWanted, main, available - used);
    grow(widths, fullWanted, others, left);
    return widths;
}

} // namespace ulvanta
