#include "ui/parts/PartsPanel.h"

#include "core/document/Estimate.h"
#include "core/document/PartsTransfer.h"
#include "core/document/RowOps.h"
#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/parts/PartsHost.h"
#include "ui/parts/PartsMessages.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/colors/WinColor.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include <algorithm>
#include <stdexcept>

namespace yorozu {

namespace {

constexpr int kGridTop = 147;
constexpr int kGridHeight = 496;
constexpr int kGridWidth = 656;
constexpr int kGridRightMargin = 10;

} // namespace

PartsPanel::PartsPanel(QWidget* client, Estimate& estimate, Dialogs& dialogs, std::filesystem::path programDir,
                       PartsHost& host, const Colors& colors, Start start)
    : QObject(client), estimate_(estimate), dialogs_(dialogs), programDir_(std::move(programDir)), host_(host),
      colors_(colors), catalogue_(programDir_), autoClose_(start.autoClose), insertMode_(start.insertMode), barWidth_(start.barWidth)
{
    static const char* const placeholders[] = {"部門－Ⅰ", "部門－Ⅱ", "部門－Ⅲ", "部門－Ⅳ", "部門－Ⅴ", "部門－Ⅵ", "部門－Ⅶ",
                                               "部門－Ⅷ", "部門－Ⅸ", "部門－Ⅹ"};
    for (int i = 0; i < kPartsDepartments; ++i)
        captions_.departments[static_cast<std::size_t>(i)] =
            i < 10 ? placeholders[i] : "部門－" + std::to_string(i + 1);
    model_ = new SheetModel(estimate_, estimate_.SG2, SheetModel::Look::Parts, colors, this);
    buildGrid(client);
    buildBars(client);
    buildEditors();
    buildMenu();
    refreshCaptions();
    pressButtons();
    layOutBars();
    place();
    // Ahead of the window's own key handling (Enter moving the focus, Home
    // and End going to the sheet), which the grid and its editors do not take.
    qApp->installEventFilter(this);
}

PartsPanel::~PartsPanel() = default;

void PartsPanel::buildGrid(QWidget* client)
{
    SG2 = new SheetView(*model_, client);
    SG2->setObjectName(QStringLiteral("SG2"));
    SG2->setToolTip(QStringLiteral("ENTER/スペースキー/Wクリックで見積書へコピー"));
    SG2->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG2->setSelectionMode(QAbstractItemView::SingleSelection);
    SG2->setContextMenuPolicy(Qt::CustomContextMenu);
    // Hiding an editor that holds the focus must not step the cursor on, as
    // the view's Tab navigation would.
    SG2->setTabKeyNavigation(false);
    SG2->hide();
    connect(SG2, &SheetView::currentCellChanged, this, [this](int c, int row) {
        gridEditing_ = false;
        if (!editMode_)
            return;
        // The computed columns cannot be selected.
        if (c >= col::Amount && c <= col::Rate) {
            setCurrent(col::CostPrice, row);
            return;
        }
        openEditor();
    });
    connect(SG2, &QAbstractItemView::doubleClicked, this, [this] { copyByDoubleClick(); });
    connect(SG2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(SG2->viewport()->mapToGlobal(at)); });
}

void PartsPanel::place()
{
    QWidget* client = SG2->parentWidget();
    const int right = client->width() - kGridRightMargin;
    SG2->setGeometry(right - kGridWidth, kGridTop, kGridWidth, kGridHeight);
    SG2->applyWidths();
    BUMON_Bar->move(right - BUMON_Bar->width(), kGridTop - 108);
    BUHIN_Bar->move(right - BUHIN_Bar->width(), kGridTop - 54);
}

bool PartsPanel::isShown() const
{
    return SG2->isVisible();
}

bool PartsPanel::hasFocus() const
{
    QWidget* f = QApplication::focusWidget();
    return f && (f == SG2 || SG2->isAncestorOf(f) || f == Edit2 || f == NumEdit2);
}

int PartsPanel::currentRow() const
{
    return SG2->currentGridRow();
}

int PartsPanel::currentCol() const
{
    return SG2->currentCol();
}

void PartsPanel::setCurrent(int c, int row)
{
    row = std::clamp(row, 1, estimate_.SG2.rowCount() - 1);
    SG2->setCurrentCell(c, row);
}

void PartsPanel::gridChanged()
{
    model_->cellsChanged();
}

// ---- opening and closing

void PartsPanel::SpeedButton23Click()
{
    if (isShown()) {
        host_.focusSheet();
        hidePanel();
        inUse_ = false;
        return;
    }
    place();
    host_.hideTotalsGrid();
    showPanel();
    inUse_ = true;
    if (!catalogue_.opened()) {
        const auto step = catalogue_.open(estimate_.SG2, captions_);
        refreshCaptions();
        afterSwitch(step);
        report(step);
    }
    SG2->setFocus(Qt::OtherFocusReason);
}

void PartsPanel::showPanel()
{
    for (QWidget* w : {static_cast<QWidget*>(SG2), static_cast<QWidget*>(BUMON_Bar), static_cast<QWidget*>(BUHIN_Bar)}) {
        w->show();
        w->raise();
    }
    EditP2->raise();
    NumP2->raise();
}

void PartsPanel::hidePanel()
{
    hideEditors();
    SG2->hide();
    BUMON_Bar->hide();
    BUHIN_Bar->hide();
}

QWidget* PartsPanel::takeOverFromSheet(bool fromNumeric)
{
    if (!fromNumeric) {
        SpeedButton23Click();
    } else {
        place();
        showPanel();
        SG2->setFocus(Qt::OtherFocusReason);
    }
    if (!isShown())
        return nullptr;
    gridEditing_ = false;
    return SG2;
}

