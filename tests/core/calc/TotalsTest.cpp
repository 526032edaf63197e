#include "core/document/Estimate.h"
#include "core/calc/Format.h"
#include "core/calc/Totals.h"

#include <gtest/gtest.h>

#include <vector>

using namespace yorozu;

namespace {

constexpr std::int64_t yen(std::int64_t v) { return v * 10000; }

struct Line {
    const char* quantity;
    const char* price;
    const char* cost;
    const char* mark;
};

class TotalsTest : public ::testing::Test {
protected:
    Estimate doc;

    void lines(const std::vector<Line>& ls)
    {
        int row = 1;
        for (const auto& l : ls) {
            doc.SG1.setCell(col::Quantity, row, l.quantity);
            doc.SG1.setCell(col::UnitPrice, row, l.price);
            doc.SG1.setCell(col::CostPrice, row, l.cost);
            doc.SG1.setCell(col::TaxExempt, row, l.mark);
            ++row;
        }
    }
};

} // namespace

TEST_F(TotalsTest, EmptySheet)
{
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, 0);
    EXPECT_EQ(doc.TOTALKIN, "\\0-");
    EXPECT_EQ(doc.panels[2], "消費税 = 0");
    EXPECT_EQ(doc.panels[3], "税込合計 = 0");
    EXPECT_EQ(doc.panels[4], "原価計 = 0");
    EXPECT_EQ(doc.panels[5], "粗利計 = 0");
    EXPECT_EQ(doc.panels[6], "原価率 = ");
    EXPECT_EQ(doc.panels[7], "切捨て");
    EXPECT_EQ(doc.panels[0], "");
    EXPECT_EQ(doc.panels[1], "");
}

