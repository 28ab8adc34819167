#include "document/ListCommands.h"

#include "components/Prompter.h"
#include "document/Document.h"
#include "document/RowMove.h"

#include <QItemSelectionModel>

namespace ulvanta {

int ListCommands::currentRow() const {
    const QModelIndex i = m_selection->currentIndex();
    return (i.isValid() && i.row() < m_doc.items().count()) ? i.row() : -1;
}

ListCommands::Editor ListCommands::editorFor(int row) const {
    const ItemList& items = m_doc.items();
    if (row < 0 || row >= items.count())
        return Editor::None;
    return items.isSection(row) ? Editor::Section : Editor::Icon;
}

void ListCommands::makeCurrent(int row) {
    m_selection->setCurrentIndex(m_doc.items().index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListCommands::finish() {
    m_doc.setModified(true);
    m_doc.requestActionUpdate();
}

void ListCommands::removeCurrent() {
    const int row = currentRow();
    if (row < 0)
        return;
    const PromptAnswer a =
        m_prompter.message(QStringLiteral("Are you sure you want to delete the selected item?"),
                           QStringLiteral("Delete Icon(s)"), PromptIcon::Question,
                           PromptButtons::YesNo, PromptAnswer::Yes);
    if (a != PromptAnswer::Yes)
        return;
    // Only the current row goes, even with more rows selected; a section row goes
    // alone and its icons join the section above.
    m_doc.items().removeItem(row);
    if (m_doc.items().count() > 0)
        makeCurrent(0);
    finish();
}

void ListCommands::duplicateCurrent() {
    selectOnlyCurrent(m_selection);
    const int row = currentRow();
    if (row < 0)
        return;
    ItemList& items = m_doc.items();
    const ItemRow copy = items.row(row);
    items.insertItem(items.count(), copy);
    finish();
}

int ListCommands::moveSectionDown(int s) {
    const ItemList& items = m_doc.items();
    const int n = blockEnd(items, s) + 1;
    if (n >= items.count())
        return -1;
    const int e = blockEnd(items, n);
    // [s, n) and [n, e] trade places in one rotation.
    m_doc.items().rotate(s, n, e);
    return s + (e - n + 1);
}

void ListCommands::moveDown() {
    const int row = currentRow();
    ItemList& items = m_doc.items();
    if (row < 0)
        return;
    if (!items.isSection(row)) {
        if (row + 1 >= items.count())
            return;
        items.rotate(row, row + 1, row + 1);
        makeCurrent(row + 1);
    } else {
        const int heading = moveSectionDown(row);
        if (heading < 0)
            return;
        makeCurrent(heading);
    }
    finish();
}

void ListCommands::moveUp() {
    const int row = currentRow();
    ItemList& items = m_doc.items();
    if (row < 0)
        return;
    if (!items.isSection(row)) {
        if (row == 0)
            return;
        items.rotate(row - 1, row, row);
        makeCurrent(row - 1);
    } else {
        int p = row - 1;
        while (p >= 0 && !items.isSection(p))
            --p;
        if (p < 0)
            return;
        // The section above moves below this one, which then starts where it did.
        moveSectionDown(p);
        makeCurrent(p);
    }
    finish();
}

} // namespace ulvanta
