#include "core/document/StringGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace yorozu;

namespace {

void fill(StringGrid& g, const std::string& tag)
{
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c)
            g.setCell(c, r, tag + " a text longer than any short-string buffer " + std::to_string(r * 100 + c));
}

void expectEmptyFrom(const StringGrid& g, int firstRow)
{
    for (int r = firstRow; r < g.rowCount(); ++r) {
        ASSERT_EQ(g.row(r).size(), static_cast<size_t>(g.colCount())) << r;
        for (int c = 0; c < g.colCount(); ++c)
            EXPECT_EQ(g.cell(c, r), "") << c << "," << r;
    }
}

} // namespace

// Rows that shrinking drops come back empty on growing, whatever they held
// and whatever the column count has become since.
TEST(StringGrid, RowsComeBackEmptyAfterShrinking)
{
    struct Case {
        int rows, shrinkTo, columnsBetween, growTo;
    } cases[] = {
        {50, 1, 18, 50}, {50, 0, 18, 80}, {50, 10, 5, 60}, {50, 10, 25, 30}, {3, 2, 18, 2}, {40, 39, 18, 41},
    };
    for (const auto& c : cases) {
        StringGrid g(c.rows);
        fill(g, "old");
        g.setRowCount(c.shrinkTo);
        g.setColCount(c.columnsBetween);
        g.setRowCount(c.growTo);
        ASSERT_EQ(g.rowCount(), c.growTo);
        const int kept = std::min(c.shrinkTo, c.growTo);
        for (int r = 0; r < kept; ++r)
            for (int col = 0; col < std::min(18, c.columnsBetween); ++col)
                EXPECT_EQ(g.cell(col, r), "old a text longer than any short-string buffer " + std::to_string(r * 100 + col));
        expectEmptyFrom(g, kept);
    }
}

TEST(StringGrid, CopiesAreIndependentOfDroppedRows)
{
    StringGrid g(30);
    fill(g, "x");
    g.setRowCount(5);
    StringGrid copy = g;
    copy.setRowCount(30);
    expectEmptyFrom(copy, 5);
    g.setRowCount(30);
    expectEmptyFrom(g, 5);
    for (int c = 0; c < g.colCount(); ++c)
        EXPECT_EQ(copy.cell(c, 4), g.cell(c, 4));
    StringGrid assigned(2);
    assigned = g;
    assigned.setRowCount(40);
    expectEmptyFrom(assigned, 5);
}
