#include "ui/sheet/SheetEditor.h"

#include "controls/numedit/SaNumEdit.h"
#include "core/document/Estimate.h"
#include "ui/sheet/SheetKeys.h"

#include <QFrame>
#include <QLabel>

// The numeric editor: write-through with the line recalculation, its keys
// and the capture and completion of the in-cell arithmetic.
namespace yorozu {

using namespace sheetkeys;

// ---- numeric editor

void SheetEditor::NumEdit1Change()
{
    if (loading_ || !isNumericCell(editCol_))
        return;
    estimate_.SG1.setCell(editCol_, editRow_, NumEdit1->Text().toStdString());
    if (staleRow_ == editRow_)
        staleRow_ = 0;
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
        if (staleRow_ == row)
            staleRow_ = 0;
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
        staleRow_ = row;
        written(row);
        return;
    case Qt::Key_Escape: {
        enzan_.escapeKey(estimate_, here, editorEcho());
        staleRow_ = row;
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
        written(row);
        settleStaleLine();
    }
    const auto move = numericEditorMove(*ek, c, row, sheetShapeOf(estimate_));
    if (!move)
        return;
    applyMove(*move, SheetEditorKind::Numeric);
    if (move->keepEditor)
        return;
    if (move->endOfLine)
        finishLine(true);
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

void SheetEditor::settleStaleLine()
{
    if (staleRow_ == 0)
        return;
    const int row = staleRow_;
    staleRow_ = 0;
    if (row < estimate_.SG1.rowCount()) {
        estimate_.recalculateLine(row);
        written(row);
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
            if (staleRow_ == row)
                staleRow_ = 0;
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

} // namespace yorozu
