#include "ui/sheet/SheetEditorFixture.h"

#include "core/document/RowOps.h"
#include "files/settings/PickLists.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>

using namespace yorozu;
using yorozu::test::SheetEditorTest;

namespace {

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

    // The row numbers are not cells to paste into or delete.
    view->setCurrentIndex(view->model()->index(3, 0));
    editor->N9Click();
    editor->N12Click();
    EXPECT_EQ(cell(0, 4), "4");

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
    const auto sheetBefore = doc.SG1.row(3);
    const int rowsBefore = doc.SG1.rowCount();
    // The owner takes the editor down before the widgets it watches, as the main window does.
    delete editor;
    window.reset();
    // Taking it down writes nothing into the sheet and asks nothing.
    EXPECT_EQ(doc.SG1.row(3), sheetBefore);
    EXPECT_EQ(doc.SG1.rowCount(), rowsBefore);
    EXPECT_TRUE(dialogs.informations.isEmpty());
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

TEST_F(SheetEditorTest, RightButtonAndHeadingsLeaveTheCursorWhereItIs)
{
    start(7, 2);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cellCenter(12, 6));
    EXPECT_EQ(col(), 7);
    EXPECT_EQ(row(), 2);
    auto* heading = view->horizontalHeader();
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {},
                      QPoint(heading->sectionViewportPosition(12) + 5, heading->height() / 2));
    EXPECT_EQ(col(), 7);
    EXPECT_EQ(row(), 2);
}

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
    delete editor;
}

} // namespace