TEST_F(TotalsTest, OuterTaxByFractionMode)
{
    struct Case {
        const char* taxable;
        int mode;
        std::int64_t tax;
        const char* panel2;
        const char* panel7;
    } cases[] = {
        {"12345", 0, 617, "消費税 = 617", "切捨て"},   {"12345", 1, 618, "消費税 = 618", "切り上げ"},
        {"12345", 2, 617, "消費税 = 617", "四捨五入"}, {"12350", 0, 617, "消費税 = 617", "切捨て"},
        {"12350", 1, 618, "消費税 = 618", "切り上げ"}, {"12350", 2, 618, "消費税 = 618", "四捨五入"},
        // 5 per cent of 12340 is 617 exactly; the product must not lose the yen.
        {"12340", 0, 617, "消費税 = 617", "切捨て"},   {"12340", 1, 617, "消費税 = 617", "切り上げ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.taxable) + " mode " + std::to_string(c.mode));
        doc.HASU_MODE = c.mode;
        lines({{"1", c.taxable, "", ""}});
        doc.recalculateAll();
        EXPECT_EQ(doc.ZEI_GAKU, yen(c.tax));
        EXPECT_EQ(doc.panels[2], c.panel2);
        EXPECT_EQ(doc.ZEIKOMI_KEI, doc.KINGAKU_KEI + doc.ZEI_GAKU);
        EXPECT_EQ(doc.panels[7], c.panel7);
    }
}

TEST_F(TotalsTest, TaxTreatments)
{
    struct Case {
        const char* name;
        bool UTIZEI, HIKAZEI;
        std::vector<Line> ls;
        std::int64_t kingaku, kazei, tax, zeikomi;
        const char* totalkin;
        const char* panel2;
        const char* panel3;
    } cases[] = {
        {"outer tax leaves the exempt line out", false, false,
         {{"1", "10000", "", "1"}, {"1", "20000", "", ""}},
         30000, 20000, 1000, 31000, "\\30,000-", "消費税 = 1,000", "税込合計 = 31,000"},
        {"tax included", true, false,
         {{"1", "10500", "", ""}, {"2", "10500", "", ""}},
         31500, 31500, 1500, 31500, "\\30,000-", "消費税 = 1,500", "税込合計 = 31,500"},
        {"tax included with an exempt line", true, false,
         {{"1", "10500", "", ""}, {"1", "5000", "", "1"}},
         15500, 10500, 500, 15500, "\\15,000-", "消費税 = 500", "税込合計 = 15,500"},
        {"tax exempt estimate whatever the marks", false, true,
         {{"1", "10000", "", "1"}, {"1", "20000", "", ""}},
         30000, 20000, 0, 30000, "\\30,000-", "消費税 = 0", "税込合計 = 30,000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc = Estimate();
        doc.UTIZEI = c.UTIZEI;
        doc.HIKAZEI = c.HIKAZEI;
        lines(c.ls);
        doc.recalculateAll();
        EXPECT_EQ(doc.KINGAKU_KEI, yen(c.kingaku));
        EXPECT_EQ(doc.KAZEI_KEI, yen(c.kazei));
        EXPECT_EQ(doc.ZEI_GAKU, yen(c.tax));
        EXPECT_EQ(doc.ZEIKOMI_KEI, yen(c.zeikomi));
        EXPECT_EQ(doc.TOTALKIN, c.totalkin);
        EXPECT_EQ(doc.panels[3], c.panel3);
        EXPECT_EQ(doc.panels[2], c.panel2);
    }
}

TEST_F(TotalsTest, CostProfitAndRatioPanels)
{
    lines({{"1", "10000", "7000", ""}});
    doc.recalculateAll();
    EXPECT_EQ(doc.GENKA_KEI, yen(7000));
    EXPECT_EQ(doc.panels[4], "原価計 = 7,000");
    EXPECT_EQ(doc.panels[5], "粗利計 = 3,000");
    EXPECT_EQ(doc.panels[6], "原価率 = 70.0%");

    doc.RIEKI_RITUMouseUp(true);
    EXPECT_EQ(doc.panels[6], "利益率 = 30.0%");
    EXPECT_EQ(doc.SG1.cell(col::Rate, 1), "30");

    // Tax included: the gross profit takes the whole sum as tax-inclusive,
    // the ratio does not.
    doc.UTIZEIClick(true);
    EXPECT_EQ(doc.panels[5], "粗利計 = 2,524"); // Ceil_New2(10000 / 1.05 - 7000) = 2523.8...
    EXPECT_EQ(doc.panels[6], "利益率 = 30.0%");

    // Only the label when there is no cost.
    doc.SG1.setCell(col::CostPrice, 1, "");
    doc.recalculateAll();
    EXPECT_EQ(doc.panels[6], "利益率 = ");
}

TEST_F(TotalsTest, CheckBoxesExcludeEachOtherAndRecalculate)
{
    lines({{"1", "10500", "", ""}});
    doc.HIKAZEIClick(true);
    EXPECT_EQ(doc.ZEI_GAKU, 0);
    doc.SG_KEI_visible = true;
    doc.UTIZEIClick(true);
    EXPECT_TRUE(doc.UTIZEI);
    EXPECT_FALSE(doc.HIKAZEI);
    EXPECT_FALSE(doc.SG_KEI_visible);
    EXPECT_EQ(doc.ZEI_GAKU, yen(500));
    doc.HIKAZEIClick(true);
    EXPECT_FALSE(doc.UTIZEI);
    EXPECT_EQ(doc.ZEI_GAKU, 0);
    doc.HIKAZEIClick(false);
    EXPECT_EQ(doc.ZEI_GAKU, yen(525));
}

TEST_F(TotalsTest, KeisanAllSumsOnlyLinesWithTheirInputs)
{
    lines({{"2", "100", "40", ""}});
    // Stale computed cells on a line without quantity: KEISAN_ALL clears
    // them and adds nothing; URI_KEISAN adds what stands in the cells.
    doc.SG1.setCell(col::Amount, 2, "999");
    doc.SG1.setCell(col::CostTotal, 2, "111");
    EXPECT_EQ(URI_KEISAN(doc), yen(999));
    EXPECT_EQ(doc.GENKA_KEI, yen(111));
    EXPECT_EQ(KEISAN_ALL(doc), yen(200));
    EXPECT_EQ(doc.GENKA_KEI, yen(80));
    EXPECT_EQ(doc.SG1.cell(col::Amount, 2), "");
    EXPECT_EQ(URI_KEISAN(doc), yen(200));
}

TEST_F(TotalsTest, LineRecalculationRecomputesOnlyTheChangedRow)
{
    lines({{"2", "100", "40", ""}, {"3", "100", "", ""}});
    doc.recalculateAll();
    // A row the line recalculation must not touch: its text stays and counts.
    doc.SG1.setCell(col::Amount, 2, "1000");
    doc.SG1.setCell(col::Quantity, 1, "5");
    doc.recalculateLine(1);
    EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "500");
    EXPECT_EQ(doc.SG1.cell(col::Amount, 2), "1000");
    EXPECT_EQ(doc.KINGAKU_KEI, yen(1500));
    EXPECT_EQ(doc.GENKA_KEI, yen(200));
    EXPECT_EQ(doc.ZEI_GAKU, yen(75));
    EXPECT_EQ(doc.TOTALKIN, "\\1,500-");
    EXPECT_EQ(doc.panels[6], "原価率 = 13.3%");
}

TEST_F(TotalsTest, AmountsBeyondThirtyTwoBits)
{
    doc.HASU_MODE = 2;
    lines({{"3", "1000000000", "", ""}, {"2", "1000000000", "", ""}});
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, yen(5000000000));
    EXPECT_EQ(doc.ZEI_GAKU, yen(250000000));
    EXPECT_EQ(doc.TOTALKIN, "\\5,000,000,000-");
    EXPECT_EQ(doc.panels[3], "税込合計 = 5,250,000,000");
}

