#include "ui/SheetEditor.h"

#include "controls/LeftEdit.h"
#include "controls/SaNumEdit.h"
#include "core/Estimate.h"
#include "ui/SheetEditorText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>

// The keys of the three editors and of the sheet, and the capture of the
// in-cell arithmetic.
namespace yorozu {

namespace {

std::optional<EditKey> editKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EditKey::Enter;
    case Qt::Key_Right:
        return EditKey::Right;
    case Qt::Key_Left:
        return EditKey::Left;
    case Qt::Key_Up:
        return EditKey::Up;
    case Qt::Key_Down:
        return EditKey::Down;
    case Qt::Key_PageUp:
        return EditKey::PageUp;
    case Qt::Key_PageDown:
        return EditKey::PageDown;
    default:
        return std::nullopt;
    }
}

// Plain keys only: chords are the window's shortcuts or the editor's own
// (Shift+Left selects in the numeric editor). The keypad flag is no chord.
bool plain(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isNumericCell(int c)
{
    return c == col::Quantity || c == col::UnitPrice || c == col::CostPrice || c == col::Memo;
}

} // namespace

void SheetEditor::applyMove(const CellMove& move, SheetEditorKind keep)
{
    if (move.appendRow) {
        appendNumberedRow(estimate_.SG1);
        written(0);
    }
    setCurrent(move.col, move.row);
    if (!move.keepEditor)
        return;
    if (keep == SheetEditorKind::Text)
        INP_EDIT(move.col, move.row);
    else if (keep == SheetEditorKind::Numeric)
        INP_NUMERIC(move.col, move.row);
}

void SheetEditor::finishLine(const CellMove& move, bool fromNumeric)
{
    (void)move;
    if (partsPanelInUse && partsPanelInUse() && handToParts) {
        // The panel may have closed itself on the way: the focus never stays
        // on a control that is not shown, nor wanders to another field.
        QWidget* taker = handToParts(fromNumeric);
        if (taker && taker->isVisible() && taker->hasFocus())
            return;
    }
    focusSheet();
}

void SheetEditor::FormKeyDown(bool home)
{
    if (!ENZAN())
        return; // the operation failed: the cursor stays with it
    moveTo(col::Dai, home ? 1 : estimate_.SG1.rowCount() - 1);
}

// ---- text editor

void SheetEditor::Edit1Change()
{
    if (loading_)
        return;
    const QString typed = Edit1->text();
    std::string cellText = editorToCell(typed);
    if (editCol_ == col::Dai)
        cellText = column1Text(cellText);
    const QString shown = cellToEditor(cellText);
    if (shown != typed) {
        const int pos = Edit1->cursorPosition();
        loading_ = true;
        Edit1->setText(shown);
        loading_ = false;
        Edit1->setCursorPosition(std::min<int>(pos, static_cast<int>(shown.size())));
    }
    if (textEditorStores(editCol_)) {
        estimate_.SG1.setCell(editCol_, editRow_, cellText);
        written(editRow_);
    }
    fitTextEditor(true);
}

bool SheetEditor::Edit1KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return tabMove(key == Qt::Key_Tab);
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        FormKeyDown(key == Qt::Key_Home);
        return true;
    }
    const auto ek = editKeyOf(key);
    if (!ek || !plain(modifiers))
        return false;
    const int c = currentCol();
    const int row = currentRow();
    const SheetShape shape = sheetShapeOf(estimate_);
    if (*ek == EditKey::Right && Edit1->cursorPosition() != Edit1->text().size())
        return false;
    if (*ek == EditKey::Left && (Edit1->cursorPosition() != 0 || Edit1->hasSelectedText()))
        return false;

    int from = c;
    if (*ek == EditKey::Enter && c == col::Dai && fillDiscountLine(estimate_.SG1, row)) {
        estimate_.recalculateLine(row);
        written(row);
        from = col::Unit; // and on from the unit to the unit price
    }
    const auto move = textEditorMove(*ek, from, row, shape);
    if (!move)
        return true;
    applyMove(*move, SheetEditorKind::Text);
    if (move->keepEditor)
        return true;
    if (move->endOfLine)
        finishLine(*move, false);
    else
        focusSheet();
    return true;
}

