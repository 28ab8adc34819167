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
    // alone and its icons join the section above. The first row becomes current.
    ItemList& items = m_doc.items();
    EditStepPtr step = removeRowsStep(items, QStringLiteral("Delete"), row, 1);
    step->after.current = items.count() > 1 ? 0 : -1;
    m_doc.edits().push(std::move(step));
    if (items.count() > 0)
        makeCurrent(0);
    m_doc.requestActionUpdate();
}

void ListCommands::duplicateCurrent() {
    selectOnlyCurrent(m_selection);
    const int row = currentRow();
    if (row < 0)
        return;
    const ItemList& items = m_doc.items();
    EditStepPtr step =
        insertRowsStep(items, QStringLiteral("Copy"), items.count(), {items.row(row)});
    step->before.current = row;
    m_doc.edits().push(std::move(step));
    m_doc.requestActionUpdate();
}

int ListCommands::blockEnd(int first) const {
    const ItemList& items = m_doc.items();
    return ulvanta::blockEnd(items, first) + 1;
}

void ListCommands::move(int first, int middle, int last, bool up) {
    m_doc.edits().push(rotateStep(up ? QStringLiteral("Move Up") : QStringLiteral("Move Down"),
                                  first, middle, last, up));
    makeCurrent(up ? first : first + last - middle + 1);
    m_doc.requestActionUpdate();
}

void ListCommands::moveDown() {
    const int row = currentRow();
    const ItemList& items = m_doc.items();
    if (row < 0)
        return;
    if (!items.isSection(row)) {
        if (row + 1 < items.count())
            move(row, row + 1, row + 1, false);
        return;
    }
    // The block of this section and the next one trade places.
    const int next = blockEnd(row);
    if (next < items.count())
        move(row, next, blockEnd(next) - 1, false);
}

void ListCommands::moveUp() {
    const int row = currentRow();
    const ItemList& items = m_doc.items();
    if (row < 0)
        return;
    if (!items.isSection(row)) {
        if (row > 0)
            move(row - 1, row, row, true);
        return;
    }
    int p = row - 1;
    while (p >= 0 && !items.isSection(p))
        --p;
    // The section above moves below this one, which then starts where it did.
    if (p >= 0)
        move(p, row, blockEnd(row) - 1, true);
}

} // namespace ulvanta
