// Function-key assignment, the hidden menu's shortcuts and the window-level keys.
#include "ui/support/WindowFixture.h"

#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"

#include "ui/window/ToolBar.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include <functional>
#include <map>

namespace yorozu::test {
namespace {

using KeysTest = WindowTest;

constexpr int kF11 = 13; // "F1終了", tag 1
constexpr int kF31 = 15; // "F3登録", tag 3
constexpr int kF91 = 21; // "F9削除", tag 9

TEST_F(KeysTest, AFunctionKeyMovesFromLabelNineToLabelOne)
{
    auto& win = start();
    auto& k = win.keys();
    k.rememberLabel(9);
    k.MENU_ITEM(3);
    EXPECT_EQ(k.positionOf(3), kF91);
    EXPECT_EQ(k.hint(9), "F-3");

    k.rememberLabel(1);
    k.MENU_ITEM(3);
    EXPECT_EQ(k.positionOf(3), kF11) << "F3 now runs the exit command";
    EXPECT_FALSE(k.functionKeyOf(kF91)) << "the old item lost its key";
    EXPECT_EQ(k.hint(1), "F-3");
    EXPECT_EQ(k.hint(9), "F-3") << "only the chosen label's hint changes";

    // The real key press runs the exit item (the switch is off: it closes).
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    QTest::keyClick(&win, Qt::Key_F3);
    EXPECT_FALSE(win.isVisible());

    // Written at close: one line per item holding a key, and every hint.
    const auto lines = readFile("SET2.INI");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[F3]=13"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[ST7_HINT]=F-3"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[ST15_HINT]=F-3"), lines.end());
}

TEST_F(KeysTest, NoKeyTakesTheKeyOfTheLabelsItemOnly)
{
    auto& win = start();
    auto& k = win.keys();
    k.assign(5, kF31);
    k.assign(6, kF11);
    k.rememberLabel(3);
    k.MENU_ITEM(std::nullopt);
    EXPECT_FALSE(k.functionKeyOf(kF31));
    EXPECT_EQ(k.positionOf(6), kF11) << "other items keep their keys";
    EXPECT_TRUE(k.hint(3).isEmpty());
}

TEST_F(KeysTest, FunctionKeysFromTheSettingsRunTheirCommands)
{
    writeFile("SET2.INI", {"[F3]=15", "[F4]=16"});
    auto& win = start();
    int saves = 0, prints = 0;
    win.commands().set(Command::Save, [&] { ++saves; });
    win.commands().set(Command::Print, [&] { ++prints; });
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    QTest::keyClick(&win, Qt::Key_F3);
    QTest::keyClick(&win, Qt::Key_F4);
    QTest::keyClick(&win, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(prints, 1);
}

// Each place a command is reached from binds to the command, not to a copy
// of its action: a handler registered once answers all of them.
TEST_F(KeysTest, EveryPlaceOfACommandRunsItsOneHandler)
{
    auto& win = start();
    std::map<Command, int> runs;
    for (const auto c : {Command::Print, Command::Save, Command::PartsPanel, Command::FilePanel,
                         Command::InsertRow, Command::DeleteRow})
        win.commands().set(c, [&runs, c] { ++runs[c]; });
    struct Place {
        const char* name;
        Command command;
        std::function<void()> reach;
    };
    const Place places[] = {
        {"print button", Command::Print, [&] { win.toolBar().button("SpeedButton6")->click(); }},
        {"label 4", Command::Print, [&] { win.runLabel(4); }},
        {"Ctrl+4", Command::Print, [&] { win.keys().item(5)->trigger(); }},
        {"F4 item", Command::Print, [&] { win.keys().item(16)->trigger(); }},
        {"save button", Command::Save, [&] { win.toolBar().button("SpeedButton5")->click(); }},
        {"label 3", Command::Save, [&] { win.runLabel(3); }},
        {"Ctrl+3", Command::Save, [&] { win.keys().item(4)->trigger(); }},
        {"parts button", Command::PartsPanel, [&] { win.toolBar().button("SpeedButton23")->click(); }},
        {"Ctrl+5", Command::PartsPanel, [&] { win.keys().item(11)->trigger(); }},
        {"F5 item", Command::PartsPanel, [&] { win.keys().item(17)->trigger(); }},
        {"label 2", Command::FilePanel, [&] { win.runLabel(2); }},
        {"F2 item", Command::FilePanel, [&] { win.keys().item(14)->trigger(); }},
        {"Ctrl+8", Command::InsertRow, [&] { win.keys().item(8)->trigger(); }},
        {"label 9", Command::DeleteRow, [&] { win.runLabel(9); }},
        {"Ctrl+9, after its beep", Command::DeleteRow, [&] { win.keys().item(9)->trigger(); }},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(p.name);
        auto before = runs;
        p.reach();
        ++before[p.command];
        EXPECT_EQ(runs, before);
    }
    // Items without a command ("ファイル", "移動", "切替") run nothing.
    const auto before = runs;
    for (const int pos : {0, 3, 10, 12, 23, 24})
        win.keys().item(pos)->trigger();
    EXPECT_EQ(runs, before);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KeysTest, TheMenuCarriesTheControlShortcuts)
{
    auto& win = start();
    auto& k = win.keys();
    EXPECT_EQ(k.item(1)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    EXPECT_EQ(k.item(11)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_5));
    // The yen key comes as the yen sign or the backslash, depending on the layout.
    const auto yen = k.item(12)->shortcuts();
    EXPECT_TRUE(yen.contains(QKeySequence(Qt::CTRL | Qt::Key_Backslash)));
    EXPECT_TRUE(yen.contains(QKeySequence(Qt::CTRL | Qt::Key_yen)));
    EXPECT_EQ(k.item(kF11)->text(), "F1終了");
}

TEST_F(KeysTest, ShortcutsActOnlyWhileTheWindowIsVisible)
{
    auto& win = start();
    int saves = 0;
    win.commands().set(Command::Save, [&] { ++saves; });
    win.hide();
    win.runMenuItem(4);
    EXPECT_EQ(saves, 0);
    win.show();
    win.runMenuItem(4);
    EXPECT_EQ(saves, 1);
}

TEST_F(KeysTest, EnterWalksTheHeaderFields)
{
    auto& win = start();
    auto& h = win.header();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    h.KNAME->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), h.Kouji);
    QTest::keyClick(h.Kouji, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), h.TITLE);
    QTest::keyClick(h.TITLE, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), h.Kouji);
    QTest::keyClick(h.Kouji, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), h.KNAME);
    // Not back from the customer field.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), h.KNAME);
    EXPECT_TRUE(win.state().shiftFlag);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(win.state().escFlag);
}

