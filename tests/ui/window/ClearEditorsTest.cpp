// Clearing from the keyboard while the sheet is being edited: nothing typed
// before the clear reaches the new estimate, and the focus shows where the
// next keystroke goes.
#include "ui/support/WindowFixture.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"

#include <QApplication>
#include <QFrame>

namespace yorozu::test {
namespace {

class ClearEditorsTest : public WindowTest {
protected:
    TYorozu& startActive()
    {
        auto& win = start();
        win.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&win));
        // A real question box takes the activation while it is open: the
        // clear then runs before the window is active again.
        dialogs.onShow = [this](const ScriptedDialogs::Shown&) {
            QWidget box;
            box.setWindowTitle(QStringLiteral("question"));
            box.show();
            box.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        };
        return win;
    }
    void ctrl(int digit)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::ControlModifier);
    }
};

TEST_F(ClearEditorsTest, APendingOperationDiesWithTheClearedEstimate)
{
    auto& win = startActive();
    auto& ed = win.sheetEditor();
    ed.moveTo(col::UnitPrice, 4);
    ASSERT_EQ(QApplication::focusWidget(), ed.NumEdit1);
    QTest::keyClicks(ed.NumEdit1, QStringLiteral("250*"));
    ASSERT_TRUE(ed.SIKI->isVisible());

    dialogs.answers = {true};
    ctrl(6);
    ASSERT_EQ(dialogs.texts(), QStringList{"白紙に戻します。"});
    EXPECT_FALSE(ed.SIKI->isVisible());
    EXPECT_FALSE(ed.enzan().pending());
    EXPECT_EQ(ed.openEditor(), SheetEditorKind::None) << "no editor left on the old cell";

    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    for (int row = 1; row < doc().SG1.rowCount(); ++row)
        EXPECT_EQ(doc().SG1.cell(col::UnitPrice, row), "") << "row " << row;
    EXPECT_EQ(doc().SG1_END(), 0);
}

TEST_F(ClearEditorsTest, TheCustomerFieldTakesTheFocusAndTheEditorColour)
{
    auto& win = startActive();
    auto& ed = win.sheetEditor();
    auto& h = win.header();
    ed.moveTo(col::Description, 3);
    ASSERT_EQ(QApplication::focusWidget(), ed.Edit1);
    QTest::keyClicks(ed.Edit1, QStringLiteral("abc"));

    dialogs.answers = {true};
    ctrl(6);
    EXPECT_FALSE(ed.EditP->isVisible()) << "the yellow box is gone";
    EXPECT_TRUE(win.focusWidget() == h.KNAME || h.KNAME->isAncestorOf(win.focusWidget()));
    EXPECT_TRUE(h.isEditing(h.KNAME)) << "the customer field shows the editor colour";

    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    EXPECT_TRUE(h.isEditing(h.KNAME));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xyz"));
    EXPECT_EQ(doc().KNAME, "xyz");
    EXPECT_EQ(doc().SG1.cell(col::Description, 3), "") << "the old cell stays cleared";
    // A click where the old editor stood opens a fresh one on that cell.
    const QRect r = win.sheet().visualRect(win.sheet().model()->index(2, col::Description));
    QTest::mouseClick(win.sheet().viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_EQ(QApplication::focusWidget(), ed.Edit1);
    EXPECT_EQ(ed.Edit1->text(), "");
}

TEST_F(ClearEditorsTest, TheEditorColourLeavesTheCustomerFieldWhenTheFocusMovesOnUnseen)
{
    // Opening an estimate clears the window (the customer field takes the
    // focus while the question box still holds the activation) and then
    // hands the focus to the sheet before the window is active again.
    auto& win = startActive();
    auto& h = win.header();
    dialogs.answers = {true};
    ctrl(6);
    ASSERT_TRUE(h.isEditing(h.KNAME));
    win.sheetEditor().focusSheet();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    EXPECT_FALSE(h.KNAME->hasFocus());
    EXPECT_FALSE(h.isEditing(h.KNAME)) << "only the field that has the focus shows the editor colour";
}

} // namespace
} // namespace yorozu::test