TEST_F(TotalsTest, RecalculationNotifiesTheViews)
{
    std::vector<Change> seen;
    doc.addListener([&](Change c) { seen.push_back(c); });
    doc.recalculateAll();
    EXPECT_EQ(seen, (std::vector<Change>{Change::Cells, Change::Totals}));
}

TEST_F(TotalsTest, TaxOfExactMultiplesLosesNoYen)
{
    // In binary floating point 31,500 - 31,500 / 1.05 lands below 1,500 and
    // 10,500 / 1.05 above 10,000 (a gross profit of 10,001 once rounded away
    // from zero); every one of these must come out exact.
    for (std::int64_t k = 1; k <= 3000; ++k) {
        SCOPED_TRACE(k);
        doc = Estimate();
        doc.HASU_MODE = 1;
        lines({{"1", std::to_string(21 * k).c_str(), "", ""}});
        doc.UTIZEIClick(true);
        ASSERT_EQ(doc.ZEI_GAKU, yen(k));
        ASSERT_EQ(doc.panels[5], "粗利計 = " + formatMoney(yen(20 * k)));
        doc.UTIZEIClick(false);
        lines({{"1", std::to_string(20 * k).c_str(), "", ""}});
        doc.recalculateAll();
        ASSERT_EQ(doc.ZEI_GAKU, yen(k));
    }
}

TEST_F(TotalsTest, AZeroPriceThatIsNoExcludedTextDoesNotStopTheSheet)
{
    // "00" and "0.0" read as zero and reach the ratio's division; that line
    // gets no rate, and the lines after it are computed as usual.
    doc.UTIZEI = true;
    lines({{"1", "00", "50", ""}, {"1", "0.0", "50", ""}, {"2", "1050", "500", ""}});
    doc.recalculateAll();
    EXPECT_EQ(doc.SG1.cell(col::Rate, 1), "");
    EXPECT_EQ(doc.SG1.cell(col::Rate, 2), "");
    EXPECT_EQ(doc.SG1.cell(col::CostTotal, 1), "50");
    EXPECT_EQ(doc.SG1.cell(col::Amount, 3), "2100");
    EXPECT_EQ(doc.SG1.cell(col::Rate, 3), "50");
    EXPECT_EQ(doc.KINGAKU_KEI, yen(2100));
    EXPECT_EQ(doc.GENKA_KEI, yen(1100));
    EXPECT_EQ(doc.ZEI_GAKU, yen(100));
}