TEST_F(KeysTest, ArrowsNeverChangeAPickListEntry)
{
    writeFile("Nouki.LST", {"即納", "受注後一週間"});
    auto& win = start();
    auto& h = win.header();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    h.Nouki->setFocus();
    QTest::keyClick(h.Nouki, Qt::Key_Down);
    QTest::keyClick(h.Nouki, Qt::Key_Down);
    EXPECT_TRUE(h.Nouki->currentText().isEmpty());
}

TEST_F(KeysTest, HomeAndEndTakeTheSheetToItsEnds)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    win.header().Kouji->setFocus();
    QTest::keyClick(win.header().Kouji, Qt::Key_End);
    EXPECT_EQ(win.sheet().currentGridRow(), 30);
    EXPECT_EQ(win.sheet().currentCol(), 1);
    // The sheet hands the focus on to the editor of its current cell.
    EXPECT_TRUE(win.sheet().isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(&win.sheet(), Qt::Key_Home);
    EXPECT_EQ(win.sheet().currentGridRow(), 1);
}

} // namespace
} // namespace yorozu::test

namespace yorozu::test {
namespace {

using RowLabelsTest = WindowTest;

TEST_F(RowLabelsTest, LabelsEightAndNineInsertAndDeleteAtTheCursor)
{
    auto& win = start();
    fillLine(2, "二行目", "1", "100");
    fillLine(3, "三行目", "2", "100");
    win.sheet().setCurrentCell(7, 2);
    QTest::mouseClick(win.keys().label(8), Qt::LeftButton);
    EXPECT_EQ(doc().SG1.rowCount(), 32);
    EXPECT_TRUE(doc().rowIsEmpty(2));
    EXPECT_EQ(doc().SG1.cell(col::Description, 3), "二行目");
    EXPECT_EQ(doc().SG1.cell(col::No, 3), "3");
    EXPECT_EQ(win.sheetModel().rowCount(), 31);

    win.sheet().setCurrentCell(7, 3);
    QTest::mouseClick(win.keys().label(9), Qt::LeftButton);
    EXPECT_EQ(doc().SG1.cell(col::Description, 3), "三行目");
    EXPECT_EQ(doc().SG1.rowCount(), 32) << "deleting keeps the row count";
    // The totals follow the deletion.
    EXPECT_EQ(win.header().TOTALKIN->text(), "¥200-");
}

} // namespace
} // namespace yorozu::test
