#include "ui/sheet/SheetEditorFixture.h"

#include "core/document/RowOps.h"
#include "files/settings/PickLists.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>

using namespace yorozu;
using yorozu::test::SheetEditorTest;

namespace {

TEST_F(SheetEditorTest, Column1MarksAreStoredHalfWidthAndReservedOnesEmptied)
{
    start(1, 3);
    ASSERT_EQ(focus(), editor->Edit1);
    paste(QStringLiteral("＃"));
    EXPECT_EQ(cell(1, 3), "#");
    EXPECT_EQ(editor->Edit1->text(), QStringLiteral("#"));

    editor->Edit1->selectAll();
    paste(QStringLiteral("$"));
    EXPECT_EQ(cell(1, 3), "");

    type("A");
    paste(QStringLiteral("$"));
    EXPECT_EQ(cell(1, 3), "A$");

    // Typed characters outside the column's set never arrive.
    editor->Edit1->clear();
    type("B*$-1");
    EXPECT_EQ(cell(1, 3), "B1");
}

TEST_F(SheetEditorTest, DiscountMarkEnterFillsTheLineAndLandsOnTheUnitPrice)
{
    start(1, 4);
    type("\\");
    EXPECT_EQ(cell(1, 4), "\\");
    EXPECT_EQ(editor->Edit1->text(), QString(QChar(0x00A5))); // shown as the yen sign
    key(Qt::Key_Return);
    EXPECT_EQ(cell(7, 4), "■　値　引　き");
    EXPECT_EQ(cell(10, 4), "1");
    EXPECT_EQ(cell(11, 4), "式");
    EXPECT_EQ(col(), 12);
    EXPECT_EQ(row(), 4);
    EXPECT_EQ(focus(), editor->NumEdit1);
    EXPECT_TRUE(editor->NumP->isVisible());
    EXPECT_FALSE(editor->EditP->isVisible());
    // The price typed now is the discount amount.
    type("5000");
    EXPECT_EQ(cell(14, 4), "5000");
}

struct ColumnMoveCase {
    const char* name;
    bool shape, memo;
    int fromCol;
    int key;
    int toCol, toRow;
    SheetEditorKind editor;
};

TEST_F(SheetEditorTest, ColumnMovesWithShapeAndMemoShownOrHidden)
{
    const ColumnMoveCase cases[] = {
        {"Enter 7 to shape", true, true, 7, Qt::Key_Return, 9, 5, SheetEditorKind::Text},
        {"Enter 7 past hidden shape", false, true, 7, Qt::Key_Return, 10, 5, SheetEditorKind::Numeric},
        {"Right 7 past hidden shape", false, true, 7, Qt::Key_Right, 10, 5, SheetEditorKind::Numeric},
        {"Left 10 past hidden shape", false, true, 10, Qt::Key_Left, 7, 5, SheetEditorKind::Text},
        {"Left 10 to shape", true, true, 10, Qt::Key_Left, 9, 5, SheetEditorKind::Text},
        {"Enter 10 to unit", true, true, 10, Qt::Key_Return, 11, 5, SheetEditorKind::Unit},
        {"Enter unit to price", true, true, 11, Qt::Key_Return, 12, 5, SheetEditorKind::Numeric},
        {"Left unit to quantity", true, true, 11, Qt::Key_Left, 10, 5, SheetEditorKind::Numeric},
        {"Enter 13 to memo", true, true, 13, Qt::Key_Return, 17, 5, SheetEditorKind::Text},
        {"Enter 13, memo hidden, next line", true, false, 13, Qt::Key_Return, 1, 6, SheetEditorKind::Text},
        {"Left 1 to memo above", true, true, 1, Qt::Key_Left, 17, 4, SheetEditorKind::Text},
        {"Left 1 to cost above, memo hidden", true, false, 1, Qt::Key_Left, 13, 4, SheetEditorKind::Numeric},
        {"Enter 3 to description", true, true, 3, Qt::Key_Return, 7, 5, SheetEditorKind::Text},
    };
    for (const ColumnMoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        setShape(c.shape);
        setMemo(c.memo);
        start(c.fromCol, 5);
        key(c.key);
        EXPECT_EQ(col(), c.toCol);
        EXPECT_EQ(row(), c.toRow);
        EXPECT_EQ(editor->openEditor(), c.editor);
        EXPECT_NE(focus(), view) << "the new cell's editor has the focus";
        EXPECT_TRUE(focus() && focus()->isVisible());
    }
}

TEST_F(SheetEditorTest, RightAndLeftInTheTextEditorWaitForTheCaretAtTheEdge)
{
    doc.SG1.setCell(7, 2, "abc");
    start(7, 2);
    key(Qt::Key_Left); // caret at the end: moves inside the text
    EXPECT_EQ(col(), 7);
    EXPECT_EQ(editor->Edit1->cursorPosition(), 2);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(col(), 9);
}

TEST_F(SheetEditorTest, EnterAtTheEndOfTheLastLineAppendsANumberedRow)
{
    setMemo(false);
    start(13, 30);
    ASSERT_EQ(focus(), editor->NumEdit1);
    key(Qt::Key_Return);
    ASSERT_EQ(doc.SG1.rowCount(), 32);
    EXPECT_EQ(cell(0, 31), "31");
    EXPECT_EQ(col(), 1);
    EXPECT_EQ(row(), 31);
    EXPECT_EQ(view->model()->rowCount(), 31);
    EXPECT_EQ(focus(), editor->Edit1);

    // Mid-sheet, the numeric editor only moves on.
    start(13, 5);
    key(Qt::Key_Return);
    EXPECT_EQ(doc.SG1.rowCount(), 32);
    EXPECT_EQ(row(), 6);
}

TEST_F(SheetEditorTest, TextEditorEnterOnTheMemoAppendsARowEvenMidSheet)
{
    start(17, 5);
    ASSERT_EQ(focus(), editor->Edit1);
    key(Qt::Key_Return);
    EXPECT_EQ(doc.SG1.rowCount(), 32);
    EXPECT_EQ(cell(0, 31), "31");
    EXPECT_EQ(row(), 6);
    EXPECT_EQ(col(), 1);
}

TEST_F(SheetEditorTest, InCellArithmeticShowsThePendingOperationAndStoresTheResult)
{
    doc.SG1.setCell(10, 2, "2");
    start(12, 2);
    type("120");
    EXPECT_EQ(cell(12, 2), "120");
    EXPECT_EQ(cell(14, 2), "240");
    type("*");
    EXPECT_TRUE(editor->SIKI->isVisible());
    EXPECT_EQ(editor->SIKI->text(), QStringLiteral(" 120 × "));
    EXPECT_EQ(editor->NumEdit1->Text(), QString());
    EXPECT_EQ(cell(12, 2), "120"); // until the next key
    type("3");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(12, 2), "360");
    EXPECT_EQ(cell(14, 2), "720");
    EXPECT_FALSE(editor->SIKI->isVisible());
    EXPECT_EQ(col(), 13);
    EXPECT_EQ(doc.KINGAKU_KEI, 720 * 10000);

