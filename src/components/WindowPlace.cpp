#include "components/WindowPlace.h"

namespace ulvanta {

QRect WindowPlace::firstPlace(const QSize& wanted, const QMargins& frame, const QRect& available) {
    const QRect inside = available.marginsRemoved(frame);
    QRect place(QPoint(), wanted.boundedTo(inside.size()));
    place.moveCenter(inside.center());
    return place;
}

} // namespace ulvanta
