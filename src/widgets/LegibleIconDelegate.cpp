#include "widgets/LegibleIconDelegate.h"

#include "components/PaletteContrast.h"

namespace ulvanta {

void LegibleIconDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->features & QStyleOptionViewItem::HasDecoration) || option->icon.isNull())
        return;
    const QString key = QString::number(option->icon.cacheKey()) + QLatin1Char(' ') +
                        option->palette.color(QPalette::Base).name();
    if (!m_legible.contains(key))
        m_legible.insert(key, new QIcon(PaletteContrast::legibleIcon(option->icon, option->palette,
                                                                     QPalette::Base)));
    option->icon = *m_legible.object(key);
}

} // namespace ulvanta
