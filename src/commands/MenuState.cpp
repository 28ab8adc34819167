#include "commands/MenuState.h"

#include "model/ItemList.h"
#include "model/RowMove.h"

namespace ulvanta {

MenuState menuState(const ItemList& items, int currentRow, bool htmlFileExists,
                    const RowSpans& selected) {
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
    if (rowsIn(selected) > 1) {
        m.moveUp = selected.size() == 1 && stepMove(items, selected.front(), true);
        m.moveDown = selected.size() == 1 && stepMove(items, selected.front(), false);
    }
    m.shortcut = htmlFileExists;
    m.run = m.shortcut;
    return m;
}

} // namespace ulvanta
