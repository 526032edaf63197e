#include "ui/sheet/SheetDelegate.h"

#include <QBrush>
#include <QPainter>

namespace yorozu {

void SheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setClipRect(option.rect);
    QColor fill = index.data(Qt::BackgroundRole).value<QBrush>().color();
    if (option.state.testFlag(QStyle::State_Selected))
        fill = option.palette.color(QPalette::Highlight);
    painter->fillRect(option.rect, fill);

    const auto align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    const QRect textRect = option.rect.adjusted(2, 0, -4, 0);
    painter->setFont(option.font);
    painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
    const int flags = static_cast<int>(align.testFlag(Qt::AlignRight)    ? Qt::AlignRight
                                       : align.testFlag(Qt::AlignHCenter) ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft) |
                      Qt::AlignVCenter | Qt::TextSingleLine;
    painter->drawText(align.testFlag(Qt::AlignHCenter) ? option.rect : textRect, flags,
                      index.data(Qt::DisplayRole).toString());

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter->setPen(pen);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

} // namespace yorozu
