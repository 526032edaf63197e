#include "core/document/RowBlock.h"

#include "core/document/CommaText.h"
#include "core/document/Estimate.h"
#include "core/document/StringGrid.h"

#include <gtest/gtest.h>

#include <string>

using namespace yorozu;

namespace {

// A 31-row sheet whose cell (c, r) reads "c:r" in columns 1 to 17.
StringGrid taggedSheet(int rows = 31)
{
    StringGrid g(rows);
    g.renumber();
    for (int r = 1; r < rows; ++r)
        for (int c = 1; c < g.colCount(); ++c)
            g.setCell(c, r, std::to_string(c) + ":" + std::to_string(r));
    return g;
}

void expectNumbered(const StringGrid& g)
{
    for (int r = 1; r < g.rowCount(); ++r)
        ASSERT_EQ(g.cell(0, r), std::to_string(r)) << r;
}

} // namespace

TEST(RowBlock, CopyTakesTheRectangleInAnyCornerOrderAndStaysInsideTheGrid)
{
    const auto g = taggedSheet();
    const auto b = copyBlock(g, 9, 4, 7, 3);
    EXPECT_EQ(b.left, 7);
    EXPECT_EQ(b.top, 3);
    ASSERT_EQ(b.height(), 2);
    ASSERT_EQ(b.width(), 3);
    EXPECT_EQ(b.cells[1][2], "9:4");
    // A selection reaching past the sheet is clipped, the heading row never taken.
    const auto clipped = copyBlock(g, 16, 0, 40, 99);
    EXPECT_EQ(clipped.top, 1);
    EXPECT_EQ(clipped.right, 17);
    EXPECT_EQ(clipped.bottom, 30);
}

// Text columns 7 to 9 pasted on column 10: the number columns 10 and 12
// are emptied, column 11 (the unit, text) takes column 8.
TEST(RowBlock, OverwriteEmptiesNumberColumnsFedFromText)
{
    auto g = taggedSheet();
    const auto b = copyBlock(g, 7, 2, 9, 3);
    pasteBlock(g, b, 10, 20, false);
    EXPECT_EQ(g.rowCount(), 31);
    for (int r : {20, 21}) {
        EXPECT_EQ(g.cell(10, r), "") << r;
        EXPECT_EQ(g.cell(12, r), "") << r;
        EXPECT_EQ(g.cell(11, r), "8:" + std::to_string(r - 18)) << r;
        EXPECT_EQ(g.cell(9, r), "9:" + std::to_string(r)) << "outside the block: untouched";
    }
    // Number to number is pasted.
    const auto nums = copyBlock(g, 12, 5, 13, 5);
    pasteBlock(g, nums, 14, 6, false);
    EXPECT_EQ(g.cell(14, 6), "12:5");
    EXPECT_EQ(g.cell(15, 6), "13:5");
}

TEST(RowBlock, InsertOnTheLastRowPushesItDownAndRenumbers)
{
    auto g = taggedSheet();
    const auto b = copyBlock(g, 7, 1, 7, 3);
    pasteBlock(g, b, 7, 30, true);
    ASSERT_EQ(g.rowCount(), 34);
    EXPECT_EQ(g.cell(7, 30), "7:1");
    EXPECT_EQ(g.cell(7, 32), "7:3");
    EXPECT_EQ(g.cell(8, 31), "") << "inserted rows are empty outside the block";
    EXPECT_EQ(g.cell(7, 33), "7:30") << "the former last row ends three rows lower";
    expectNumbered(g);
}

TEST(RowBlock, OverwritePastTheEndGrowsAndSurplusColumnsAreDropped)
{
    auto g = taggedSheet();
    const auto b = copyBlock(g, 12, 1, 17, 3);
    pasteBlock(g, b, 15, 29, false);
    ASSERT_EQ(g.rowCount(), 32);
    EXPECT_EQ(g.colCount(), 18);
    EXPECT_EQ(g.row(31).size(), 18u);
    EXPECT_EQ(g.cell(15, 31), "12:3");
    EXPECT_EQ(g.cell(17, 31), "14:3");
    EXPECT_EQ(g.cell(14, 31), "") << "a grown row is empty";
    EXPECT_EQ(g.cell(15, 29), "12:1");
    expectNumbered(g);
}

TEST(RowBlock, TabTextKeepsTheShape)
{
    RowBlock b;
    b.left = 7;
    b.right = 9;
    b.top = 1;
    b.bottom = 2;
    b.cells = {{"配管\t工事", "", "3"}, {"a\r\nb", "x", ""}};
    const auto text = blockToTabText(b);
    EXPECT_EQ(text, "配管 工事\t\t3\r\na  b\tx\t");
    const auto rows = splitTabText(text + "\r\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"配管 工事", "", "3"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"a  b", "x", ""}));
    EXPECT_TRUE(splitTabText("").empty());
    EXPECT_EQ(splitTabText("a\nb\rc").size(), 3u);
}

TEST(RowBlock, MoveShiftsTheRowsBetweenAndRenumbers)
{
    auto g = taggedSheet();
    moveSheetRow(g, 3, 7);
    EXPECT_EQ(g.cell(7, 7), "7:3");
    EXPECT_EQ(g.cell(7, 3), "7:4");
    EXPECT_EQ(g.cell(7, 6), "7:7");
    EXPECT_EQ(g.cell(7, 8), "7:8");
    moveSheetRow(g, 7, 3);
    for (int r = 1; r < 31; ++r)
        ASSERT_EQ(g.cell(7, r), "7:" + std::to_string(r)) << r;
    moveSheetRow(g, 0, 3); // the heading row stays
    moveSheetRow(g, 3, 31);
    EXPECT_EQ(g.cell(7, 3), "7:3");
    expectNumbered(g);
}

TEST(RowBlock, PasteRowTakesCommaTextAndOtherText)
{
    auto g = taggedSheet();
    const auto line = rowCommaText(g, 4);
    pasteRowText(g, 9, line);
    EXPECT_EQ(g.cell(0, 9), "9");
    for (int c = 1; c < 18; ++c)
        EXPECT_EQ(g.cell(c, 9), g.cell(c, 4)) << c;
    pasteRowText(g, 9, "");
    EXPECT_TRUE(g.cell(7, 9).empty());
    EXPECT_EQ(g.cell(0, 9), "9") << "an empty clipboard empties the row, its number stays";
    pasteRowText(g, 9, "1 a\tb,c");
    EXPECT_EQ(g.cell(0, 9), "9");
    EXPECT_EQ(g.cell(1, 9), "a");
    EXPECT_EQ(g.cell(2, 9), "b");
    EXPECT_EQ(g.cell(3, 9), "c");
}
