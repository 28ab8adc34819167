#include "commands/ColumnSwap.h"
#include <QCoreApplication>

#include "edits/Document.h"
#include "model/SectionRow.h"

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
    const ItemList& items = doc.items();
    if (op == ColumnOperation::Swap) {
        doc.edits().push(
            swapColumnsStep(doc, QCoreApplication::translate("ColumnSwap", "Swap Columns"), a, b));
        return true;
    }
    // A copy or move keeps the cells it changes, one pass over the rows.
    std::vector<CellChange> cells;
    for (int r = 0; r < items.count(); ++r) {
        if (items.isSection(r))
            continue;
        cells.push_back({r, b, items.cell(r, b), items.cell(r, a)});
        if (op == ColumnOperation::Move)
            cells.push_back({r, a, items.cell(r, a), QString()});
    }
    doc.edits().push(changeCellsStep(doc,
                                     op == ColumnOperation::Move
                                         ? QCoreApplication::translate("ColumnSwap", "Move Column")
                                         : QCoreApplication::translate("ColumnSwap", "Copy Column"),
                                     std::move(cells)));
    return true;
}

} // namespace ulvanta
