#pragma once

#include <QStyledItemDelegate>

#include <optional>

namespace yorozu {

// Paints a sheet cell the way the sheet has always looked: the cell's fill
// over the whole rectangle, the text 2 pixels in from the left or 4 from
// the right, never elided (a narrow text column shows what fits), and the
// selection in aqua. A figure (a right-aligned cell) is never cut: one too
// wide for its cell is drawn smaller, or as "###" with the full figure in
// the cell's tooltip. The floating editors of the sheet lie on top of it.
class SheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // What a cell shows of its text: the font to draw it in, or nothing
    // when the figure fits in no size ("###").
    static std::optional<QFont> cellFont(const QStyleOptionViewItem& option, const QModelIndex& index);
};

} // namespace yorozu