    // A second operator replaces the pending pair: 5 (3 + 2).
    start(12, 3);
    type("5*3+2");
    EXPECT_EQ(editor->SIKI->text(), QStringLiteral(" 3 ＋ "));
    key(Qt::Key_Return);
    EXPECT_EQ(cell(12, 3), "5");
}

TEST_F(SheetEditorTest, MousePressOnAnotherRowCompletesIntoTheStartingCell)
{
    doc.SG1.setCell(10, 2, "1");
    start(12, 2);
    type("1200*3");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCenter(7, 5));
    EXPECT_EQ(cell(12, 2), "3600");
    EXPECT_EQ(cell(14, 2), "3600");
    EXPECT_EQ(cell(12, 5), "");
    EXPECT_FALSE(editor->SIKI->isVisible());
    EXPECT_EQ(col(), 7);
    EXPECT_EQ(row(), 5);
    EXPECT_EQ(focus(), editor->Edit1);
}

TEST_F(SheetEditorTest, EscAndBackspaceEmptyTheCellWithoutRecalculating)
{
    for (int r : {3, 4}) {
        doc.SG1.setCell(10, r, "2");
        doc.SG1.setCell(12, r, "500");
    }
    doc.recalculateAll();
    ASSERT_EQ(cell(14, 3), "1000");
    ASSERT_EQ(doc.KINGAKU_KEI, 2000 * 10000);

    start(12, 3);
    key(Qt::Key_Escape);
    EXPECT_EQ(cell(12, 3), "");
    EXPECT_EQ(cell(14, 3), "1000");
    EXPECT_EQ(focus(), editor->NumEdit1);
    // Leaving the cell puts the line right.
    key(Qt::Key_Return);
    EXPECT_EQ(cell(14, 3), "");
    EXPECT_EQ(doc.KINGAKU_KEI, 1000 * 10000);

    start(10, 4);
    key(Qt::Key_Backspace); // the whole value is selected on entry
    EXPECT_EQ(cell(10, 4), "");
    EXPECT_EQ(cell(14, 4), "1000");
    EXPECT_EQ(editor->NumEdit1->Text(), QString());
    type("3");
    EXPECT_EQ(cell(14, 4), "1500");

    // Leaving by the wheel or the mouse settles it as well.
    start(12, 4);
    key(Qt::Key_Escape);
    wheel(view->viewport(), -120);
    EXPECT_EQ(cell(14, 4), "");
}

