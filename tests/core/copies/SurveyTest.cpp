#include "core/copies/PrintCopyFixtures.h"

#include "core/copies/Survey.h"

#include <gtest/gtest.h>

using namespace yorozu;
using yorozu::testing::CopyRow;
using yorozu::testing::Line;

namespace {

struct KeiRow {
    std::string no, dai, cyu, description, amount, cost, rate, profit, memo;
    bool operator==(const KeiRow&) const = default;
};

std::ostream& operator<<(std::ostream& os, const KeiRow& r)
{
    return os << "[" << r.no << "|" << r.dai << "|" << r.cyu << "|" << r.description << "|" << r.amount << "|"
              << r.cost << "|" << r.rate << "|" << r.profit << "|" << r.memo << "]";
}

std::vector<KeiRow> keiRows(const StringGrid& g)
{
    std::vector<KeiRow> rows;
    for (int r = 1; r < g.rowCount(); ++r)
        rows.push_back({g.cell(col::No, r), g.cell(col::Dai, r), g.cell(col::Cyu, r), g.cell(col::Description, r),
                        g.cell(col::Amount, r), g.cell(col::CostTotal, r), g.cell(col::Rate, r),
                        g.cell(col::Memo, r), g.cell(col::TaxExempt, r)});
    return rows;
}

class Survey : public ::testing::Test {
protected:
    void build(const std::vector<Line>& lines, bool taxRows)
    {
        doc.setPRN_S(1);
        yorozu::testing::fillSheet(doc, lines);
        yorozu::testing::setOuterTaxMoney(doc);
        settings.taxRows = taxRows;
        result = SYUKEI_MAKE(doc, settings);
    }

    Estimate doc;
    PrintCopySettings settings;
    PrintCopyResult result;
};

const std::vector<Line> twoHeadings = {
    {"A", "", "", "A工事", "", "", "1", "", "", "見出しメモ"},
    {"", "", "", "材料", "10000", "8000"},
    {"", "", "", "手間", "5000", "4000"},
    {"B", "", "", "B工事", "", ""},
    {"", "", "", "x", "3000", "1000"},
};

TEST_F(Survey, HeadingsCarryTheirSubtotalRateAndGrossProfit)
{
    build(twoHeadings, false);
    ASSERT_TRUE(result.completed);
    const std::vector<KeiRow> expected = {
        {"1", "A", "", "A工事", "15000", "12000", "80", "3000", "見出しメモ"},
        {"2", "B", "", "B工事", "3000", "1000", "33.3", "2000", ""},
        {"", "%", "", label::Sougoukei, "18000", "13000", "72.2", "5000", ""},
    };
    EXPECT_EQ(keiRows(doc.SG_KEI), expected);
    EXPECT_EQ(doc.SG_KEI.cell(col::Memo, 0), "粗　利") << "the grid keeps its headings";
}

TEST_F(Survey, WithTaxRowsOnlyTheDiscountSummaryShowsAProfit)
{
    auto lines = twoHeadings;
    lines.push_back({"\\", "", "", "値引", "-1000", "", "1", "", "", "値引メモ"});
    build(lines, true);
    const auto rows = keiRows(doc.SG_KEI);
    ASSERT_EQ(rows.size(), 2u + 5u);
    EXPECT_EQ(rows[2].description, label::NebikiMae);
    EXPECT_EQ(rows[2].profit, "5000");
    EXPECT_EQ(rows[3].dai, "\\");
    EXPECT_EQ(rows[3].no, "");
    EXPECT_EQ(rows[3].profit, "") << "the discount's memo is kept aside, not shown as its profit";
    EXPECT_EQ(rows[3].memo, "値引メモ");
    EXPECT_EQ(rows[4].description, label::NebikiAto);
    EXPECT_EQ(rows[4].profit, "4000");
    EXPECT_EQ(rows[5].description, label::Syohizei);
    EXPECT_EQ(rows[5].profit, "");
    EXPECT_EQ(rows[6].description, label::Sougoukei);
    EXPECT_EQ(rows[6].profit, "");
}

TEST_F(Survey, LineWithTwoCodesIsListedOncePerLevel)
{
    build({{"A", "a1", "", "A工事", "", ""},
           {"", "", "", "l1", "1000", "500"},
           {"", "a2", "", "a2部", "", ""},
           {"", "", "", "l2", "2000", "1000"}},
          false);
    const std::vector<KeiRow> expected = {
        {"1", "A", "", "A工事", "3000", "1500", "50", "1500", ""},
        {"2", "", "a1", "A工事", "1000", "500", "50", "500", ""},
        {"3", "", "a2", "a2部", "2000", "1000", "50", "1000", ""},
        {"", "%", "", label::Sougoukei, "3000", "1500", "50", "1500", ""},
    };
    EXPECT_EQ(keiRows(doc.SG_KEI), expected);
}

TEST_F(Survey, SurveyCopyHasNotesThenSummaryThenClosingLines)
{
    auto lines = twoHeadings;
    lines.insert(lines.begin(), {"#", "", "", "工事概要", "", ""});
    lines.push_back({"@", "", "", "以上", "", ""});
    build(lines, false);
    SEKISAN_MAKE(doc, settings);
    const auto rows = yorozu::testing::copyRows(doc.SGS);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].description, "工事概要");
    EXPECT_EQ(rows[1].description, "A工事");
    EXPECT_EQ(doc.SGS.cell(col::Memo, 2), "見出しメモ") << "the memo goes back in place of the gross profit";
    EXPECT_EQ(rows[2].description, "B工事");
    EXPECT_EQ(rows[3].description, label::Sougoukei);
    EXPECT_EQ(rows[4].description, "以上");
}

TEST_F(Survey, SurveyCopyGetsContinuationRows)
{
    std::vector<Line> lines;
    for (int i = 0; i < 30; ++i)
        lines.push_back({"K" + std::to_string(i), "", "", "heading", "100", "50"});
    build(lines, false);
    SEKISAN_MAKE(doc, settings);
    EXPECT_EQ(doc.SGS.cell(col::Dai, 19), "~");
    EXPECT_EQ(doc.SGS.rowCount(), 1 + 30 + 1 + 1);
}

TEST_F(Survey, TwoDiscountsStopBeforeTheSummary)
{
    doc.SG_KEI.setRowCount(5);
    doc.SG_KEI.setCell(col::Description, 3, "previous");
    build({{"A", "", "", "x", "100", ""}, {"\\", "", "", "d", "-1", ""}, {"\\", "", "", "d", "-2", ""}}, false);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(doc.SG_KEI.cell(col::Description, 3), "previous");
}

TEST(SurveyView, OnlyForKindsWithSubtotalsAndASheetWithLines)
{
    Estimate doc;
    EXPECT_FALSE(totalsViewWanted(doc));
    doc.SG1.setCell(col::Description, 2, "x");
    EXPECT_FALSE(totalsViewWanted(doc)) << "plain kind";
    doc.setPRN_S(1);
    EXPECT_TRUE(totalsViewWanted(doc));
    doc.setPRN_S(2);
    EXPECT_TRUE(totalsViewWanted(doc));
}

TEST(SurveyView, GridSizeFollowsTheRowCount)
{
    struct Case {
        int rows, width, height;
    };
    const Case cases[] = {{2, 938, 44}, {25, 938, 527}, {26, 938, 548}, {27, 941 + 17, 548}, {100, 941 + 17, 548}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        const auto size = totalsGridSize(c.rows, 17);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

} // namespace
