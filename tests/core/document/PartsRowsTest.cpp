#include "core/document/Estimate.h"
#include "core/document/PartsSort.h"
#include "core/document/PartsTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace yorozu;

namespace {

bool byteLess(const std::string& a, const std::string& b)
{
    return a < b;
}

StringGrid partsGrid()
{
    StringGrid g;
    setUpPartsGrid(g, true);
    return g;
}

void setPart(StringGrid& g, int row, const std::string& name, const std::string& price = "",
             const std::string& cost = "")
{
    g.setCell(col::Description, row, name);
    g.setCell(col::UnitPrice, row, price);
    g.setCell(col::CostPrice, row, cost);
}

TEST(PartsSortTest, FiveNamedPartsAmongEmptyRowsEndOnTopInNameOrder)
{
    StringGrid g = partsGrid();
    const std::vector<std::pair<int, std::string>> parts{{2, "ナット"}, {9, "ボルト"}, {14, "アンカー"},
                                                        {22, "ワッシャー"}, {30, "座金"}};
    for (const auto& [row, name] : parts)
        setPart(g, row, name, std::to_string(row * 10));
    sortParts(g, byteLess);
    EXPECT_EQ(g.rowCount(), 31);
    const std::vector<std::string> expected{"アンカー", "ナット", "ボルト", "ワッシャー", "座金"};
    for (int r = 1; r <= 30; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(g.cell(0, r), std::to_string(r));
        EXPECT_EQ(g.cell(col::Description, r), r <= 5 ? expected[static_cast<size_t>(r - 1)] : "");
    }
    // The prices moved with their names.
    EXPECT_EQ(g.cell(col::UnitPrice, 1), "140");
    EXPECT_EQ(g.cell(col::UnitPrice, 5), "300");
}

TEST(PartsSortTest, AnEmptyLastRowEndsThePassWithNothingDeleted)
{
    StringGrid g = partsGrid();
    setPart(g, 3, "ボルト");
    setPart(g, 7, "ナット");
    // No part has a shape: the order stays, the last row is empty, and the
    // pass by shape ends there.
    SORT_STR(g, col::Shape, byteLess);
    EXPECT_EQ(g.cell(col::Description, 3), "ボルト");
    EXPECT_EQ(g.cell(col::Description, 7), "ナット");
}

TEST(PartsSortTest, ARowWithOnlyAShapeIsKept)
{
    StringGrid g = partsGrid();
    g.setCell(col::Shape, 4, "φ10");
    setPart(g, 7, "ボルト");
    sortParts(g, byteLess);
    EXPECT_EQ(g.cell(col::Shape, 1), "φ10");
    EXPECT_EQ(g.cell(col::Description, 2), "ボルト");
    EXPECT_EQ(g.cell(col::Description, 3), "");
    EXPECT_EQ(g.cell(0, 2), "2");
    EXPECT_EQ(g.rowCount(), 31);
}

TEST(PartsTransferTest, APartFillsTheSheetRowButNotItsQuantity)
{
    Estimate e;
    StringGrid& parts = e.SG2;
    parts.setCell(col::Description, 3, "ボルト");
    parts.setCell(col::TaxExempt, 3, "1");
    parts.setCell(col::Shape, 3, "M8");
    parts.setCell(col::Unit, 3, "本");
    parts.setCell(col::UnitPrice, 3, "120");
    parts.setCell(col::CostPrice, 3, "80");
    parts.setCell(col::Rate, 3, "66.6");
    e.SG1.setCell(col::Quantity, 5, "4");
    copyPartToSheetRow(parts, 3, e.SG1, 5);
    EXPECT_EQ(e.SG1.cell(col::Description, 5), "ボルト");
    EXPECT_EQ(e.SG1.cell(col::TaxExempt, 5), "1");
    EXPECT_EQ(e.SG1.cell(col::CostPrice, 5), "80");
    EXPECT_EQ(e.SG1.cell(col::Quantity, 5), "4");
    EXPECT_EQ(e.SG1.cell(col::Rate, 5), "");

    // Dropped, the part gets a row of its own without the tax-exempt mark.
    e.SG1.setCell(col::Description, 3, "元の3行目");
    DRAG_DROP(parts, 3, e.SG1, 3);
    EXPECT_EQ(e.SG1.rowCount(), 32);
    EXPECT_EQ(e.SG1.cell(col::Description, 3), "ボルト");
    EXPECT_EQ(e.SG1.cell(col::Shape, 3), "M8");
    EXPECT_EQ(e.SG1.cell(col::TaxExempt, 3), "");
    EXPECT_EQ(e.SG1.cell(col::Quantity, 3), "");
    EXPECT_EQ(e.SG1.cell(col::Description, 4), "元の3行目");
    EXPECT_EQ(e.SG1.cell(0, 4), "4");
}

TEST(PartsTransferTest, ADroppedSheetLineBecomesAPartWithItsCostRatio)
{
    Estimate e;
    e.SG1.setCell(col::Description, 6, "配管工事");
    e.SG1.setCell(col::Unit, 6, "式");
    e.SG1.setCell(col::Quantity, 6, "2");
    e.SG1.setCell(col::UnitPrice, 6, "1000");
    e.SG1.setCell(col::CostPrice, 6, "700");
    e.SG1.setCell(col::Amount, 6, "2000");
    e.SG2.setCell(col::Description, 2, "既存");
    BUHIN_DROP(e.SG1, 6, e.SG2, 2);
    EXPECT_EQ(e.SG2.rowCount(), 32);
    EXPECT_EQ(e.SG2.cell(col::Description, 2), "配管工事");
    EXPECT_EQ(e.SG2.cell(col::Unit, 2), "式");
    EXPECT_EQ(e.SG2.cell(col::Rate, 2), "70.0");
    EXPECT_EQ(e.SG2.cell(col::Quantity, 2), "");
    EXPECT_EQ(e.SG2.cell(col::Amount, 2), "");
    EXPECT_EQ(e.SG2.cell(col::Description, 3), "既存");
    EXPECT_EQ(e.SG2.cell(0, 3), "3");
}

TEST(PartsGridTest, OnlyThePartColumnsAreShown)
{
    StringGrid g = partsGrid();
    const std::vector<int> shown{0, col::Description, col::Shape, col::Unit, col::UnitPrice, col::CostPrice, col::Rate};
    for (int c = 0; c < StringGrid::kColumns; ++c) {
        SCOPED_TRACE(c);
        const bool isShown = std::find(shown.begin(), shown.end(), c) != shown.end();
        EXPECT_EQ(g.colWidth(c) > 0, isShown);
    }
    EXPECT_EQ(g.defaultRowHeight(), 18);
    setPartsGridWidths(g, false);
    EXPECT_EQ(g.colWidth(col::Description), 406);
    EXPECT_EQ(g.colWidth(col::Shape), -1);
}

} // namespace
