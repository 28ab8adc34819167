#include "commands/ListController.h"

#include "components/Prompter.h"
#include "edits/Document.h"
#include "model/RowMove.h"

#include <QCoreApplication>
#include <QItemSelectionModel>

namespace ulvanta {

RowSpans selectedSpans(const QItemSelectionModel* selection, int rowCount) {
    if (!selection)
        return {};
    RowSpans spans;
    for (const QItemSelectionRange& r : selection->selection())
        spans.push_back({r.top(), r.bottom()});
    spans = joinedSpans(std::move(spans), rowCount);
    if (rowsIn(spans) > 1)
        return spans;
    const QModelIndex i = selection->currentIndex();
    if (i.isValid() && i.row() < rowCount)
        return {{i.row(), i.row()}};
    return {};
}

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

void ListController::makeCurrent(int row, RowSpan selected) {
    const ItemList& items = m_doc.items();
    m_selection->setCurrentIndex(items.index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (selected.size() > 1)
        m_selection->select(
            QItemSelection(items.index(selected.first, 0), items.index(selected.last, 0)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ListController::removeSelected() {
    ItemList& items = m_doc.items();
    RowSpans spans = selectedSpans(m_selection, items.count());
    if (spans.empty())
        return;
    const PromptAnswer a = m_prompter.message(
        QCoreApplication::translate("ListController",
                                    "Are you sure you want to delete the selected item?"),
        QCoreApplication::translate("ListController", "Delete Icon(s)"), PromptIcon::Question,
        PromptButtons::YesNo, PromptAnswer::Yes);
    if (a != PromptAnswer::Yes)
        return;
    // A section row deleted alone leaves its icons to the section above; among several
    // selected rows it takes its icons along. The first row becomes current.
    if (rowsIn(spans) > 1)
        spans = withSectionBlocks(items, spans);
    const int removed = rowsIn(spans);
    EditStepPtr step =
        spans.size() == 1
            ? removeRowsStep(m_doc, QCoreApplication::translate("ListController", "Delete"),
                             spans[0].first, removed)
            : removeSpansStep(m_doc, QCoreApplication::translate("ListController", "Delete"),
                              std::move(spans));
    step->setCurrentAfter(items.count() > removed ? 0 : -1);
    m_doc.edits().push(std::move(step));
    if (items.count() > 0)
        makeCurrent(0, {0, 0});
    m_doc.requestActionUpdate();
}

void ListController::duplicateSelected() {
    const ItemList& items = m_doc.items();
    const RowSpans spans = selectedSpans(m_selection, items.count());
    // One row: the copy is made of the current row, which stays the only one selected.
    if (rowsIn(spans) <= 1)
        selectOnlyCurrent(m_selection);
    const int row = currentRow();
    if (row < 0 || spans.empty())
        return;
    std::vector<ItemRow> rows;
    rows.reserve(size_t(rowsIn(spans)));
    for (const RowSpan& s : spans)
        for (int i = s.first; i <= s.last; ++i)
            rows.push_back(items.row(i));
    EditStepPtr step = insertRowsStep(m_doc, QCoreApplication::translate("ListController", "Copy"),
                                      items.count(), std::move(rows));
    step->setCurrentBefore(row);
    m_doc.edits().push(std::move(step));
    m_doc.requestActionUpdate();
}

void ListController::move(bool up) {
    const int row = currentRow();
    const RowSpans spans = selectedSpans(m_selection, m_doc.items().count());
    // Rows apart have no one place to move to.
    if (row < 0 || spans.size() != 1)
        return;
    const RowSpan span = spans.front();
    const auto move = stepMove(m_doc.items(), span, up);
    if (!move)
        return;
    EditStepPtr step = rotateStep(m_doc,
                                  up ? QCoreApplication::translate("ListController", "Move Up")
                                     : QCoreApplication::translate("ListController", "Move Down"),
                                  move->first, move->middle, move->last, up);
    // The selected rows travel as far as the block they lead.
    const int shift = up ? move->first - move->middle : move->last - move->middle + 1;
    const RowSpan moved{span.first + shift, span.last + shift};
    const bool inside = row >= span.first && row <= span.last;
    const int current = span.size() == 1 ? step->after().current
                        : inside         ? row + shift
                                         : moved.first;
    if (span.size() > 1)
        step->setPlaces({EditTab::Icons, row, span.first, span.last},
                        {EditTab::Icons, current, moved.first, moved.last});
    m_doc.edits().push(std::move(step));
    makeCurrent(current, moved);
    m_doc.requestActionUpdate();
}

void ListController::moveDown() {
    move(false);
}

void ListController::moveUp() {
    move(true);
}

} // namespace ulvanta