bool SheetEditor::Edit1KeyPress(const QString& text)
{
    if (text.isEmpty())
        return false;
    const int c = currentCol();
    for (const char32_t ch : text.toUcs4()) {
        if (ch < 0x20 || ch == 0x7F)
            continue; // editing keys, not characters
        if (!acceptsTypedChar(c, ch))
            return true; // dropped without a sound
    }
    return false;
}

// ---- numeric editor

void SheetEditor::NumEdit1Change()
{
    if (loading_ || !isNumericCell(editCol_))
        return;
    estimate_.SG1.setCell(editCol_, editRow_, NumEdit1->Text().toStdString());
    staleLine_ = false;
    estimate_.recalculateLine(editRow_);
    written(editRow_);
}

void SheetEditor::NumEdit1KeyDown(int& key, Qt::KeyboardModifiers modifiers)
{
    const int c = currentCol();
    const int row = currentRow();
    const Enzan::Cell here{c, row};
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
        FormKeyDown(key == Qt::Key_Home);
        key = 0;
        return;
    case Qt::Key_Delete:
        if (!plain(modifiers))
            return;
        enzan_.deleteKey(estimate_, here);
        loading_ = true;
        NumEdit1->setText(QString());
        loading_ = false;
        staleLine_ = false;
        SIKI->hide();
        written(row);
        key = 0;
        return;
    case Qt::Key_Backspace:
        if (!plain(modifiers))
            return;
        // The control then takes the key: a whole selected value goes
        // without a change notice, so the line waits for the next change.
        enzan_.backspaceKey();
        SIKI->hide();
        estimate_.SG1.setCell(c, row, std::string());
        staleLine_ = true;
        written(row);
        return;
    case Qt::Key_Escape: {
        enzan_.escapeKey(estimate_, here, editorEcho());
        staleLine_ = true;
        written(row);
        key = 0;
        return;
    }
    default:
        break;
    }
    const auto ek = editKeyOf(key);
    if (!ek || !plain(modifiers))
        return;
    key = 0;
    // An operation that cannot complete (a division by zero) stops the key:
    // nothing is stored and the cursor stays, the pending sum still shown.
    if (!ENZAN())
        return;
    if (isNumericCell(c)) {
        estimate_.SG1.setCell(c, row, NumEdit1->Text().toStdString());
        // A cell emptied by Esc or Backspace left its line as it was; it is
        // put right before the cursor leaves it.
        if (staleLine_)
            estimate_.recalculateLine(row);
        staleLine_ = false;
        written(row);
    }
    const auto move = numericEditorMove(*ek, c, row, sheetShapeOf(estimate_));
    if (!move)
        return;
    applyMove(*move, SheetEditorKind::Numeric);
    if (move->keepEditor)
        return;
    if (move->endOfLine)
        finishLine(*move, true);
    else
        focusSheet();
}

void SheetEditor::NumEdit1KeyPress(QChar& ch)
{
    const char16_t u = ch.unicode();
    if (u != u'*' && u != u'/' && u != u'+' && u != u'=')
        return;
    ch = QChar(); // never reaches the value
    try {
        if (enzan_.start(static_cast<char>(u), NumEdit1->Text().toStdString(), {currentCol(), currentRow()})) {
            loading_ = true;
            NumEdit1->setText(QString()); // the cell keeps the first operand until the next key
            loading_ = false;
            showSiki();
        }
    } catch (const std::exception&) {
        // Text that is no number starts nothing.
    }
}

Enzan::EditorEcho SheetEditor::editorEcho()
{
    // The result goes through the editor, so the cell holds what the editor
    // shows (decimals beyond its length cut).
    return [this](const std::string& text) {
        loading_ = true;
        NumEdit1->setText(QString::fromStdString(text));
        loading_ = false;
        return NumEdit1->Text().toStdString();
    };
}

void SheetEditor::showSiki()
{
    SIKI->setText(QString::fromStdString(enzan_.SIKI));
    SIKI->adjustSize();
    SIKI->move(NumP->pos() + QPoint(15, 25));
    SIKI->show();
    SIKI->raise();
}

