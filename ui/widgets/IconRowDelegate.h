#pragma once

#include <QStyledItemDelegate>

namespace tolvane {

// Rows of 16 pixels: the entry's icon 2 pixels from the left edge, its text at 22.
class IconRowDelegate : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int rowHeight = 16;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

} // namespace tolvane
