#include "commands/MenuState.h"

#include "model/ItemList.h"

namespace ulvanta {

MenuState menuState(const ItemList& items, int currentRow, bool htmlFileExists) {
    MenuState m;
    const int n = items.count();
    const bool rows = n > 0;
    m.copy = m.edit = m.remove = m.moveUp = m.moveDown = rows;
    if (rows && currentRow >= 0 && currentRow < n) {
        if (!items.isSection(currentRow)) {
            if (currentRow == 0)
                m.moveUp = false;
            if (currentRow == n - 1)
                m.moveDown = false;
        } else {
            // A section moves only past another section.
            bool above = false;
            for (int i = currentRow - 1; i >= 0 && !above; --i)
                above = items.isSection(i);
            bool below = false;
            for (int i = currentRow + 1; i < n && !below; ++i)
                below = items.isSection(i);
            m.moveUp = above;
            m.moveDown = below;
        }
    }
    m.shortcut = htmlFileExists;
    m.run = m.shortcut;
    return m;
}

} // namespace ulvanta
