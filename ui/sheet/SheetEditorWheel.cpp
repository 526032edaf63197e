#include "ui/sheet/SheetEditor.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "core/document/Estimate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QTableView>

#include <algorithm>

// The mouse wheel of the window: rows of the sheet, never a control's scroll.
namespace yorozu {

// ---- the mouse wheel

bool SheetEditor::FormMouseWheel(QWidget* target, int angleDelta)
{
    QComboBox* combo = nullptr;
    for (QWidget* p = target; p && !combo && p != sheet_->window(); p = p->parentWidget())
        combo = qobject_cast<QComboBox*>(p);
    QWidget* focus = QApplication::focusWidget();
    // The open list lives in a window of its own.
    const bool unitFocused = (focus && (focus == CB1 || CB1->isAncestorOf(focus))) || CB1->view()->isVisible();
    if (combo && !(combo == CB1 && unitFocused))
        return true;
    // A grid with everything on it: its viewport, its scroll bar.
    bool grid = false;
    for (QWidget* p = target; p && !grid && p != sheet_->window(); p = p->parentWidget())
        grid = qobject_cast<QAbstractItemView*>(p) != nullptr;
    // The header's own edit boxes are no editors of a grid.
    const bool editor = qobject_cast<TSaNumEdit*>(target) || qobject_cast<TLeftEdit*>(target);
    const bool panel = target->metaObject() == &QFrame::staticMetaObject;
    if (!combo && !grid && !editor && !panel)
        return true;

    // Fine-grained wheels send small steps; one row per notch of 120.
    wheelRest_ += angleDelta;
    int steps = 0;
    for (; wheelRest_ >= 120; wheelRest_ -= 120)
        --steps;
    for (; wheelRest_ <= -120; wheelRest_ += 120)
        ++steps;
    if (steps == 0)
        return true;

    const int last = std::max(1, estimate_.SG1.rowCount() - 1);
    if (unitFocused) {
        if (CB1->view()->isVisible())
            return true;
        const int row = std::clamp(currentRow() + steps, 1, last);
        setCurrent(currentCol(), row);
        INP_CB1(currentCol(), row);
        return true;
    }
    if (partsHasFocus && partsHasFocus()) {
        if (partsWheel)
            partsWheel(steps);
        return true;
    }
    if (focus == NumEdit1 && !ENZAN())
        return true;
    const int c = currentCol();
    const int row = std::clamp(currentRow() + steps, 1, last);
    setCurrent(c, row);
    switch (wheelEditorForColumn(c, estimate_.memoMode)) {
    case SheetEditorKind::Numeric:
        INP_NUMERIC(c, row);
        NumEdit1->setFocus(Qt::OtherFocusReason);
        break;
    case SheetEditorKind::Text:
        INP_EDIT(c, row);
        Edit1->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
    return true;
}

} // namespace yorozu
