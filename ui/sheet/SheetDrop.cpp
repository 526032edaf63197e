#include "ui/sheet/SheetDrop.h"

#include "core/document/PartsTransfer.h"
#include "core/document/StringGrid.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTableView>

#include <cstdlib>

namespace yorozu {

int sheetRowAt(const QTableView& sheet, QPoint globalPos)
{
    const QWidget* viewport = sheet.viewport();
    if (!sheet.isVisible())
        return 0;
    const QPoint at = viewport->mapFromGlobal(globalPos);
    if (!viewport->rect().contains(at))
        return 0;
    const QModelIndex index = sheet.indexAt(at);
    return index.isValid() ? index.row() + 1 : 0;
}

int dropPartOnSheet(const QTableView& sheet, StringGrid& SG1, const StringGrid& SG2, int partRow, QPoint globalPos)
{
    const int row = sheetRowAt(sheet, globalPos);
    if (row > 0)
        DRAG_DROP(SG2, partRow, SG1, row);
    return row;
}

LineDragSource::LineDragSource(QWidget* source, std::function<bool()> allowed, std::function<void()> started,
                               std::function<void(QPoint)> dropped)
    : QObject(source), source_(source), allowed_(std::move(allowed)), started_(std::move(started)),
      dropped_(std::move(dropped))
{
    source_->installEventFilter(this);
}

void LineDragSource::end()
{
    if (dragging_)
        QApplication::restoreOverrideCursor();
    dragging_ = false;
}

bool LineDragSource::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != source_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() == Qt::LeftButton) {
            press_ = m->globalPosition().toPoint();
            pressed_ = true;
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (dragging_)
            return true;
        if (!pressed_ || !(m->buttons() & Qt::LeftButton) || !allowed_ || !allowed_())
            return false;
        const QPoint d = m->globalPosition().toPoint() - press_;
        if (std::abs(d.x()) <= 5 && std::abs(d.y()) <= 5)
            return false;
        dragging_ = true;
        QApplication::setOverrideCursor(Qt::DragCopyCursor);
        if (started_)
            started_();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        pressed_ = false;
        if (!dragging_)
            return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (dropped_)
            dropped_(at);
        end();
        return true;
    }
    default:
        return false;
    }
}

} // namespace yorozu
