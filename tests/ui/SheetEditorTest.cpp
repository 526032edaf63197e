#include "SheetEditorFixture.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>

#include "core/RowOps.h"
#include "files/PickLists.h"

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

TEST_F(SheetEditorTest, WheelMovesTheSheetRowAndNothingOverTheHeaderFields)
{
    start(12, 5);
    wheel(KNAME, -120);
    wheel(Kouji, -120);
    EXPECT_EQ(KNAME->currentIndex(), 0);
    EXPECT_EQ(row(), 5);

    wheel(view->viewport(), -120);
    EXPECT_EQ(row(), 6);
    EXPECT_EQ(focus(), editor->NumEdit1);
    wheel(view->viewport(), 240);
    EXPECT_EQ(row(), 4);
    for (int i = 0; i < 5; ++i)
        wheel(view->viewport(), 120);
    EXPECT_EQ(row(), 1);

    // A pending operation is completed before the row moves.
    type("4*2");
    wheel(view->viewport(), -120);
    EXPECT_EQ(cell(12, 1), "8");
    EXPECT_EQ(row(), 2);
}

TEST_F(SheetEditorTest, WheelOverAComputedColumnShowsItsTextWithoutStoring)
{
    doc.SG1.setCell(10, 6, "2");
    doc.SG1.setCell(12, 6, "50");
    doc.recalculateAll();
    start(14, 5);
    ASSERT_EQ(focus(), view);
    wheel(view->viewport(), -120);
    EXPECT_EQ(row(), 6);
    EXPECT_EQ(focus(), editor->Edit1);
    EXPECT_EQ(editor->Edit1->text(), QStringLiteral("100"));
    type("9");
    EXPECT_EQ(cell(14, 6), "100");
}

TEST_F(SheetEditorTest, WheelWithTheUnitListOpenDoesNothing)
{
    start(11, 5);
    ASSERT_EQ(editor->openEditor(), SheetEditorKind::Unit);
    wheel(view->viewport(), -120);
    EXPECT_EQ(row(), 6);
    EXPECT_EQ(editor->openEditor(), SheetEditorKind::Unit);
    editor->CB1->showPopup();
    wheel(view->viewport(), -120);
    EXPECT_EQ(row(), 6);
    editor->CB1->hidePopup();
}

TEST_F(SheetEditorTest, TaxExemptMarkOnlyOnARowWithAnAmountAndAlwaysBeeps)
{
    start(7, 2);
    editor->N54Click();
    EXPECT_EQ(cell(8, 2), "");
    EXPECT_EQ(beeps, 1);

    doc.SG1.setCell(10, 3, "1");
    doc.SG1.setCell(12, 3, "100");
    doc.recalculateAll();
    start(7, 3);
    editor->N54Click();
    EXPECT_EQ(cell(8, 3), "1");
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(doc.KAZEI_KEI, 0);
    editor->N54Click();
    EXPECT_EQ(cell(8, 3), "");
}

TEST_F(SheetEditorTest, CellCommandsCopyPasteAndDelete)
{
    doc.SG1.setCell(10, 4, "3");
    doc.SG1.setCell(12, 4, "200");
    doc.recalculateAll();
    start(12, 4);
    editor->N7Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("200"));

    // A pasted number is taken as the numeric editor takes it.
    QGuiApplication::clipboard()->setText(QStringLiteral("1,500"));
    editor->N9Click();
    EXPECT_EQ(cell(12, 4), "1500");
    EXPECT_EQ(cell(14, 4), "4500");
    EXPECT_EQ(editor->NumEdit1->Text(), QStringLiteral("1500")); // the open editor follows

    editor->N12Click();
    EXPECT_EQ(cell(12, 4), "");
    EXPECT_EQ(cell(14, 4), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1500"));

    // Line breaks never reach a cell.
    start(7, 4);
    QGuiApplication::clipboard()->setText(QStringLiteral("one\r\ntwo\nthree"));
    editor->N9Click();
    EXPECT_EQ(cell(7, 4), "one two three");
    editor->Edit1->clear();
    paste(QStringLiteral("a\nb"));
    EXPECT_EQ(cell(7, 4), "a b");
}

TEST_F(SheetEditorTest, LongTextGrowsTheEditorToTheRightInsideTheSheet)
{
    start(9, 2);
    const int cellWidth = view->columnWidth(9);
    type("a fairly long shape and size text that does not fit");
    EXPECT_GT(editor->EditP->width(), cellWidth);
    EXPECT_LE(editor->EditP->geometry().right(), view->viewport()->width());
    EXPECT_GE(editor->Edit1->width(), editor->Edit1->fontMetrics().horizontalAdvance(editor->Edit1->text()));
    editor->Edit1->clear();
    type("x");
    EXPECT_EQ(editor->EditP->width(), view->visualRect(view->model()->index(1, 9)).width());

    // Longer than the sheet is wide: the editor spans the sheet and scrolls.
    std::string longText(300, 'w');
    type(longText.c_str());
    EXPECT_GE(editor->EditP->x(), 0);
    EXPECT_LE(editor->EditP->geometry().right(), view->viewport()->width());
    EXPECT_EQ(cell(9, 2), "x" + longText);
}

