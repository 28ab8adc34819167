#include "app/ItemListView.h"

#include "components/PaletteContrast.h"
#include "components/WindowPlace.h"
#include "model/ItemList.h"
#include "model/SectionRow.h"
#include "widgets/LegibleIconDelegate.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QPainter>

namespace ulvanta {

namespace {

// Leaves a section row's cells empty: the view writes its heading across the row.
// The pictures and marks of the others stay legible in any palette.
class CellDelegate : public LegibleIconDelegate {
public:
    using LegibleIconDelegate::LegibleIconDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        LegibleIconDelegate::initStyleOption(option, index);
        if (index.data(ItemList::SectionNameRole).isValid()) {
            option->text.clear();
            option->features &= ~QStyleOptionViewItem::HasDisplay;
        }
    }
};

} // namespace

ItemListView::ItemListView(QWidget* parent) : QTreeView(parent) {
    setItemDelegate(new CellDelegate(this));
    connect(header(), &QHeaderView::sectionResized, this, [this] {
        if (!m_fitting)
            m_userColumns = true;
    });
}

void ItemListView::fitColumns() {
    if (m_userColumns || !model())
        return;
    const int n = model()->columnCount();
    const QFontMetrics metrics(font());
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int picture = iconSize().isValid()
                            ? iconSize().width()
                            : style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    QList<int> least(n), wanted(n);
    for (int c = 0; c < n; ++c)
        least[c] = header()->sectionSizeHint(c);
    // The first screenfuls tell what the texts are like; a long list is not read.
    const int rows = std::min(model()->rowCount(), 200);
    for (int r = 0; r < rows; ++r) {
        if (model()->index(r, 0).data(ItemList::SectionNameRole).isValid())
            continue;
        for (int c = 0; c < n; ++c) {
            int w = metrics.horizontalAdvance(model()->index(r, c).data().toString()) + margin;
            if (c == ColDescription)
                w += picture + margin;
            wanted[c] = std::max(wanted[c], w);
        }
    }
    // Room for the vertical scroll bar a long list shows.
    const int available = width() - 2 * frameWidth() -
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QList<int> widths =
        WindowPlace::columnWidths(available, least, wanted, {ColDescription, ColCommand});
    m_fitting = true;
    for (int c = 0; c < n; ++c)
        header()->resizeSection(c, widths[c]);
    m_fitting = false;
}

QByteArray ItemListView::userColumns() const {
    return m_userColumns ? header()->saveState() : QByteArray();
}

void ItemListView::restoreUserColumns(const QByteArray& state) {
    if (!state.isEmpty() && header()->restoreState(state))
        m_userColumns = true;
}

void ItemListView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    fitColumns();
}

void ItemListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QTreeView::drawRow(painter, option, index);
    const QModelIndex first = index.siblingAtColumn(ColDescription);
    const QVariant nameData = first.data(ItemList::SectionNameRole);
    if (!nameData.isValid())
        return;
    const QString name = nameData.toString();
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int left = header()->sectionViewportPosition(header()->logicalIndex(0));
    QRect text(left + margin, option.rect.top(), viewport()->width() - left - 2 * margin,
               option.rect.height());
    const bool selected = selectionModel() && selectionModel()->isSelected(first);
    QColor ink = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(ink);
    const QFontMetrics boldMetrics(bold);
    const QString shownName = boldMetrics.elidedText(name, Qt::ElideRight, text.width());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, shownName);
    text.setLeft(text.left() + boldMetrics.horizontalAdvance(shownName));
    const QString settings =
        QStringLiteral(" \u2014 ") + first.data(ItemList::SectionSettingsRole).toString();
    // Lighter, yet legible in any colour scheme, dark or high contrast.
    ink = PaletteContrast::softerText(
        ink, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter->setFont(option.font);
    painter->setPen(ink);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(option.font).elidedText(settings, Qt::ElideRight, text.width()));
    painter->restore();
}

bool ItemListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Only an edit that would really start is redirected: the view also asks on every
    // change of the current row (CurrentChanged), which is no edit here.
    const bool starts = trigger == AllEditTriggers ||
                        ((editTriggers() & trigger) &&
                         (trigger != SelectedClicked || selectionModel()->isSelected(index)));
    if (starts && index.isValid() && (model()->flags(index) & Qt::ItemIsEditable) &&
        state() != EditingState) {
        if (SectionRow::isSection(model()->index(index.row(), 0).data(Qt::EditRole).toString())) {
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
