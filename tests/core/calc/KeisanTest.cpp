#include "core/document/Estimate.h"
#include "core/calc/Keisan.h"

#include <gtest/gtest.h>

using namespace yorozu;

namespace {

class KeisanTest : public ::testing::Test {
protected:
    Estimate doc;

    void line(int row, const char* quantity, const char* price, const char* cost, const char* mark = "")
    {
        doc.SG1.setCell(col::Quantity, row, quantity);
        doc.SG1.setCell(col::UnitPrice, row, price);
        doc.SG1.setCell(col::CostPrice, row, cost);
        doc.SG1.setCell(col::TaxExempt, row, mark);
    }
    std::string at(int column, int row = 1) const { return doc.SG1.cell(column, row); }
};

} // namespace

TEST_F(KeisanTest, AmountCostTotalAndRateOfALine)
{
    struct Case {
        const char* name;
        const char* quantity;
        const char* price;
        const char* cost;
        int mode;
        const char* amount;
        const char* costTotal;
        const char* rate;
    } cases[] = {
        {"plain line", "3", "1980", "1200", 0, "5940", "3600", "60.6"},
        {"quantity 0 in mode 0", "0", "1980", "1200", 0, "", "", "60.6"},
        {"quantity 0 in mode 1", "0", "1980", "1200", 1, "0", "0", "60.6"},
        {"quantity 0 in mode 2", "0", "1980", "1200", 2, "0", "0", "60.6"},
        {"0.53 x 100 in mode 0", "0.53", "100", "", 0, "53", "", ""},
        {"1.1 x 100 in mode 1", "1.1", "100", "", 1, "110", "", ""},
        {"0.07 x 100 in mode 1", "0.07", "100", "", 1, "7", "", ""},
        {"quantity emptied", "", "1980", "1200", 0, "", "", "60.6"},
        {"price 0. excludes the rate", "2", "0.", "100", 0, "", "200", ""},
        {"price - excludes the rate", "2", "-", "100", 2, "0", "200", ""},
        {"cost . excludes the rate", "2", "100", ".", 0, "200", "", ""},
        {"cost 0 excludes the rate", "2", "100", "0", 0, "200", "", ""},
        {"cost 5000 on 400 is kept", "1", "400", "5000", 0, "400", "5000", "1250"},
        {"cost 5001 on 400 is too long", "1", "400", "5001", 0, "400", "5001", ""},
        {"price 00 reads as zero", "1", "00", "5", 0, "", "5", ""},
        {"price 0.0 reads as zero", "1", "0.0", "5", 0, "", "5", ""},
        {"price . reads as zero", "1", ".", "5", 0, "", "5", ""},
        {"cost 0.0 gives the empty zero ratio", "1", "100", "0.0", 0, "100", "", ""},
        {"bad text counts as 0", "abc", "100", "50", 1, "0", "0", "50"},
        {"negative line", "-2", "1500", "1000", 0, "-3000", "-2000", "66.7"},
        {"beyond 32 bits in mode 2", "3", "1000000000", "", 2, "3000000000", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.HASU_MODE = c.mode;
        line(1, c.quantity, c.price, c.cost);
        KEISAN(doc, 1);
        EXPECT_EQ(at(col::Amount), c.amount);
        EXPECT_EQ(at(col::CostTotal), c.costTotal);
        EXPECT_EQ(at(col::Rate), c.rate);
    }
}

TEST_F(KeisanTest, RateFigureByTaxTreatmentAndRatioKind)
{
    struct Case {
        const char* name;
        bool UTIZEI, HIKAZEI, RIEKI_RITU;
        const char* mark;
        const char* rate;
    } cases[] = {
        {"cost ratio", false, false, false, "", "60.6"},
        {"profit ratio", false, false, true, "", "39.4"},
        {"tax inclusive cost ratio on the net price 1886", true, false, false, "", "63.6"},
        {"tax inclusive profit ratio", true, false, true, "", "36.4"},
        {"exempt line uses the plain formula", true, false, false, "1", "60.6"},
        {"exempt line profit ratio", true, false, true, "1", "39.4"},
        {"other mark text is not exempt", true, false, false, "x", "63.6"},
        {"tax exempt estimate uses the plain formula", true, true, false, "", "60.6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rateFigure("1980", "1200", std::string_view(c.mark) == "1", {c.UTIZEI, c.HIKAZEI, c.RIEKI_RITU}),
                  c.rate);
        doc.UTIZEI = c.UTIZEI;
        doc.HIKAZEI = c.HIKAZEI;
        doc.RIEKI_RITU = c.RIEKI_RITU;
        line(1, "3", "1980", "1200", c.mark);
        KEISAN(doc, 1);
        EXPECT_EQ(at(col::Rate), c.rate);
    }
}

TEST_F(KeisanTest, RateFigureEdges)
{
    const RateOptions plain;
    const RateOptions profit{false, false, true};
    const RateOptions inclusive{true, false, false};
    EXPECT_EQ(rateFigure("400", "5000", false, plain), "1250");
    EXPECT_EQ(rateFigure("400", "5001", false, plain), "");       // 1250.3
    EXPECT_EQ(rateFigure("100", "200.5", false, profit), "");     // -100.5
    EXPECT_EQ(rateFigure("100", "150", false, profit), "-50");
    EXPECT_EQ(rateFigure("1000", "0.5", false, plain), ".1");     // 0.05 per cent
    EXPECT_EQ(rateFigure("0.0", "5", false, inclusive), "");      // net price 0
    EXPECT_EQ(rateFigure("0.01", "5", false, inclusive), "500"); // net price rounds up to 1 yen
    EXPECT_EQ(rateFigure("", "5", false, plain), "");
    EXPECT_EQ(rateFigure("5", "", false, plain), "");
}

TEST_F(KeisanTest, KeisanTouchesOnlyItsRow)
{
    line(1, "2", "100", "50");
    line(2, "3", "100", "50");
    doc.SG1.setCell(col::Amount, 2, "stale");
    doc.SG1.setCell(col::Memo, 1, "memo");
    KEISAN(doc, 1);
    EXPECT_EQ(at(col::Amount, 2), "stale");
    EXPECT_EQ(at(col::Memo, 1), "memo");
    // Rows outside the sheet are ignored.
    KEISAN(doc, 0);
    KEISAN(doc, doc.SG1.rowCount());
    EXPECT_EQ(at(col::Amount, 0), "見積金額");
}

TEST_F(KeisanTest, N54ClickTogglesTheExemptMark)
{
    line(1, "1", "10000", "");
    line(2, "1", "20000", "");
    doc.recalculateAll();
    ASSERT_EQ(doc.ZEI_GAKU, 1500 * 10000);

    N54Click(doc, 1);
    EXPECT_EQ(at(col::TaxExempt), "1");
    EXPECT_EQ(doc.ZEI_GAKU, 1000 * 10000);
    N54Click(doc, 1);
    EXPECT_EQ(at(col::TaxExempt), "");
    EXPECT_EQ(doc.ZEI_GAKU, 1500 * 10000);

    // A line without an amount is not marked.
    line(3, "", "500", "");
    doc.recalculateAll();
    N54Click(doc, 3);
    EXPECT_EQ(at(col::TaxExempt, 3), "");
    // Any mark text is cleared.
    doc.SG1.setCell(col::TaxExempt, 3, "x");
    N54Click(doc, 3);
    EXPECT_EQ(at(col::TaxExempt, 3), "");
}
