#pragma once

#include "model/RowSpan.h"

namespace ulvanta {

class ItemList;

// Which list and output commands are enabled, given the list, its current row
// and whether the built page exists.
struct MenuState {
    bool copy = false;
    bool edit = false;
    bool remove = false;
    bool moveUp = false;
    bool moveDown = false;
    bool run = false;
    bool shortcut = false;

    bool operator==(const MenuState&) const = default;
};

// currentRow is 0-based; -1 when no row is current. With more than one row
// selected, the moves follow what Move up and Move down do with them.
MenuState menuState(const ItemList& items, int currentRow, bool htmlFileExists,
                    const RowSpans& selected = {});

} // namespace ulvanta
