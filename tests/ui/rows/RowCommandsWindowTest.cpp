// The row commands in the real window, driven by its keys, its menu and the mouse.
#include "ui/support/WindowFixture.h"

#include "core/document/CommaText.h"
#include "controls/edits/LeftEdit.h"
#include "ui/header/HeaderFields.h"
#include "ui/rows/RowRoom.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>

namespace yorozu::test {
namespace {

class RowCommandsTest : public WindowTest {
protected:
    TYorozu& open()
    {
        auto& win = start();
        win.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&win));
        win.rowRoom().beep = [this] { ++beeps; };
        QGuiApplication::clipboard()->clear();
        return win;
    }
    void menu(const char* name)
    {
        auto* a = w().sheetEditor().PopupMenu1->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Rows 1 to n each a priced line "item r", quantity r, price 100.
    void fillLines(int n)
    {
        for (int r = 1; r <= n; ++r)
            fillLine(r, "item " + std::to_string(r), std::to_string(r), "100");
        w().recalculateAll();
    }
    void expectNumbered()
    {
        for (int r = 1; r < doc().SG1.rowCount(); ++r)
            ASSERT_EQ(doc().SG1.cell(col::No, r), std::to_string(r)) << r;
    }
    QPoint cellCentre(int c, int row) { return w().sheet().cellRect(c, row).center(); }

    int beeps = 0;
};

TEST_F(RowCommandsTest, InsertAndDeleteByKeysKeepTheNumbersAndTheTotals)
{
    auto& win = open();
    fillLines(30);
    const auto total = doc().KINGAKU_KEI;
    auto& ed = win.sheetEditor();
    ed.moveTo(col::Description, 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_8, Qt::ControlModifier);
    auto& g = doc().SG1;
    ASSERT_EQ(g.rowCount(), 32);
    EXPECT_TRUE(doc().rowIsEmpty(5));
    for (int r = 6; r <= 31; ++r)
        ASSERT_EQ(g.cell(col::Description, r), "item " + std::to_string(r - 1)) << r;
    expectNumbered();
    EXPECT_EQ(doc().KINGAKU_KEI, total);
    EXPECT_EQ(ed.Edit1->text(), QString()) << "the editor shows the new empty row";

    // Back to 31 rows; then deleting row 5 (item 5) leaves row 30 empty.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_9, Qt::ControlModifier);
    g.setRowCount(31);
    ed.moveTo(col::Description, 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_9, Qt::ControlModifier);
    EXPECT_EQ(g.rowCount(), 31);
    EXPECT_TRUE(doc().rowIsEmpty(30));
    EXPECT_EQ(g.cell(col::No, 30), "30");
    EXPECT_EQ(g.cell(col::Description, 5), "item 6");
    EXPECT_EQ(doc().KINGAKU_KEI, total - 5 * 100 * 10000) << "the deleted line's amount leaves the total";
    expectNumbered();
}

TEST_F(RowCommandsTest, RowCopyAndPasteThroughTheClipboard)
{
    auto& win = open();
    fillLines(3);
    auto& g = doc().SG1;
    g.setCell(col::Shape, 2, "φ20, 長さ 3m");
    win.sheetEditor().moveTo(col::Description, 2);
    menu("N16");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), rowCommaText(g, 2));
    win.sheetEditor().moveTo(col::Description, 7);
    menu("N15");
    for (int c = 1; c < 18; ++c)
        EXPECT_EQ(g.cell(c, 7), g.cell(c, 2)) << c;
    EXPECT_EQ(g.cell(col::No, 7), "7");
    EXPECT_EQ(doc().KINGAKU_KEI, (1 + 2 + 3 + 2) * 100 * 10000);
    EXPECT_EQ(win.sheetEditor().Edit1->text(), QStringLiteral("item 2")) << "the open editor shows the pasted cell";

    QGuiApplication::clipboard()->clear();
    menu("N15");
    EXPECT_TRUE(doc().rowIsEmpty(7)) << "an empty clipboard empties the row";
    EXPECT_EQ(g.cell(col::No, 7), "7");
    EXPECT_EQ(doc().KINGAKU_KEI, 6 * 100 * 10000);
}