TEST_F(SheetEditorTest, EscWithAPendingOperationPutsTheFirstOperandBack)
{
    start(12, 2);
    type("120*");
    key(Qt::Key_Escape);
    EXPECT_EQ(cell(12, 2), "120");
    EXPECT_EQ(editor->NumEdit1->Text(), QStringLiteral("120"));
    EXPECT_TRUE(editor->enzan().pending());
    EXPECT_TRUE(editor->SIKI->isVisible());
}

TEST_F(SheetEditorTest, DivisionByZeroKeepsTheCursorAndTheOperation)
{
    start(12, 2);
    type("100/0");
    key(Qt::Key_Return);
    EXPECT_EQ(col(), 12);
    EXPECT_TRUE(editor->enzan().pending());
    EXPECT_TRUE(editor->SIKI->isVisible());
    // A divisor typed now completes it.
    type("5");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(12, 2), "20");
    EXPECT_EQ(col(), 13);
    EXPECT_FALSE(editor->SIKI->isVisible());
}

TEST_F(SheetEditorTest, DeleteCancelsAndRecalculates)
{
    doc.SG1.setCell(10, 3, "2");
    start(12, 3);
    type("50*");
    key(Qt::Key_Delete);
    EXPECT_FALSE(editor->enzan().pending());
    EXPECT_EQ(cell(12, 3), "");
    EXPECT_EQ(cell(14, 3), "");
    EXPECT_FALSE(editor->SIKI->isVisible());
}

TEST_F(SheetEditorTest, PageAndRowKeysAreBoundedAndKeepTheEditor)
{
    doc.SG1.setCell(7, 30, "last");
    start(7, 20);
    key(Qt::Key_PageDown);
    EXPECT_EQ(row(), 30);
    EXPECT_EQ(focus(), editor->Edit1);
    EXPECT_EQ(editor->Edit1->text(), QStringLiteral("last"));
    key(Qt::Key_Down);
    EXPECT_EQ(row(), 30);
    key(Qt::Key_PageUp);
    EXPECT_EQ(row(), 7);
    key(Qt::Key_PageUp);
    EXPECT_EQ(row(), 1);

    start(12, 29);
    key(Qt::Key_PageDown);
    EXPECT_EQ(row(), 30);
    EXPECT_EQ(focus(), editor->NumEdit1);
}

TEST_F(SheetEditorTest, HomeAndEndGoToColumn1OfTheFirstAndLastRow)
{
    start(12, 10);
    type("7*6");
    key(Qt::Key_End);
    EXPECT_EQ(cell(12, 10), "42");
    EXPECT_EQ(col(), 1);
    EXPECT_EQ(row(), 30);
    key(Qt::Key_Home);
    EXPECT_EQ(row(), 1);
    EXPECT_EQ(focus(), editor->Edit1);
}

