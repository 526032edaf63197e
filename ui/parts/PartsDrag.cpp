// Dragging a part off the grid onto the sheet, and a sheet line onto the grid.
#include "ui/parts/PartsPanel.h"

#include "core/document/Estimate.h"
#include "core/document/PartsTransfer.h"
#include "ui/parts/PartsHost.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstdlib>

namespace yorozu {

namespace {

constexpr int kDragDistance = 5;
constexpr int kDragMargin = 19; // no drag starts over the numbers or the headings

} // namespace

bool PartsPanel::gridMouse(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() == Qt::LeftButton) {
            pressPos_ = m->globalPosition().toPoint();
            pressed_ = true;
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (dragging_)
            return true;
        if (!pressed_ || !(m->buttons() & Qt::LeftButton))
            return false;
        const QPoint now = m->globalPosition().toPoint();
        const QPoint inGrid = SG2->mapFromGlobal(now);
        if (inGrid.x() <= kDragMargin || inGrid.y() <= kDragMargin)
            return false;
        const QPoint d = now - pressPos_;
        if (std::abs(d.x()) <= kDragDistance && std::abs(d.y()) <= kDragDistance)
            return false;
        host_.beep();
        dragging_ = true;
        QApplication::setOverrideCursor(Qt::DragCopyCursor);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        pressed_ = false;
        if (!dragging_)
            return false;
        dragging_ = false;
        QApplication::restoreOverrideCursor();
        // Released over the grid itself (which lies over the sheet), the drag just ends.
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (!SG2->rect().contains(SG2->mapFromGlobal(at)))
            host_.dropPart(at, currentRow());
        return true;
    }
    default:
        return false;
    }
}

bool PartsPanel::dropSheetLine(QPoint globalPos, int sheetRow)
{
    if (!isShown() || !host_.sheetLineDragged())
        return false;
    const QPoint at = SG2->viewport()->mapFromGlobal(globalPos);
    const QModelIndex index = SG2->viewport()->rect().contains(at) ? SG2->indexAt(at) : QModelIndex();
    if (!index.isValid())
        return false;
    BUHIN_DROP(estimate_.SG1, sheetRow, estimate_.SG2, index.row() + 1);
    host_.endSheetLineDrag();
    gridChanged();
    return true;
}

} // namespace yorozu
