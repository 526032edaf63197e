#include "core/document/Estimate.h"
#include "core/document/RowOps.h"

#include <gtest/gtest.h>

using namespace yorozu;

TEST(Estimate, NewSheetHasThirtyNumberedEmptyRows)
{
    Estimate e;
    ASSERT_EQ(e.SG1.rowCount(), 31);
    for (int r = 1; r <= 30; ++r)
        EXPECT_EQ(e.SG1.cell(col::No, r), std::to_string(r));
    EXPECT_EQ(e.SG1.cell(col::Description, 0), "摘要");
    EXPECT_EQ(e.SG1_END(), 0);
}

TEST(Estimate, LastUsedRowIgnoresNumberAndMemo)
{
    Estimate e;
    e.SG1.setCell(col::Memo, 12, "memo only");
    EXPECT_EQ(e.SG1_END(), 0) << "a row holding only its number and a memo is empty";
    e.SG1.setCell(col::Quantity, 5, "-");
    EXPECT_EQ(e.SG1_END(), 5);
    e.SG1.setCell(4, 9, "reserved");
    EXPECT_EQ(e.SG1_END(), 9) << "reserved columns count as content";
}

TEST(Estimate, OptionRulesRunAsClicksDo)
{
    Estimate e;
    e.setGAISAN(true);
    e.setSEIQ(true);
    EXPECT_FALSE(e.GAISAN);
    EXPECT_TRUE(e.SEIQ);
    e.setGYOUKAN(1);
    e.setGENKA_P(true);
    EXPECT_FALSE(e.SEIQ);
    EXPECT_EQ(e.GYOUKAN, 0);
    e.setGYOUKAN(2);
    EXPECT_FALSE(e.GENKA_P);

    e.setTANKA(true);
    e.setNOHIN(true);
    EXPECT_FALSE(e.TANKA);
    e.setTANKA(true);
    EXPECT_FALSE(e.NOHIN);
    e.setGAISAN(true);
    EXPECT_FALSE(e.TANKA);
    e.setSEIQ(false);
    EXPECT_TRUE(e.GAISAN) << "clearing a box runs no rule";

    e.HIKAZEIClick(true);
    e.SG_KEI_visible = true;
    e.UTIZEIClick(true);
    EXPECT_FALSE(e.HIKAZEI);
    EXPECT_FALSE(e.SG_KEI_visible);
    e.HIKAZEIClick(true);
    EXPECT_FALSE(e.UTIZEI);
}

TEST(Estimate, ShapeColumnWidthRule)
{
    Estimate e;
    e.SunpouClick(false);
    e.SG1.setColWidth(col::Description, 405);
    e.SunpouClick(true);
    EXPECT_EQ(e.SG1.colWidth(col::Description), 203);
    EXPECT_EQ(e.SG1.colWidth(col::Shape), 201);
    EXPECT_EQ(e.SG2.colWidth(col::Description), 225);
    EXPECT_EQ(e.SG2.colWidth(col::Shape), 180);
    e.SunpouClick(false);
    EXPECT_EQ(e.SG1.colWidth(col::Description), 405);
    EXPECT_EQ(e.SG1.colWidth(col::Shape), -1);
    EXPECT_EQ(e.SG2.colWidth(col::Description), 406);
    EXPECT_EQ(e.SG2.colWidth(col::Shape), -1);
    e.SunpouClick(false);
    EXPECT_EQ(e.SG1.colWidth(col::Description), 405) << "clearing twice changes nothing";
}

TEST(Estimate, MemoColumnWidthRule)
{
    Estimate e;
    e.setMemoVisible(false);
    e.SG1.setColWidth(col::Shape, 128);
    e.setMemoVisible(true);
    EXPECT_EQ(e.SG1.colWidth(col::Shape), 67);
    EXPECT_EQ(e.SG1.colWidth(col::Memo), 60);
    e.setMemoVisible(false);
    EXPECT_EQ(e.SG1.colWidth(col::Shape), 128);
    EXPECT_EQ(e.SG1.colWidth(col::Memo), 0);
}

// With the shape column hidden, taking the memo's room from it would leave it
// at -62, and ticking the shape box would then never show it again.
TEST(Estimate, MemoColumnWithShapeHiddenTakesRoomFromDescription)
{
    Estimate e;
    e.setMemoVisible(false);
    e.SunpouClick(false);
    const int description = e.SG1.colWidth(col::Description);
    e.setMemoVisible(true);
    EXPECT_EQ(e.SG1.colWidth(col::Shape), -1);
    EXPECT_EQ(e.SG1.colWidth(col::Description), description - 61);
    e.setMemoVisible(false);
    EXPECT_EQ(e.SG1.colWidth(col::Shape), -1);
    EXPECT_EQ(e.SG1.colWidth(col::Description), description);
    e.setMemoVisible(true);
    e.SunpouClick(true);
    EXPECT_GT(e.SG1.colWidth(col::Shape), 0) << "the shape column shows again";
}

TEST(Estimate, ClearGoesBackToThirtyRows)
{
    Estimate e;
    SG_INS(e.SG1, 3);
    e.SG1.setCell(col::Description, 40, "x");
    e.KNAME = "顧客";
    e.clear();
    EXPECT_EQ(e.SG1.rowCount(), 31);
    EXPECT_EQ(e.SG1.cell(col::Description, 3), "");
    EXPECT_EQ(e.SG1.cell(col::No, 31 - 1), "30");
    EXPECT_EQ(e.KNAME, "");
}

namespace {

StringGrid numberedGrid(int rows)
{
    StringGrid g(rows);
    g.renumber();
    for (int r = 1; r < rows; ++r)
        g.setCell(col::Description, r, "row" + std::to_string(r));
    return g;
}

} // namespace

TEST(RowOps, InsertMovesRowsDownAndRenumbers)
{
    auto g = numberedGrid(31);
    SG_INS(g, 5);
    ASSERT_EQ(g.rowCount(), 32);
    EXPECT_EQ(g.cell(col::Description, 5), "");
    EXPECT_EQ(g.cell(col::No, 5), "5");
    EXPECT_EQ(g.cell(col::Description, 6), "row5");
    EXPECT_EQ(g.cell(col::Description, 31), "row30");
    for (int r = 1; r < g.rowCount(); ++r)
        EXPECT_EQ(g.cell(col::No, r), std::to_string(r));
}

TEST(RowOps, DeleteKeepsCountFromTwentySevenRows)
{
    struct Case {
        int rows;
        int expectedRows;
    } cases[] = {{31, 31}, {27, 27}, {26, 27}, {10, 11}, {2, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        auto g = numberedGrid(c.rows);
        SG_DEL(g, 1);
        ASSERT_EQ(g.rowCount(), c.expectedRows);
        if (c.rows > 2) {
            EXPECT_EQ(g.cell(col::Description, 1), "row2");
        }
        EXPECT_EQ(g.cell(col::Description, g.rowCount() - 1), "") << "the last row becomes empty";
        for (int r = 1; r < g.rowCount(); ++r)
            EXPECT_EQ(g.cell(col::No, r), std::to_string(r));
    }
}
