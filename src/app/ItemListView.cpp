#include "app/ItemListView.h"

#include "model/SectionRow.h"

#include <QDropEvent>

namespace ulvanta {

bool ItemListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Only an edit that would really start is redirected: the view also asks on every
    // change of the current row (CurrentChanged), which is no edit here.
    const bool starts = trigger == AllEditTriggers ||
                        ((editTriggers() & trigger) &&
                         (trigger != SelectedClicked || selectionModel()->isSelected(index)));
    if (starts && index.isValid() && (model()->flags(index) & Qt::ItemIsEditable) &&
        state() != EditingState) {
        if (SectionRow::isSection(model()->index(index.row(), 0).data().toString())) {
            emit sectionEditRequested();
            return false;
        }
    }
    return QTreeView::edit(index, trigger, event);
}

void ItemListView::dropEvent(QDropEvent* event) {
    QTreeView::dropEvent(event);
    // What comes from another program is only read from: its source must not take
    // the drop for a move and delete what was dragged.
    if (event->source() != this && event->dropAction() == Qt::MoveAction)
        event->setDropAction(Qt::CopyAction);
}

} // namespace ulvanta
