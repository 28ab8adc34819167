#include "document/ColumnSwap.h"

#include "document/Document.h"
#include "document/SectionRow.h"

#include <utility>

namespace ulvanta {

int swapListColumn(int dialogColumn) {
    if (dialogColumn < 0 || dialogColumn >= SwapColumnCount)
        return -1;
    return dialogColumn == 5 ? int(ColComments) : dialogColumn;
}

void SwapChoice::chooseFirst(int column) {
    if (column < 0 || column >= SwapColumnCount)
        return;
    m_first = column;
    if (m_second == column)
        m_second = column == 0 ? 1 : 0;
}

void SwapChoice::chooseSecond(int column) {
    if (column < 0 || column >= SwapColumnCount || column == m_first)
        return;
    m_second = column;
}

bool swapColumns(Document& doc, ColumnOperation op, int first, int second) {
    const int a = swapListColumn(first);
    const int b = swapListColumn(second);
    if (a < 0 || b < 0 || a == b)
        return false;
    const size_t ca = size_t(a);
    const size_t cb = size_t(b);
    // Each row is complete in itself, so one pass does what a buffer of the first
    // column did before, for any number of rows.
    doc.items().updateAll([&](ItemRow& row) {
        if (SectionRow::isSection(row[ColDescription]))
            return;
        switch (op) {
        case ColumnOperation::Swap:
            std::swap(row[ca], row[cb]);
            break;
        case ColumnOperation::Move:
            row[cb] = std::exchange(row[ca], QString());
            break;
        case ColumnOperation::Copy:
            row[cb] = row[ca];
            break;
        }
    });
    doc.setModified(true);
    return true;
}

} // namespace ulvanta
