#include "ui/sheet/SheetEditor.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "core/document/Estimate.h"
#include "ui/sheet/SheetEditorText.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

#include <algorithm>

namespace yorozu {

namespace {

// Window-wide events the editors must see before anybody else: the wheel
// (which never scrolls a control of the window) and the keys of the text
// editor, the unit combo and the sheet (the window moves the focus on Enter
// in edit fields, which must not happen in a cell).
class WindowFilter : public QObject {
public:
    WindowFilter(QObject* parent, std::function<bool(QObject*, QEvent*)> handle)
        : QObject(parent), handle_(std::move(handle))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type t = event->type();
        if (t != QEvent::Wheel && t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride)
            return false;
        return handle_(watched, event);
    }

private:
    std::function<bool(QObject*, QEvent*)> handle_;
};

// A focus change that leaves the editor for good: a popup menu or the window
// losing activation brings the focus back to it.
bool leavesForGood(QEvent* event)
{
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

SheetEditor::SheetEditor(QTableView* sheet, Estimate& estimate, std::filesystem::path programDir, Dialogs& dialogs,
                         CellsChanged cellsChanged, QComboBox* unitList)
    : QObject(sheet), sheet_(sheet), viewport_(sheet->viewport()), estimate_(estimate), programDir_(std::move(programDir)), dialogs_(dialogs),
      cellsChanged_(std::move(cellsChanged))
{
    buildControls(unitList);
    buildMenus();
    setEditorColor(editorColor_);

    sheet_->installEventFilter(this);
    sheet_->viewport()->installEventFilter(this);
    connect(sheet_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid() && !moving_ && !mouseDown_ && sheet_->hasFocus())
                    openForCurrent(true);
            });
    windowFilter_ = new WindowFilter(this, [this](QObject* watched, QEvent* e) {
        if (e->type() == QEvent::Wheel) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (!w || w->window() != sheet_->window())
                return false;
            return FormMouseWheel(w, static_cast<QWheelEvent*>(e)->angleDelta().y());
        }
        if (e->type() == QEvent::KeyPress && keySeen) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->window() == sheet_->window())
                keySeen(*static_cast<QKeyEvent*>(e));
        }
        if (e->type() == QEvent::ShortcutOverride) {
            // A shortcut's key never arrives as a key press: Ctrl was not alone.
            if (static_cast<QKeyEvent*>(e)->key() != Qt::Key_Control)
                ctrlAlone_ = false;
            return false;
        }
        return keyEvent(watched, static_cast<QKeyEvent*>(e));
    });
    qApp->installEventFilter(windowFilter_);
    estimate_.addListener([this, alive = std::weak_ptr<bool>(alive_)](Change change) {
        if (change == Change::Cells && !alive.expired())
            syncOpenEditor();
    });
    // The headings are no cells: a click on one selects no column and moves
    // no cursor (widths are still dragged).
    sheet_->horizontalHeader()->setSectionsClickable(false);
    // A column resized under an open editor takes the editor along.
    connect(sheet_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeOpenEditor(); });
}

SheetEditor::~SheetEditor() = default;

// ---- cursor and focus

int SheetEditor::currentCol() const
{
    const QModelIndex i = sheet_->currentIndex();
    return i.isValid() ? i.column() : col::Dai;
}

