#pragma once

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

} // namespace WindowPlace
} // namespace ulvanta