TEST_F(RowCommandsTest, BlockDraggedOverCopiedAndPastedByBothModes)
{
    auto& win = open();
    fillLines(30);
    auto& sheet = win.sheet();
    auto& g = doc().SG1;
    for (int r = 1; r <= 30; ++r)
        g.setCell(col::Unit, r, "u" + std::to_string(r)), g.setCell(col::Shape, r, "s" + std::to_string(r));
    // The user drags over columns 7 to 9 of rows 2 and 3.
    QTest::mousePress(sheet.viewport(), Qt::LeftButton, {}, cellCentre(col::Description, 2));
    QTest::mouseMove(sheet.viewport(), cellCentre(col::Shape, 3));
    QTest::mouseRelease(sheet.viewport(), Qt::LeftButton, {}, cellCentre(col::Shape, 3));
    ASSERT_EQ(sheet.selectionModel()->selection().size(), 1);
    menu("N66");
    const auto& b = win.rowRoom().block();
    ASSERT_EQ(b.left, col::Description);
    ASSERT_EQ(b.right, col::Shape);
    ASSERT_EQ(b.top, 2);
    ASSERT_EQ(b.bottom, 3);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("item 2\t\ts2\r\nitem 3\t\ts3"));

    // Overwrite with the cursor on column 10: numbers fed from text columns are emptied.
    sheet.clearSelection();
    win.sheetEditor().moveTo(col::Quantity, 10);
    menu("N68");
    EXPECT_EQ(g.rowCount(), 31);
    EXPECT_EQ(g.cell(col::Quantity, 10), "");
    EXPECT_EQ(g.cell(col::UnitPrice, 10), "");
    EXPECT_EQ(g.cell(col::Unit, 10), "");  // column 8 of row 2 is empty
    EXPECT_EQ(g.cell(col::Unit, 11), "");
    EXPECT_EQ(g.cell(col::Description, 10), "item 10") << "left of the block: untouched";
    EXPECT_EQ(g.cell(col::Amount, 10), "") << "the recalculation follows the emptied quantity";
    std::int64_t expected = 0;
    for (int r = 1; r <= 30; ++r)
        if (r != 10 && r != 11)
            expected += r * 100 * 10000;
    EXPECT_EQ(doc().KINGAKU_KEI, expected);

    // Insert with the cursor on the last row: the former last row ends two lower.
    win.sheetEditor().moveTo(col::Description, 30);
    menu("N67");
    ASSERT_EQ(g.rowCount(), 33);
    EXPECT_EQ(g.cell(col::Description, 30), "item 2");
    EXPECT_EQ(g.cell(col::Description, 31), "item 3");
    EXPECT_EQ(g.cell(col::Quantity, 31), "") << "outside the block the inserted rows are empty";
    EXPECT_EQ(g.cell(col::Description, 32), "item 30");
    expectNumbered();
    EXPECT_EQ(doc().KINGAKU_KEI, expected) << "the inserted rows carry no quantity";
}

// A block copied from the sheet goes out as tab-separated text and comes
// back into another window (whose block store is empty) cell for cell.
TEST_F(RowCommandsTest, BlockComesBackThroughTheSystemClipboard)
{
    auto& win = open();
    auto& g = doc().SG1;
    const std::vector<std::vector<std::string>> lines = {
        {"A", "", "", "", "", "", "基礎工事", "", "", "", "", "", "", "", "", "", ""},
        {"", "", "", "", "", "", "鉄筋 D13", "", "L=6m", "12.5", "本", "1980", "1500", "", "", "", "要確認"},
        {"", "", "", "", "", "", "型枠", "*", "", "30", "m2", "4500.5", "", "", "", "", ""},
    };
    for (size_t j = 0; j < lines.size(); ++j)
        for (size_t k = 0; k < lines[j].size(); ++k)
            g.setCell(static_cast<int>(k) + 1, static_cast<int>(j) + 4, lines[j][k]);
    win.recalculateAll();
    auto& sheet = win.sheet();
    sheet.selectionModel()->select(QItemSelection(sheet.model()->index(3, 1), sheet.model()->index(5, 17)),
                                   QItemSelectionModel::ClearAndSelect);
    menu("N66");
    std::vector<std::vector<std::string>> copied;
    for (int r = 4; r <= 6; ++r)
        copied.emplace_back(g.row(r).begin() + 1, g.row(r).end());
    const QString text = QGuiApplication::clipboard()->text();

    open(); // a new window: nothing in its block store
    QGuiApplication::clipboard()->setText(text);
    auto& g2 = doc().SG1;
    w().sheetEditor().moveTo(col::Dai, 10);
    menu("N68");
    for (int j = 0; j < 3; ++j)
        for (int c = 1; c < 18; ++c)
            EXPECT_EQ(g2.cell(c, 10 + j), copied[static_cast<size_t>(j)][static_cast<size_t>(c - 1)]) << c << "," << j;
    EXPECT_EQ(doc().KINGAKU_KEI, 12.5 * 1980 * 10000 + 30 * 4500.5 * 10000);
}

TEST_F(RowCommandsTest, ForeignTabTextGoesThroughTheColumnRules)
{
    open();
    auto& g = doc().SG1;
    QGuiApplication::clipboard()->setText(QStringLiteral("＃\t\t\t\t\t\t配管\t\t\t１，２００\t式\t3,000円\r\n"));
    w().sheetEditor().moveTo(col::Dai, 2);
    menu("N68");
    EXPECT_EQ(g.cell(col::Dai, 2), "#");
    EXPECT_EQ(g.cell(col::Description, 2), "配管");
    EXPECT_EQ(g.cell(col::Quantity, 2), "1200");
    EXPECT_EQ(g.cell(col::UnitPrice, 2), "3000");
    EXPECT_EQ(g.rowCount(), 31) << "the trailing line break is no row";

    // Nothing copied and nothing on the clipboard: the sheet stays.
    QGuiApplication::clipboard()->clear();
    const auto before = rowCommaText(g, 2);
    menu("N67");
    EXPECT_EQ(g.rowCount(), 31);
    EXPECT_EQ(rowCommaText(g, 2), before);
    EXPECT_EQ(beeps, 1);
}

