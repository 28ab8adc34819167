#pragma once

#include <QTreeView>

namespace ulvanta {

// The item list view: a section row is never edited in place; asking to edit one
// hands over to the section dialog instead.
class ItemListView : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

    // Public so the guard can be exercised directly.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

protected:
    void dropEvent(QDropEvent* event) override;

signals:
    void sectionEditRequested();
};

} // namespace ulvanta
