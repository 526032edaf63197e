// The save reminder waits for a pause in the typing: its question never
// takes keystrokes meant for the sheet.
#include "ui/support/WindowFixture.h"

#include "controls/edits/LeftEdit.h"
#include "ui/sheet/SheetEditor.h"

#include <QApplication>

#include <chrono>

namespace yorozu::test {
namespace {

using namespace std::chrono_literals;

TEST_F(WindowTest, TheSaveReminderAsksOnlyAfterAPauseAndTakesNoKeystroke)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    int saves = 0;
    win.commands().set(Command::Save, [&] { ++saves; });
    fillLine(1, "配管", "1", "100");
    win.state().reminderPause = 300ms;
    auto& ed = win.sheetEditor();
    ed.moveTo(col::Description, 2);
    ASSERT_EQ(QApplication::focusWidget(), ed.Edit1);

    // Typing, and the tick comes in the middle of it.
    QTest::keyClicks(ed.Edit1, QStringLiteral("ab"));
    dialogs.answers = {true};
    win.Timer1Timer(); // the reminder timer ticks
    EXPECT_TRUE(dialogs.shown.empty()) << "no question while the clerk types";
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("c"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(doc().SG1.cell(col::Description, 2), "abc") << "every keystroke reached the sheet";
    EXPECT_EQ(saves, 0) << "Enter answered nothing";

    // Once the typing stops the question comes by itself.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.empty(); }, 5000));
    EXPECT_EQ(dialogs.texts(), QStringList{"保存しますか？"});
    EXPECT_EQ(saves, 1);
    // One question for one tick.
    QTest::qWait(500);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

} // namespace
} // namespace yorozu::test
