#pragma once

#include <QTreeView>

namespace ulvanta {

// The item list view: a section row reads as the page's heading across the row,
// its name in bold and its settings in a lighter tone. It is never edited in
// place; asking to edit one hands over to the section dialog instead.
class ItemListView : public QTreeView {
    Q_OBJECT
public:
    explicit ItemListView(QWidget* parent = nullptr);

    // Shares the width among the columns by what the first rows' texts want (the
    // Description and Command first), until the user sizes a column or the user's
    // widths are restored.
    void fitColumns();
    // The user's column widths, to keep between runs; empty while the view fits them.
    QByteArray userColumns() const;
    void restoreUserColumns(const QByteArray& state);

    // Public so the guard can be exercised directly.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

protected:
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void resizeEvent(QResizeEvent* event) override;

signals:
    void sectionEditRequested();

private:
    bool m_fitting = false;
    bool m_userColumns = false;
};

} // namespace ulvanta
