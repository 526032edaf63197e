#pragma once

#include <QStyledItemDelegate>

namespace yorozu {

// Paints a sheet cell the way the sheet has always looked: the cell's fill
// over the whole rectangle, the text 2 pixels in from the left or 4 from
// the right, never elided (a narrow column shows what fits), and the
// selection in aqua. The floating editors of the sheet lie on top of it.
class SheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace yorozu
