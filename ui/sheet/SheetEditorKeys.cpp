#include "ui/sheet/SheetEditor.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "core/document/Estimate.h"
#include "ui/sheet/SheetEditorText.h"
#include "ui/sheet/SheetKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>

// The keys of the text editor, the unit combo and the sheet.
namespace yorozu {

using namespace sheetkeys;

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

void SheetEditor::finishLine(bool fromNumeric)
{
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
        finishLine(false);
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
    // Ctrl alone toggles the list on its release (keyEvent).
    if (CB1->view()->isVisible())
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

bool SheetEditor::SG1KeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return tabMove(key == Qt::Key_Tab);
    // Typing on a computed column changes nothing; the view's own search by
    // the typed letters would jump to another row.
    if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier)) && !text.isEmpty() && text.at(0).isPrint())
        return true;
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
            settleStaleLine();
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

} // namespace yorozu
