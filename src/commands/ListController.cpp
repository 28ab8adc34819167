#include "commands/ListController.h"

#include "components/Prompter.h"
#include "edits/Document.h"
#include "model/RowMove.h"

#include <QCoreApplication>
#include <QItemSelectionModel>

namespace ulvanta {

int ListController::currentRow() const {
    const QModelIndex i = m_selection->currentIndex();
    return (i.isValid() && i.row() < m_doc.items().count()) ? i.row() : -1;
}

ListController::Editor ListController::editorFor(int row) const {
    const ItemList& items = m_doc.items();
    if (row < 0 || row >= items.count())
        return Editor::None;
    return items.isSection(row) ? Editor::Section : Editor::Icon;
}

void ListController::makeCurrent(int row) {
    m_selection->setCurrentIndex(m_doc.items().index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListController::removeCurrent() {
    const int row = currentRow();
    if (row < 0)
        return;
    const PromptAnswer a = m_prompter.message(
        QCoreApplication::translate("ListController",
                                    "Are you sure you want to delete the selected item?"),
        QCoreApplication::translate("ListController", "Delete Icon(s)"), PromptIcon::Question,
        PromptButtons::YesNo, PromptAnswer::Yes);
    if (a != PromptAnswer::Yes)
        return;
    // Only the current row goes, even with more rows selected; a section row goes
    // alone and its icons join the section above. The first row becomes current.
    ItemList& items = m_doc.items();
    EditStepPtr step =
        removeRowsStep(m_doc, QCoreApplication::translate("ListController", "Delete"), row, 1);
    step->setCurrentAfter(items.count() > 1 ? 0 : -1);
    m_doc.edits().push(std::move(step));
    if (items.count() > 0)
        makeCurrent(0);
    m_doc.requestActionUpdate();
}

void ListController::duplicateCurrent() {
    selectOnlyCurrent(m_selection);
    const int row = currentRow();
    if (row < 0)
        return;
    const ItemList& items = m_doc.items();
    EditStepPtr step = insertRowsStep(m_doc, QCoreApplication::translate("ListController", "Copy"),
                                      items.count(), {items.row(row)});
    step->setCurrentBefore(row);
    m_doc.edits().push(std::move(step));
    m_doc.requestActionUpdate();
}

int ListController::blockEnd(int first) const {
    const ItemList& items = m_doc.items();
    return ulvanta::blockEnd(items, first) + 1;
}

void ListController::move(bool up) {
    const int row = currentRow();
    if (row < 0)
        return;
    const ItemList& items = m_doc.items();
    // An icon row trades places with the row beside it, a section row's block with
    // the neighbouring section's block; the first section cannot pass loose icons
    // above it. Rows [first, middle - 1] and [middle, last] trade places.
    const bool section = items.isSection(row);
    const auto end = [&](int start) { return section ? blockEnd(start) : start + 1; };
    int first = up ? row - 1 : row;
    while (up && section && first >= 0 && !items.isSection(first))
        --first;
    const int middle = up ? row : end(row);
    if (first < 0 || middle >= items.count())
        return;
    EditStepPtr step = rotateStep(m_doc,
                                  up ? QCoreApplication::translate("ListController", "Move Up")
                                     : QCoreApplication::translate("ListController", "Move Down"),
                                  first, middle, end(middle) - 1, up);
    const int current = step->after().current; // where the moved block now starts
    m_doc.edits().push(std::move(step));
    makeCurrent(current);
    m_doc.requestActionUpdate();
}

void ListController::moveDown() {
    move(false);
}

void ListController::moveUp() {
    move(true);
}

} // namespace ulvanta
