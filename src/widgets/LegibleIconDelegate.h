#pragma once

#include <QCache>
#include <QIcon>
#include <QStyledItemDelegate>

namespace ulvanta {

// Shows a list's pictures legible on the list's own colours: a picture drawn dark
// for a light list (a symbolic theme icon) is drawn in the text colour on a dark one.
class LegibleIconDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    // By the picture and the background it was made legible on.
    mutable QCache<QString, QIcon> m_legible{512};
};

} // namespace ulvanta