void PartsPanel::resetAfterSettings()
{
    hidePanel();
    catalogue_.reset();
    pressButtons();
}

void PartsPanel::BUHIN_KAKIDASI()
{
    const auto r = catalogue_.save(estimate_.SG2);
    if (!r)
        throw std::runtime_error(r.error);
}

// ---- switching

void PartsPanel::afterSwitch(const PartsCatalogue::Step& step)
{
    if (!step.switched)
        return;
    setEditMode(false);
    gridChanged();
    SG2->applyWidths();
    pressButtons();
    SG2->setFocus(Qt::OtherFocusReason);
    setCurrent(estimate_.SG2.colWidth(col::Shape) > 0 ? col::Shape : col::Description, step.row);
    gridEditing_ = false;
}

void PartsPanel::report(const PartsCatalogue::Step& step)
{
    if (!step.write)
        dialogs_.warning(QString::fromUtf8(kPartsNotSaved) + QString::fromStdString(step.write.unmappable));
    if (!step.unreadable.empty())
        dialogs_.warning(QString::fromStdString(partsUnreadableMessage(step.unreadable)));
}

void PartsPanel::BUHIN_BTNClick(int k)
{
    const auto step = catalogue_.switchPage(estimate_.SG2, currentRow(), k);
    afterSwitch(step);
    pressButtons();
    report(step);
}

void PartsPanel::BUMON_BTNClick(int k)
{
    const auto step = catalogue_.switchDepartment(estimate_.SG2, captions_, currentRow(), k);
    refreshCaptions();
    afterSwitch(step);
    pressButtons();
    report(step);
}

// ---- copying into the sheet

void PartsPanel::SG1toSG2()
{
    const int row = host_.sheetRow();
    copyPartToSheetRow(estimate_.SG2, currentRow(), estimate_.SG1, row);
    host_.recalculateLine(row);
    host_.sheetChanged();
}

void PartsPanel::copyByKey()
{
    SG_INS(estimate_.SG1, host_.sheetRow());
    host_.sheetChanged();
    host_.focusSheet();
    SG1toSG2();
    if (autoClose_) {
        host_.moveSheetCursor(col::Quantity, host_.sheetRow());
        hidePanel();
    }
}

void PartsPanel::copyByDoubleClick()
{
    if (gridEditing_ || editMode_)
        return;
    auto& sheet = estimate_.SG1;
    int row = host_.sheetRow();
    if (insertMode_) {
        SG_INS(sheet, row);
    } else if (row >= sheet.rowCount() - 1) {
        sheet.setRowCount(sheet.rowCount() + 1);
        row = sheet.rowCount() - 1;
        sheet.setCell(col::No, row, std::to_string(row));
    } else {
        ++row;
        SG_INS(sheet, row);
    }
    host_.sheetChanged();
    host_.setSheetCursor(host_.sheetCol(), row);
    SG1toSG2();
    host_.moveSheetCursor(col::Quantity, row);
    if (autoClose_)
        hidePanel();
}

void PartsPanel::enterMove()
{
    auto& g = estimate_.SG2;
    const int c = currentCol();
    const int row = currentRow();
    if (c == col::CostPrice || c == col::Rate) {
        if (row >= g.rowCount() - 1) {
            g.setRowCount(g.rowCount() + 1);
            g.setCell(col::No, g.rowCount() - 1, std::to_string(g.rowCount() - 1));
            gridChanged();
        }
        setCurrent(col::Description, row + 1);
        return;
    }
    int next = c + 1;
    while (next == col::TaxExempt || next == col::Quantity || g.colWidth(next) <= 0)
        ++next;
    if (next <= col::Rate)
        setCurrent(next, row);
}

bool PartsPanel::gridKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((enter || key == Qt::Key_Space) && !gridEditing_) {
        copyByKey();
        if (enter && isShown())
            enterMove();
        return true;
    }
    if (enter) {
        enterMove();
        return true;
    }
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        // The grid's own: the window's Home and End leave the grid alone.
        setCurrent(currentCol(), key == Qt::Key_Home ? 1 : estimate_.SG2.rowCount() - 1);
        return true;
    }
    if (key == Qt::Key_Escape && !gridEditing_) {
        host_.focusSheet();
        hidePanel();
        return true;
    }
    return false;
}

void PartsPanel::wheel(int step)
{
    if (!EditP2->isVisible() && !NumP2->isVisible())
        return;
    setCurrent(currentCol(), currentRow() + step);
}

// ---- modes

void PartsPanel::AUTOBTNClick()
{
    autoClose_ = !autoClose_;
    AUTOBTN->setText(autoClose_ ? QStringLiteral("入") : QStringLiteral("切"));
}

void PartsPanel::INSBTNClick()
{
    insertMode_ = !insertMode_;
    INSBTN->setText(insertMode_ ? QStringLiteral("挿") : QStringLiteral("次"));
}

bool PartsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    if (watched == SG2 && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        return gridKey(k->key(), k->modifiers());
    }
    if (watched == SG2 && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // The colour bar marks the current part while the grid has the
        // focus; a pale one stands in for it meanwhile.
        const bool in = event->type() == QEvent::FocusIn;
        if (!in)
            gridEditing_ = false;
        QPalette pal = SG2->palette();
        pal.setColor(QPalette::Highlight, in ? fromWinColor(colors_[7]) : QColor(193, 252, 253));
        pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
        SG2->setPalette(pal);
        return false;
    }
    if (watched == SG2->viewport())
        return gridMouse(event);
    if (watched == BUMON_Bar || watched == BUHIN_Bar)
        return barMouse(static_cast<QFrame*>(watched), event);
    if (watched == Edit2 && event->type() == QEvent::KeyPress)
        return Edit2KeyDown(static_cast<QKeyEvent*>(event)->key());
    return false;
}

} // namespace yorozu