int SheetEditor::currentRow() const
{
    const QModelIndex i = sheet_->currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

SheetEditorKind SheetEditor::openEditor() const
{
    if (EditP->isVisible())
        return SheetEditorKind::Text;
    if (NumP->isVisible())
        return SheetEditorKind::Numeric;
    if (CB1->isVisible())
        return SheetEditorKind::Unit;
    return SheetEditorKind::None;
}

QRect SheetEditor::cellRect(int c, int row) const
{
    return sheet_->visualRect(sheet_->model()->index(row - 1, c));
}

void SheetEditor::setCurrent(int c, int row)
{
    const QModelIndex i = sheet_->model()->index(row - 1, c);
    if (!i.isValid())
        return;
    settleStaleLine();
    const bool was = moving_;
    moving_ = true;
    sheet_->setCurrentIndex(i);
    sheet_->scrollTo(i);
    moving_ = was;
}

void SheetEditor::moveTo(int c, int row)
{
    setCurrent(c, row);
    focusSheet();
}

void SheetEditor::focusSheet()
{
    openForCurrent(true);
    // A column without an editor, or an editor that could not be shown:
    // the sheet itself holds the focus, never a hidden control.
    QWidget* f = QApplication::focusWidget();
    if (openEditor() == SheetEditorKind::None || !f || !f->isVisible()) {
        const bool was = moving_;
        moving_ = true;
        sheet_->setFocus(Qt::OtherFocusReason);
        moving_ = was;
    }
}

void SheetEditor::openForCurrent(bool giveFocus)
{
    // A sheet without a current cell starts on column 1 of the first line.
    if (!sheet_->currentIndex().isValid())
        setCurrent(col::Dai, 1);
    const int c = currentCol();
    const int row = currentRow();
    QWidget* target = nullptr;
    switch (editorForColumn(c, estimate_.memoMode)) {
    case SheetEditorKind::Text:
        INP_EDIT(c, row);
        target = Edit1;
        break;
    case SheetEditorKind::Numeric:
        INP_NUMERIC(c, row);
        target = NumEdit1;
        break;
    case SheetEditorKind::Unit:
        INP_CB1(c, row);
        target = CB1;
        break;
    case SheetEditorKind::None:
        hideEditors();
        return;
    }
    if (giveFocus && target && !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
}

void SheetEditor::hideEditors()
{
    // Hiding the focused control would send the focus along the tab chain
    // to some unrelated field: the sheet takes it first.
    for (QWidget* w : {static_cast<QWidget*>(EditP), static_cast<QWidget*>(NumP), static_cast<QWidget*>(CB1)}) {
        if (!w->isVisible())
            continue;
        if (w->isAncestorOf(QApplication::focusWidget()) || w->hasFocus()) {
            const bool was = moving_;
            moving_ = true;
            sheet_->setFocus(Qt::OtherFocusReason);
            moving_ = was;
        }
        w->hide();
    }
}

void SheetEditor::cancelEditing()
{
    enzan_.reset();
    SIKI->hide();
    staleRow_ = 0;
    hideEditors();
}

void SheetEditor::reloadOpenEditor()
{
    switch (openEditor()) {
    case SheetEditorKind::Text:
        INP_EDIT(currentCol(), currentRow());
        break;
    case SheetEditorKind::Numeric:
        INP_NUMERIC(currentCol(), currentRow());
        break;
    default:
        break;
    }
}

void SheetEditor::syncOpenEditor()
{
    const SheetEditorKind open = openEditor();
    if (open == SheetEditorKind::None || loading_)
        return;
    if (editRow_ >= estimate_.SG1.rowCount()) {
        hideEditors();
        return;
    }
    const std::string& text = estimate_.SG1.cell(editCol_, editRow_);
    switch (open) {
    case SheetEditorKind::Text:
        // The computed columns under the wheel's editor are never stored.
        if (textEditorStores(editCol_) && cellToEditor(text) != Edit1->text())
            INP_EDIT(editCol_, editRow_);
        break;
    case SheetEditorKind::Numeric:
        // While an operation is pending the cell keeps the first operand and
        // the editor the second.
        if (!enzan_.pending() && QString::fromStdString(text) != NumEdit1->Text())
            INP_NUMERIC(editCol_, editRow_);
        break;
    case SheetEditorKind::Unit:
        if (cellToEditor(text) != CB1->currentText())
            INP_CB1(editCol_, editRow_);
        break;
    case SheetEditorKind::None:
        break;
    }
}

void SheetEditor::written(int row)
{
    if (cellsChanged_)
        cellsChanged_(row);
    else
        estimate_.notify(Change::Cells);
}

// ---- the sheet's own events

bool SheetEditor::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == sheet_) {
        if (type == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // A mouse press opens the editor on release, on the pressed cell.
            if (!moving_ && reason != Qt::MouseFocusReason)
                openForCurrent(true);
        }
        return false;
    }
    if (watched == viewport_) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            auto* m = static_cast<QMouseEvent*>(event);
            ENZAN2();
            // The right button opens the menu on the current cell; it does
            // not move the cursor.
            if (m->button() == Qt::RightButton)
                return true;
            mouseDown_ = true;
        } else if (type == QEvent::MouseButtonRelease) {
            auto* m = static_cast<QMouseEvent*>(event);
            const bool was = mouseDown_;
            mouseDown_ = false;
            if (was && m->button() == Qt::LeftButton)
                openForCurrent(true);
            return m->button() == Qt::RightButton;
        }
        return false;
    }
    if (watched == Edit1) {
        if (type == QEvent::FocusOut && leavesForGood(event)) {
            EditP->hide();
        }
        return false;
    }
    if (watched == CB1 || watched == CB1->lineEdit()) {
        if (type == QEvent::FocusOut && leavesForGood(event)) {
            // The focus moving between the combo and its own edit stays inside.
            QWidget* f = QApplication::focusWidget();
            if (f != CB1 && f != CB1->lineEdit() && !CB1->view()->isVisible())
                CB1->hide();
        }
        return false;
    }
    return false;
}

bool SheetEditor::keyEvent(QObject* watched, QKeyEvent* k)
{
    const bool press = k->type() == QEvent::KeyPress;
    if (watched == sheet_)
        return press && SG1KeyDown(k->key(), k->modifiers(), k->text());
    if (watched == Edit1) {
        if (!press) {
            if (k->key() == Qt::Key_Up)
                Edit1->end(false);
            return false;
        }
        return Edit1KeyDown(k->key(), k->modifiers()) || Edit1KeyPress(k->text());
    }
    if (watched == NumEdit1) {
        // Tab never reaches the control's own key handling.
        return press && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && tabMove(k->key() == Qt::Key_Tab);
    }
    if (watched == CB1 || watched == CB1->lineEdit() || watched == CB1->view()) {
        // Ctrl alone opens or closes the list when it is let go: held for a
        // Ctrl+digit command it must leave the window's shortcuts to work,
        // which an open list (a popup of its own) would swallow.
        if (k->key() == Qt::Key_Control) {
            if (press && !k->isAutoRepeat())
                ctrlAlone_ = true;
            else if (!press && ctrlAlone_) {
                ctrlAlone_ = false;
                if (CB1->view()->isVisible())
                    CB1->hidePopup();
                else
                    CB1->showPopup();
            }
            return true;
        }
        if (press)
            ctrlAlone_ = false;
        if (watched == CB1->view())
            return false; // the open list's own keys
        return press && CB1KeyDown(k->key(), k->modifiers());
    }
    return false;
}

} // namespace yorozu
