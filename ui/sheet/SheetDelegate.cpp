#include "ui/sheet/SheetDelegate.h"

#include "ui/text/FitText.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace yorozu {

namespace {

Qt::Alignment alignmentOf(const QModelIndex& index)
{
    return Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
}

QRect textRectOf(const QStyleOptionViewItem& option, Qt::Alignment align)
{
    return align.testFlag(Qt::AlignHCenter) ? option.rect : option.rect.adjusted(2, 0, -4, 0);
}

} // namespace

std::optional<QFont> SheetDelegate::cellFont(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const auto align = alignmentOf(index);
    // Texts read on from their left edge and may run out of the cell; a
    // figure read from its right would lose its leading digits.
    if (!align.testFlag(Qt::AlignRight))
        return option.font;
    return fittingFont(option.font, index.data(Qt::DisplayRole).toString(), textRectOf(option, align).width());
}

bool SheetDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                              const QModelIndex& index)
{
    if (event->type() == QEvent::ToolTip && index.isValid()) {
        const QString text = index.data(Qt::DisplayRole).toString();
        const auto f = cellFont(option, index);
        if (!f || *f != option.font) {
            QToolTip::showText(event->globalPos(), text, view, option.rect);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void SheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setClipRect(option.rect);
    QColor fill = index.data(Qt::BackgroundRole).value<QBrush>().color();
    if (option.state.testFlag(QStyle::State_Selected))
        fill = option.palette.color(QPalette::Highlight);
    painter->fillRect(option.rect, fill);

    const auto align = alignmentOf(index);
    const auto font = cellFont(option, index);
    painter->setFont(font ? *font : option.font);
    painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
    const int flags = static_cast<int>(align.testFlag(Qt::AlignRight)    ? Qt::AlignRight
                                       : align.testFlag(Qt::AlignHCenter) ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft) |
                      Qt::AlignVCenter | Qt::TextSingleLine;
    painter->drawText(textRectOf(option, align), flags, font ? index.data(Qt::DisplayRole).toString() : kNoRoom);

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter->setPen(pen);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

} // namespace yorozu
