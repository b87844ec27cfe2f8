#include "ui/widgets/IconRowDelegate.h"

#include <QPainter>

namespace tolvane {

QSize IconRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return {200, rowHeight};
}

void IconRowDelegate::paint(QPainter *p, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &pal = option.palette;
    p->fillRect(option.rect, selected ? pal.highlight() : pal.base());
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    icon.paint(p, QRect(option.rect.left() + 2, option.rect.top(), 16, 16));
    p->setPen(selected ? pal.highlightedText().color() : pal.text().color());
    p->setFont(option.font);
    p->drawText(option.rect.adjusted(22, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        p->setPen(QPen(pal.text().color(), 1, Qt::DotLine));
        p->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
}

} // namespace tolvane