TEST_F(SheetEditorTest, InputMethodOpenOnTextColumnsOnly)
{
    start(1, 2);
    EXPECT_FALSE(editor->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    start(7, 2);
    EXPECT_TRUE(editor->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    start(10, 2);
    EXPECT_FALSE(editor->NumEdit1->testAttribute(Qt::WA_InputMethodEnabled));
    typeText(QStringLiteral("１２"));
    EXPECT_EQ(cell(10, 2), "12");
}

TEST_F(SheetEditorTest, EndOfLineHandsToThePartsPanelButNeverLeavesFocusOnAHiddenControl)
{
    auto* parts = new QLineEdit(view->window());
    parts->show();
    bool inUse = true;
    editor->partsPanelInUse = [&] { return inUse; };
    editor->handToParts = [&](bool) {
        parts->setFocus();
        parts->hide(); // the panel closed itself on the way
        return static_cast<QWidget*>(parts);
    };
    setMemo(false);
    start(13, 5);
    key(Qt::Key_Return);
    EXPECT_EQ(row(), 6);
    EXPECT_EQ(focus(), editor->Edit1);

    parts->show();
    editor->handToParts = [&](bool) {
        parts->setFocus();
        return static_cast<QWidget*>(parts);
    };
    start(13, 7);
    key(Qt::Key_Return);
    EXPECT_EQ(focus(), parts);
}

TEST_F(SheetEditorTest, UnitListCommands)
{
    start(11, 2);
    auto* cb = editor->CB1;
    cb->setEditText(QStringLiteral("本"));
    EXPECT_EQ(cell(11, 2), "本");
    editor->N3Click();
    EXPECT_EQ(cb->itemText(0), QStringLiteral("本"));
    EXPECT_EQ(cb->currentText(), QStringLiteral("本"));

    cb->setEditText(QStringLiteral("枚"));
    editor->N4Click();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.informations[0], QStringLiteral("枚は登録がありません。"));

    cb->setCurrentIndex(0);
    const int before = cb->count();
    editor->N4Click();
    EXPECT_EQ(cb->count(), before - 1);

    // Ctrl opens and closes the list.
    key(Qt::Key_Control);
    EXPECT_TRUE(cb->view()->isVisible());
    cb->hidePopup();
    EXPECT_EQ(editor->openEditor(), SheetEditorKind::Unit);

    // Up and Down move the row, never the combo's choice.
    cb->setCurrentIndex(-1);
    cb->setEditText(QStringLiteral("m"));
    key(Qt::Key_Down);
    EXPECT_EQ(row(), 3);
    EXPECT_EQ(cell(11, 2), "m");
    EXPECT_EQ(editor->openEditor(), SheetEditorKind::Unit);
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

TEST_F(SheetEditorTest, EditorFollowsAColumnResize)
{
    start(7, 2);
    view->setColumnWidth(7, 300);
    EXPECT_EQ(editor->EditP->width(), view->visualRect(view->model()->index(1, 7)).width());
}

// The window owns the sheet and the editing with it; closing it with an
// editor open must tear down quietly.
TEST(SheetEditorLifetime, WindowClosedWithAnEditorOpen)
{
    Estimate doc;
    yorozu::test::FakeDialogs dialogs;
    auto window = std::make_unique<QWidget>();
    auto* model = new yorozu::test::TinySheetModel(doc);
    model->setParent(window.get());
    auto* view = new QTableView(window.get());
    view->setModel(model);
    view->resize(900, 400);
    auto* editor = new SheetEditor(view, doc, {}, dialogs, {});
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    editor->moveTo(12, 3);
    ASSERT_EQ(QApplication::focusWidget(), editor->NumEdit1);
    QTest::keyClicks(editor->NumEdit1, QStringLiteral("5*"));
    window.reset();
    SUCCEED();
}

TEST_F(SheetEditorTest, ARowInsertedUnderTheOpenEditorIsNotOverwritten)
{
    doc.SG1.setCell(7, 5, "Bolt");
    start(7, 5);
    ASSERT_EQ(editor->Edit1->text(), QStringLiteral("Bolt"));
    SG_INS(doc.SG1, 5); // a row command of the window
    doc.notify(Change::Cells);
    EXPECT_EQ(editor->Edit1->text(), QString());
    type("Nut");
    EXPECT_EQ(cell(7, 5), "Nut");
    EXPECT_EQ(cell(7, 6), "Bolt");

    doc.SG1.setCell(12, 8, "300");
    start(12, 8);
    SG_DEL(doc.SG1, 8);
    doc.notify(Change::Cells);
    EXPECT_EQ(editor->NumEdit1->Text(), QString());
}

TEST_F(SheetEditorTest, RightButtonLeavesTheCursorWhereItIs)
{
    start(7, 2);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cellCenter(12, 6));
    EXPECT_EQ(col(), 7);
    EXPECT_EQ(row(), 2);
}

// The window moves the focus on Enter in its edit fields; its filter on the
// application is installed after the editing's and must not take Enter from a cell.
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

} // namespace

namespace {

// A clerk's line on a long estimate: quantity, Enter, unit, Enter, price,
// Enter, cost, Enter, and on to the next line. Every keystroke recalculates
// the line and the totals; on a thousand lines that stays well inside what
// a typist notices.
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

namespace {

TEST(SheetEditorUnits, UnitListComesFromTheProgramFolder)
{
    QTemporaryDir dir;
    const std::filesystem::path folder(dir.path().toStdString());
    ASSERT_TRUE(yorozu::COMBO_KAKIDASI(folder, yorozu::PickList::Tani, {"式", "個", "m"}).ok);
    Estimate doc;
    yorozu::test::FakeDialogs dialogs;
    QWidget window;
    yorozu::test::TinySheetModel model(doc);
    auto* view = new QTableView(&window);
    view->setModel(&model);
    auto* editor = new SheetEditor(view, doc, folder, dialogs, {});
    QStringList items;
    for (int i = 0; i < editor->CB1->count(); ++i)
        items << editor->CB1->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("m"), QStringLiteral("個"), QStringLiteral("式")}));
    EXPECT_EQ(editor->CB1->maxVisibleItems(), 18);
}

} // namespace