TEST_F(SheetEditorTest, SheetKeepsTheFocusOnTheComputedColumns)
{
    doc.SG1.setCell(10, 20, "1");
    doc.SG1.setCell(12, 20, "7");
    doc.recalculateAll();
    start(14, 3);
    EXPECT_EQ(focus(), view);
    EXPECT_EQ(editor->openEditor(), SheetEditorKind::None);
    type("7"); // no search by the typed text
    EXPECT_EQ(row(), 3);
    key(Qt::Key_Return);
    EXPECT_EQ(col(), 15);
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(col(), 1);
    EXPECT_EQ(row(), 4);
    EXPECT_EQ(focus(), editor->Edit1);
}

TEST_F(SheetEditorTest, DecimalLengthFollowsTheColumnAndTheMemoMode)
{
    start(10, 2);
    type("1.2345");
    EXPECT_EQ(cell(10, 2), "1.234");
    EXPECT_EQ(doc.editorDecimals, 3);
    start(12, 2);
    type("9.876");
    EXPECT_EQ(cell(12, 2), "9.87");
    EXPECT_EQ(doc.editorDecimals, 2);

    doc.memoMode = MemoMode::Numeric;
    doc.SG1.setCell(17, 3, "42abc");
    start(17, 3);
    EXPECT_EQ(focus(), editor->NumEdit1);
    EXPECT_EQ(editor->NumEdit1->Text(), QStringLiteral("42")); // the leading number of a text memo
    type("-5.555");
    EXPECT_EQ(cell(17, 3), "-5.55");
}

class EnterMovesFocus : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)
            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return) {
            ++taken;
            return true;
        }
        return false;
    }

public:
    int taken = 0;
};

TEST_F(SheetEditorTest, CellKeysComeBeforeTheWindowsFieldKeys)
{
    EnterMovesFocus windowKeys;
    qApp->installEventFilter(&windowKeys);
    start(1, 2);
    type("A");
    key(Qt::Key_Return);
    EXPECT_EQ(col(), 2);
    EXPECT_EQ(windowKeys.taken, 0);
    start(11, 2);
    key(Qt::Key_Return);
    EXPECT_EQ(col(), 12);
    EXPECT_EQ(windowKeys.taken, 0);
    qApp->removeEventFilter(&windowKeys);
}

TEST_F(SheetEditorTest, TabMovesAlongTheLineAndOnToTheNext)
{
    setMemo(false);
    setShape(false);
    start(7, 2);
    key(Qt::Key_Tab);
    EXPECT_EQ(col(), 10);
    EXPECT_EQ(focus(), editor->NumEdit1);
    type("4");
    key(Qt::Key_Tab);
    EXPECT_EQ(cell(10, 2), "4");
    EXPECT_EQ(col(), 11);
    start(16, 2);
    key(Qt::Key_Tab);
    EXPECT_EQ(col(), 1);
    EXPECT_EQ(row(), 3);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(col(), 16);
    EXPECT_EQ(row(), 2);
}

TEST_F(SheetEditorTest, TypingOnAThousandLineEstimateStaysQuick)
{
    for (int i = 0; i < 970; ++i)
        yorozu::appendNumberedRow(doc.SG1);
    for (int r = 1; r < doc.SG1.rowCount(); ++r) {
        doc.SG1.setCell(7, r, "item");
        doc.SG1.setCell(10, r, "2");
        doc.SG1.setCell(12, r, "1500");
    }
    doc.recalculateAll();
    model()->refresh();
    setMemo(false);
    QElapsedTimer timer;
    timer.start();
    start(10, 500);
    for (int line = 0; line < 20; ++line) {
        type("12");
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        type("3400");
        key(Qt::Key_Return);
        type("2100");
        key(Qt::Key_Return); // on to column 1 of the next line
        editor->moveTo(10, 501 + line);
    }
    const qint64 ms = timer.elapsed();
    RecordProperty("milliseconds", static_cast<int>(ms));
    EXPECT_EQ(cell(14, 500), "40800");
    EXPECT_EQ(cell(15, 519), "25200");
    EXPECT_LT(ms, 5000);
}

} // namespace
