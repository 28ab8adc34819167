#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace ulvanta {

namespace WindowPlace {

// Where a window goes that has no remembered place: its wanted size (without the
// frame the window manager adds), shrunk to what the screen's free area holds
// with that frame around it, and centred there. At a large scale a size made for
// a small one can be more than the screen holds.
QRect firstPlace(const QSize& wanted, const QMargins& frame, const QRect& available);

// The widths of a list's columns sharing the width available. Each column gets at
// least its least width (below that only when even the least widths do not fit);
// then the main columns get the width their texts want as far as it goes, then
// the others. Where a group cannot get all it wants, its widest columns are cut
// to one common width, so that no column is cut while a wider one is not.
QList<int> columnWidths(int available, const QList<int>& least, const QList<int>& wanted,
                        const QList<int>& main);

} // namespace WindowPlace
} // namespace ulvanta
