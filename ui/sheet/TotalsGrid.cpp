#include "ui/sheet/TotalsGrid.h"

#include "core/document/Estimate.h"
#include "core/copies/Survey.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace yorozu {

TotalsGrid::TotalsGrid(Estimate& estimate, const std::array<std::int32_t, 21>& colors, QWidget* parent, QWidget* sheet)
    : QObject(parent), estimate_(estimate), sheet_(sheet)
{
    model_ = new SheetModel(estimate_, estimate_.SG_KEI, SheetModel::Look::Totals, colors, this);
    view_ = new SheetView(*model_, parent);
    view_->setObjectName(QStringLiteral("SG_KEI"));
    view_->setToolTip(QStringLiteral("右クリックで閉じる。　ドラッグで移動可能"));
    view_->setFixedColors(QColor(0, 255, 255), QColor(0, 0, 128));
    QPalette pal = view_->palette();
    pal.setColor(QPalette::Highlight, QColor(255, 255, 0));
    view_->setPalette(pal);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    view_->hide();
}

void TotalsGrid::show()
{
    model_->cellsChanged();
    model_->headingsChanged();
    view_->applyWidths();
    const auto size = totalsGridSize(estimate_.SG_KEI.rowCount(), view_->verticalScrollBar()->sizeHint().width());
    view_->setGeometry(48, 80, size.width > 0 ? size.width : 938, size.height > 0 ? size.height : 200);
    view_->raise();
    view_->show();
    view_->setFocus();
    estimate_.SG_KEI_visible = true;
}

void TotalsGrid::hide()
{
    estimate_.SG_KEI_visible = false;
    if (!view_->isVisible())
        return;
    view_->hide();
    sheet_->setFocus();
}

bool TotalsGrid::isShown() const
{
    return view_->isVisible();
}

bool TotalsGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        hide();
        return true;
    }
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return false;
}

} // namespace yorozu