TEST_F(RowCommandsTest, DraggingARowByItsNumberMovesItAndRenumbers)
{
    auto& win = open();
    fillLines(6);
    const auto total = doc().KINGAKU_KEI;
    auto* vp = win.sheet().viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, cellCentre(col::No, 2));
    QTest::mouseMove(vp, cellCentre(col::No, 4));
    QTest::mouseMove(vp, cellCentre(col::No, 5));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, cellCentre(col::No, 5));
    auto& g = doc().SG1;
    const char* expected[] = {"item 1", "item 3", "item 4", "item 5", "item 2", "item 6"};
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(g.cell(col::Description, r), expected[r - 1]) << r;
    EXPECT_EQ(g.cell(col::Quantity, 5), "2") << "the row moves whole";
    expectNumbered();
    EXPECT_EQ(doc().KINGAKU_KEI, total);
    EXPECT_EQ(win.sheet().currentGridRow(), 5);
    EXPECT_FALSE(win.rowRoom().sheetDragAuto());

    // Released below the last row or on its own row: nothing moves.
    const int last = g.rowCount() - 1;
    QTest::mousePress(vp, Qt::LeftButton, {}, cellCentre(col::No, 1));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, cellCentre(col::No, 1));
    EXPECT_EQ(g.cell(col::Description, 1), "item 1");
    // A press on another column is the sheet's own: no row is picked up.
    QTest::mousePress(vp, Qt::LeftButton, {}, cellCentre(col::Description, 1));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, cellCentre(col::Description, 3));
    EXPECT_EQ(g.cell(col::Description, 1), "item 1");
    EXPECT_EQ(g.rowCount() - 1, last);
}

TEST_F(RowCommandsTest, NumberingAndIndentButtons)
{
    auto& win = open();
    auto& g = doc().SG1;
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"大", "建築"}, {"", "基礎"}, {"", "掘削"}, {"大", "設備"}, {"", "配管"}};
    for (size_t i = 0; i < rows.size(); ++i) {
        g.setCell(col::Dai, static_cast<int>(i) + 1, rows[i].first);
        g.setCell(col::Description, static_cast<int>(i) + 1, rows[i].second);
    }
    g.setCell(col::Cyu, 2, "中");
    auto& room = win.rowRoom();
    click(room.SpeedButton62);
    EXPECT_EQ(QApplication::focusWidget(), win.header().KNAME) << "the editors are closed";
    EXPECT_EQ(g.cell(col::Description, 1), "建築");
    EXPECT_EQ(g.cell(col::Description, 2), "　基礎");
    EXPECT_EQ(g.cell(col::Description, 3), "　　掘削");
    EXPECT_EQ(g.cell(col::Description, 6), "") << "below the last used row nothing is added";
    EXPECT_EQ(beeps, 0) << "no small headings: no beep";
    click(room.SpeedButton63);
    EXPECT_EQ(g.cell(col::Description, 3), "掘削");
    EXPECT_EQ(beeps, 1);

    click(room.SpeedButton61);
    click(room.SpeedButton61);
    EXPECT_EQ(g.cell(col::Description, 1), "大．建築");
    EXPECT_EQ(g.cell(col::Description, 2), "中．基礎");
    EXPECT_EQ(g.cell(col::Description, 3), "掘削");
    EXPECT_EQ(beeps, 3);
}

TEST_F(RowCommandsTest, MemoButtons)
{
    writeFile("SET3.INI", {"[MEMO]=備考", "[MEMO_数値]=数量2"});
    auto& win = open();
    auto& room = win.rowRoom();
    auto& g = doc().SG1;
    doc().setMemoVisible(false);
    click(room.MEMO_FLG_CAP);
    EXPECT_TRUE(dialogs.shown.empty()) << "a hidden memo column: nothing happens";

    dialogs.answers = {false, false};
    click(room.MEMO_DISP_CAP);
    EXPECT_TRUE(doc().memoVisible());
    EXPECT_EQ(g.colWidth(col::Memo), 60);
    EXPECT_EQ(dialogs.texts().size(), 2) << "both width profiles are offered";

    dialogs.reset();
    g.setCell(col::Memo, 3, "メモ");
    dialogs.answers = {false};
    click(room.MEMO_FLG_CAP);
    EXPECT_EQ(g.cell(col::Memo, 3), "メモ") << "No changes nothing";
    EXPECT_EQ(room.MEMO_FLG_CAP->text(), QStringLiteral("文字"));
    dialogs.answers = {true};
    click(room.MEMO_FLG_CAP);
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("変更すると「 備考 」の入力値は全て消去されます。\r\n"));
    EXPECT_EQ(g.cell(col::Memo, 3), "");
    EXPECT_EQ(doc().memoMode, MemoMode::Numeric);
    EXPECT_EQ(room.MEMO_FLG_CAP->text(), QStringLiteral("数値"));
    EXPECT_EQ(g.cell(col::Memo, 0), "数量2");
    EXPECT_EQ(win.sheet().currentCol(), col::Memo);
}

} // namespace
} // namespace yorozu::test