bool SheetEditor::ENZAN()
{
    if (!enzan_.pending()) {
        SIKI->hide();
        return true;
    }
    // Completing into a cell the numeric editor does not serve (a text
    // column reached by other means) would write a number into it; the
    // operation then lands where it started.
    const int c = currentCol();
    const int row = currentRow();
    if (!isNumericCell(c) || editorForColumn(c, estimate_.memoMode) != SheetEditorKind::Numeric)
        return ENZAN2();
    bool done = true;
    try {
        if (enzan_.ENZAN(estimate_, NumEdit1->Text().toStdString(), {c, row}, editorEcho())) {
            staleLine_ = false;
            written(row);
        }
    } catch (const std::exception&) {
        done = false; // a division by zero writes nothing; the operation stays pending
    }
    SIKI->setVisible(enzan_.SIKIVisible);
    return done;
}

bool SheetEditor::ENZAN2()
{
    const Enzan::Cell target = enzan_.ENZAN_CELL;
    bool done = true;
    try {
        if (enzan_.ENZAN2(estimate_, NumEdit1->Text().toStdString(), editorEcho()))
            written(target.row);
    } catch (const std::exception&) {
        done = false;
    }
    SIKI->setVisible(enzan_.SIKIVisible);
    return done;
}

// ---- unit combo

void SheetEditor::CB1Change()
{
    if (loading_ || !CB1->isVisible())
        return;
    estimate_.SG1.setCell(col::Unit, editRow_, editorToCell(CB1->currentText()));
    written(editRow_);
}

bool SheetEditor::CB1KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool listOpen = CB1->view()->isVisible();
    if (key == Qt::Key_Control) {
        if (listOpen)
            CB1->hidePopup();
        else
            CB1->showPopup();
        return true;
    }
    if (listOpen)
        return false;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        estimate_.SG1.setCell(col::Unit, currentRow(), editorToCell(CB1->currentText()));
        written(currentRow());
        return tabMove(key == Qt::Key_Tab);
    case Qt::Key_Escape:
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        FormKeyDown(key == Qt::Key_Home);
        return true;
    default:
        break;
    }
    const auto ek = editKeyOf(key);
    if (!ek || !plain(modifiers))
        return false;
    const int row = currentRow();
    if (*ek == EditKey::Enter || *ek == EditKey::Right || *ek == EditKey::Left) {
        estimate_.SG1.setCell(col::Unit, row, editorToCell(CB1->currentText()));
        written(row);
    }
    if (const auto move = unitComboMove(*ek, currentCol(), row, sheetShapeOf(estimate_))) {
        applyMove(*move, SheetEditorKind::None);
        focusSheet();
    }
    return true; // Up and Down never change the combo's choice
}

// ---- the sheet

bool SheetEditor::SG1KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return tabMove(key == Qt::Key_Tab);
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        FormKeyDown(key == Qt::Key_Home);
        return true;
    }
    const auto ek = editKeyOf(key);
    if (!ek || !plain(modifiers))
        return false;
    if (*ek != EditKey::Enter && *ek != EditKey::Right && *ek != EditKey::Left)
        return false; // the view's own row and page moves
    if (const auto move = sheetMove(*ek, currentCol(), currentRow(), sheetShapeOf(estimate_))) {
        applyMove(*move, SheetEditorKind::None);
        focusSheet();
    }
    return true;
}

bool SheetEditor::tabMove(bool forward)
{
    const int c = currentCol();
    const int row = currentRow();
    if (QApplication::focusWidget() == NumEdit1) {
        if (!ENZAN())
            return true;
        if (isNumericCell(c)) {
            estimate_.SG1.setCell(c, row, NumEdit1->Text().toStdString());
            if (staleLine_)
                estimate_.recalculateLine(row);
            staleLine_ = false;
            written(row);
        }
    }
    const SheetShape shape = sheetShapeOf(estimate_);
    auto move = sheetMove(forward ? EditKey::Right : EditKey::Left, c, row, shape);
    if (!move) {
        // Past either end of the line: on to the neighbouring line.
        if (forward && row < shape.lastRow()) {
            move = CellMove{col::Dai, row + 1};
        } else if (!forward && row > 1) {
            int last = col::Memo;
            while (last > col::Dai && !shape.shown[static_cast<size_t>(last)])
                --last;
            move = CellMove{last, row - 1};
        }
    }
    if (move)
        applyMove(*move, SheetEditorKind::None);
    focusSheet();
    return true;
}

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
