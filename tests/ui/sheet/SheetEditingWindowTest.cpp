#include "ui/support/WindowFixture.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QWheelEvent>

namespace yorozu::test {
namespace {

using SheetEditingWindowTest = WindowTest;

// A clerk types a whole line in the main window without the mouse: the
// window's own Enter handling of edit fields stays out of the cells, the
// unit goes through the window's unit list, and the total follows.
TEST_F(SheetEditingWindowTest, ALineTypedWithTheKeyboardReachesTheTotals)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    auto& ed = win.sheetEditor();
    EXPECT_EQ(ed.CB1, win.CB1);
    win.sheet().setFocus();
    ed.moveTo(col::Description, 1);
    auto typeHere = [](const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); };
    auto enter = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); };

    typeHere("Bolt");
    enter();
    EXPECT_EQ(win.sheet().currentCol(), col::Shape);
    typeHere("M8x40");
    enter();
    ASSERT_EQ(QApplication::focusWidget(), ed.NumEdit1);
    typeHere("3");
    enter();
    ASSERT_TRUE(ed.CB1->isVisible());
    typeHere("pc");
    enter();
    typeHere("1980");
    EXPECT_EQ(doc().SG1.cell(col::Amount, 1), "5940");
    EXPECT_TRUE(win.header().TOTALKIN->text().contains(QStringLiteral("5,940")));
    enter();
    typeHere("1200");
    enter();
    EXPECT_EQ(win.sheet().currentCol(), col::Memo);
    enter();
    EXPECT_EQ(win.sheet().currentGridRow(), 2);
    EXPECT_EQ(win.sheet().currentCol(), col::Dai);
    EXPECT_EQ(QApplication::focusWidget(), ed.Edit1);

    const auto& g = doc().SG1;
    EXPECT_EQ(g.cell(col::Description, 1), "Bolt");
    EXPECT_EQ(g.cell(col::Shape, 1), "M8x40");
    EXPECT_EQ(g.cell(col::Unit, 1), "pc");
    EXPECT_EQ(g.cell(col::CostTotal, 1), "3600");
    EXPECT_EQ(g.cell(col::Rate, 1), "60.6");
}

TEST_F(SheetEditingWindowTest, HomeAndEndOfTheWindowCompleteThePendingOperation)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    auto& ed = win.sheetEditor();
    win.sheet().setFocus();
    ed.moveTo(col::UnitPrice, 4);
    QTest::keyClicks(ed.NumEdit1, QStringLiteral("25*4"));
    QTest::keyClick(ed.NumEdit1, Qt::Key_End);
    EXPECT_EQ(doc().SG1.cell(col::UnitPrice, 4), "100");
    EXPECT_EQ(win.sheet().currentGridRow(), doc().SG1.rowCount() - 1);
    EXPECT_FALSE(ed.SIKI->isVisible());
}

TEST_F(SheetEditingWindowTest, RowInsertFromTheSheetMenuLeavesTheEditorOnTheEmptyRow)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    auto& ed = win.sheetEditor();
    doc().SG1.setCell(col::Description, 3, "Bolt");
    win.sheet().setFocus();
    ed.moveTo(col::Description, 3);
    auto* N13 = ed.PopupMenu1->findChild<QAction*>(QStringLiteral("N13"));
    ASSERT_NE(N13, nullptr);
    N13->trigger();
    EXPECT_EQ(doc().SG1.rowCount(), 32);
    EXPECT_EQ(doc().SG1.cell(col::Description, 4), "Bolt");
    EXPECT_EQ(QApplication::focusWidget(), ed.Edit1);
    EXPECT_EQ(ed.Edit1->text(), QString());
    QTest::keyClicks(ed.Edit1, QStringLiteral("Nut"));
    EXPECT_EQ(doc().SG1.cell(col::Description, 3), "Nut");
    EXPECT_EQ(doc().SG1.cell(col::Description, 4), "Bolt");
}

TEST_F(SheetEditingWindowTest, AClickOpensTheCellsEditorAndTheWheelSparesTheHeader)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    auto& ed = win.sheetEditor();
    auto& sheet = win.sheet();
    QTest::mouseClick(sheet.viewport(), Qt::LeftButton, {}, sheet.cellRect(col::UnitPrice, 3).center());
    EXPECT_EQ(sheet.currentCol(), col::UnitPrice);
    EXPECT_EQ(sheet.currentGridRow(), 3);
    EXPECT_EQ(QApplication::focusWidget(), ed.NumEdit1);

    auto* customer = win.header().KNAME;
    customer->addItems({QStringLiteral("A"), QStringLiteral("B")});
    customer->setCurrentIndex(0);
    const QPointF at(customer->width() / 2.0, customer->height() / 2.0);
    QWheelEvent wheel(at, customer->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(customer, &wheel);
    EXPECT_EQ(customer->currentIndex(), 0);
    EXPECT_EQ(sheet.currentGridRow(), 3);
}

} // namespace
} // namespace yorozu::test
