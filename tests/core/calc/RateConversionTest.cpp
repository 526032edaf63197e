#include "core/document/Estimate.h"
#include "core/calc/RateConversion.h"

#include <gtest/gtest.h>

using namespace yorozu;

namespace {

class RateConversion : public ::testing::Test {
protected:
    RateConversion()
    {
        doc.addListener([this](Change c) {
            if (c == Change::Totals)
                ++recalculations;
        });
    }

    void line(int r, const std::string& price, const std::string& cost)
    {
        doc.SG1.setCell(col::Quantity, r, "1");
        doc.SG1.setCell(col::UnitPrice, r, price);
        doc.SG1.setCell(col::CostPrice, r, cost);
    }

    Estimate doc;
    int recalculations = 0;
};

TEST_F(RateConversion, ProductAndRoundingDigit)
{
    struct Case {
        const char* source;
        const char* multiplier;
        const char* marume;
        const char* cost; // column 13 when it is not the source
        int sourceColumn;
        const char* expected;
    };
    const Case cases[] = {
        {"1234", "1.25", "", nullptr, 13, "1542.5"},
        {"1234", "1.25", "0", nullptr, 13, "1542"},
        {"1234", "1.25", "1", nullptr, 13, "1540"},
        {"1234", "1.25", "2", nullptr, 13, "1500"},
        {"1234", "1.25", "3", nullptr, 13, "1542"}, // 1000 would undercut the cost
        {"1234", "1.25", "4", nullptr, 13, "1542"}, // first digit kept: 1000 again
        {"999", "1.05", "", nullptr, 13, "1048.95"},
        {"999", "1.0501", "", nullptr, 13, "1049.04"}, // 1049.0499 is cut, not rounded
        {"-1234", "1.25", "2", nullptr, 13, "-1542"},
        {"1000", "0.9", "", "", 12, "900"},
        {"345", "1", "5", "", 12, "300"},
        {"345", "1", "5", "345", 12, "345"},
        {"1.0001", "0.5", "", "", 12, "0.5"},   // 0.50005 to four decimals, tie to even
        {"1.0003", "0.5", "", "", 12, "0.50"},  // 0.50015 gives 0.5002, cut after two decimals
        {"1234", "1.25", "2", "1234.5", 12, "1500"}, // a fractional cost reads as 0 in the test
        {"0.3", "1", "0", "", 12, "0"},
        {"3000000000", "1", "", nullptr, 13, "3000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.source << " x " << c.multiplier << " MARUME '" << c.marume << "'");
        Estimate e;
        e.KAKERITU = c.multiplier;
        e.MARUME = c.marume;
        e.SG1.setCell(col::Quantity, 1, "1");
        e.SG1.setCell(c.sourceColumn, 1, c.source);
        if (c.cost)
            e.SG1.setCell(col::CostPrice, 1, c.cost);
        const auto result = KAKERITU_ALL(e, c.sourceColumn);
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(e.SG1.cell(col::UnitPrice, 1), c.expected);
    }
}

TEST_F(RateConversion, LinesWithoutSourceKeepTheirPrice)
{
    doc.KAKERITU = "2";
    line(1, "500", "");
    line(2, "700", " ");
    line(3, "900", "100");
    const auto result = KAKERITU_ALL(doc, col::CostPrice);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 1), "500");
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 2), "700");
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 3), "200");
    EXPECT_EQ(recalculations, 1);
}

TEST_F(RateConversion, BadRowEndsTheConversionThere)
{
    doc.KAKERITU = "1.5";
    line(1, "", "1000");
    line(2, "", "12a");
    line(3, "", "2000");
    const auto result = KAKERITU_ALL(doc, col::CostPrice);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.stoppedAtRow, 2);
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 1), "1500") << "rows before the bad one stay converted";
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 2), "");
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 3), "");
    EXPECT_EQ(recalculations, 0);
}

TEST_F(RateConversion, BadMultiplierOrDigitConvertsNothing)
{
    struct Case {
        const char* multiplier;
        const char* marume;
        const char* cost;
    };
    const Case cases[] = {{"abc", "", "1000"}, {"1.2.5", "", "1000"}, {"1", "x", "1000"}, {"1", "1", "3000000000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.multiplier << " / " << c.marume << " / " << c.cost);
        Estimate e;
        e.KAKERITU = c.multiplier;
        e.MARUME = c.marume;
        e.SG1.setCell(col::CostPrice, 4, c.cost);
        e.SG1.setCell(col::UnitPrice, 4, "77");
        const auto result = KAKERITU_ALL(e, col::CostPrice);
        EXPECT_FALSE(result.completed);
        EXPECT_EQ(result.stoppedAtRow, 4);
        EXPECT_EQ(e.SG1.cell(col::UnitPrice, 4), "77");
    }
}

TEST_F(RateConversion, MenuCommandsAskFirst)
{
    EXPECT_EQ(rateConversionRefusal(doc), std::optional<std::string>("掛率が設定されていません。\r\n"));
    doc.KAKERITU = "1.25";
    doc.MARUME = "2";
    EXPECT_EQ(rateConversionRefusal(doc), std::nullopt);
    line(1, "1000", "1234");

    std::string asked;
    const auto no = rateConversionCommand(doc, col::CostPrice, [&](const std::string& q) {
        asked = q;
        return false;
    });
    EXPECT_EQ(asked, "掛率=1.25 丸め桁=2 で一括変換します。\r\n");
    EXPECT_FALSE(no.has_value());
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 1), "1000");

    const auto yes = rateConversionCommand(doc, col::UnitPrice, [](const std::string&) { return true; });
    ASSERT_TRUE(yes.has_value());
    EXPECT_TRUE(yes->completed);
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 1), "1250") << "the unit price multiplied in place";
}

TEST_F(RateConversion, ConvertedLinesAreRecalculated)
{
    doc.KAKERITU = "1.25";
    doc.SG1.setCell(col::Quantity, 1, "2");
    doc.SG1.setCell(col::CostPrice, 1, "1234");
    ASSERT_TRUE(KAKERITU_ALL(doc, col::CostPrice).completed);
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 1), "1542.5");
    EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "3085");
    EXPECT_EQ(doc.KINGAKU_KEI, 3085 * 10000LL);
}

TEST(PartsRate, CostRatioOfAPartsLine)
{
    struct Case {
        const char* price;
        const char* cost;
        const char* expected;
    };
    const Case cases[] = {
        {"1200", "1000", "83.3"}, {"1200", "0", ""},  {"12a", "1000", ""}, {"1200", "", ""},
        {"400", "5000", ""},      {"1.2.3", "1", ""}, {"2", "1", "50.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.price << " / " << c.cost);
        StringGrid sg2;
        sg2.setRowCount(3);
        sg2.setCell(col::Rate, 1, "stale");
        sg2.setCell(col::UnitPrice, 1, c.price);
        sg2.setCell(col::CostPrice, 1, c.cost);
        SG2_GENKARITU(sg2, 1);
        EXPECT_EQ(sg2.cell(col::Rate, 1), c.expected);
    }
}

} // namespace
