// The sheet at the ends of what the numeric editor lets a user type
// (9 integer digits with 3 decimals for a quantity, 2 for a price) and past
// them, as a file may hold: every figure is defined, nothing wraps around,
// and no conversion is undefined (this file runs under UBSan too).
//
// The limits as they stand:
// - a line amount or cost total is exact up to the 64-bit range in every
//   fraction mode (the 32-bit rounding results of old are widened), and
//   pinned to the 64-bit ends beyond it;
// - the running sums hold yen x 10,000 in 64 bits, so they are exact up to
//   922,337,203,685,477 yen and pinned at that (or its negative) beyond;
//   one line of 999,999,999.999 x 999,999,999.99 already exceeds it.
#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"
#include "core/calc/Totals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace yorozu;

namespace {

constexpr auto kMaxFixed = std::numeric_limits<std::int64_t>::max();
constexpr auto kMinFixed = std::numeric_limits<std::int64_t>::min();

class NumberLimitsTest : public testing::Test {
protected:
    void line(int row, const std::string& quantity, const std::string& price, const std::string& cost = {})
    {
        if (doc.SG1.rowCount() <= row)
            doc.SG1.setRowCount(row + 1);
        doc.SG1.setCell(col::Quantity, row, quantity);
        doc.SG1.setCell(col::UnitPrice, row, price);
        doc.SG1.setCell(col::CostPrice, row, cost);
    }

    Estimate doc;
};

} // namespace

TEST_F(NumberLimitsTest, LargestTypedLineIsExactInEveryMode)
{
    // 999,999,999.999 x 999,999,999.99 = 999,999,999,989,000,000.00001
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        doc.HASU_MODE = mode;
        line(1, "999999999.999", "999999999.99", "999999999.99");
        line(2, "-999999999.999", "999999999.99", "999999999.99");
        doc.recalculateAll();
        EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "999999999989000000");
        EXPECT_EQ(doc.SG1.cell(col::CostTotal, 1), "999999999989000000");
        EXPECT_EQ(doc.SG1.cell(col::Amount, 2), "-999999999989000000");
        EXPECT_EQ(STR_COMMA(doc.SG1.cell(col::Amount, 1), 2), "999,999,999,989,000,000");
    }
}

TEST_F(NumberLimitsTest, AmountsBeyond32BitsInModes1And2)
{
    struct Row {
        const char* quantity;
        const char* price;
        int mode;
        const char* amount;
    };
    const Row rows[] = {
        {"3", "999999999.99", 0, "2999999999"},
        {"3", "999999999.99", 1, "3000000000"},
        {"3", "999999999.99", 2, "3000000000"},
        {"-3", "999999999.99", 1, "-3000000000"},
        {"-3", "999999999.99", 2, "-3000000000"},
        {"1", "2147483647.5", 2, "2147483648"},
        {"1", "-2147483648.5", 2, "-2147483649"},
        {"1", "2147483647.01", 1, "2147483648"},
        {"1", "4294967296.4", 2, "4294967296"},
        // Past the 64-bit range (only a file can hold such a cell): pinned.
        {"1e10", "1e10", 1, "9223372036854775807"},
        {"-1e10", "1e10", 2, "-9223372036854775808"},
        {"1e10", "1e10", 0, "9223372036854775807"},
        {"1e4000", "1e4000", 2, "9223372036854775807"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.quantity) + " x " + r.price + " mode " + std::to_string(r.mode));
        doc.HASU_MODE = r.mode;
        line(1, r.quantity, r.price);
        doc.recalculateAll();
        EXPECT_EQ(doc.SG1.cell(col::Amount, 1), r.amount);
    }
}

TEST_F(NumberLimitsTest, TenThousandLinesSumExactlyWhileTheSumFits)
{
    // 10,000 x 86,999,999,913 yen = 869,999,999,130,000 yen; with 5 % tax
    // 913,499,999,086,500 yen: both just inside the fixed point.
    for (int row = 1; row <= 10000; ++row)
        line(row, "999999999", "87", "87");
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, 869999999130000LL * 10000);
    EXPECT_EQ(doc.GENKA_KEI, 869999999130000LL * 10000);
    EXPECT_EQ(doc.ZEI_GAKU, 43499999956500LL * 10000);
    EXPECT_EQ(doc.ZEIKOMI_KEI, 913499999086500LL * 10000);
    EXPECT_EQ(doc.TOTALKIN, "\\869,999,999,130,000-");
    EXPECT_EQ(doc.panels[3], "税込合計 = 913,499,999,086,500");

    // A sum that fits whose tax-inclusive total does not: that total is pinned.
    for (int row = 1; row <= 10000; ++row)
        line(row, "999999999", "92", "92");
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, 919999999080000LL * 10000);
    EXPECT_EQ(doc.ZEI_GAKU, 45999999954000LL * 10000);
    EXPECT_EQ(doc.ZEIKOMI_KEI, kMaxFixed);
}

TEST_F(NumberLimitsTest, SumsPastTheFixedPointArePinnedNotWrapped)
{
    for (int row = 1; row <= 10000; ++row)
        line(row, "999999999.999", "999999999.99", "999999999.99");
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, kMaxFixed);
    EXPECT_EQ(doc.GENKA_KEI, kMaxFixed);
    EXPECT_EQ(doc.ZEIKOMI_KEI, kMaxFixed);
    EXPECT_EQ(doc.TOTALKIN, "\\922,337,203,685,478-");
    EXPECT_EQ(doc.panels[5], "粗利計 = 0");

    for (int row = 1; row <= 10000; ++row)
        line(row, "-999999999.999", "999999999.99", "999999999.99");
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, kMinFixed);
    EXPECT_EQ(doc.GENKA_KEI, kMinFixed);
    EXPECT_LT(doc.ZEI_GAKU, 0);
    EXPECT_EQ(doc.TOTALKIN, "\\-922,337,203,685,478-");

    // Tax included: the pinned sum still divides without overflow, toward zero.
    doc.UTIZEIClick(true);
    EXPECT_EQ(doc.KINGAKU_KEI, kMinFixed);
    EXPECT_EQ(doc.ZEI_GAKU, -43920819223117LL * 10000);
}

TEST_F(NumberLimitsTest, TheFixedPointSumAtItsEnds)
{
    EXPECT_EQ(addToFixed(kMaxFixed, 1), kMaxFixed);
    EXPECT_EQ(addToFixed(kMinFixed, -1), kMinFixed);
    EXPECT_EQ(addToFixed(0, 922337203685477.5807L), kMaxFixed);
    EXPECT_EQ(addToFixed(0, 1e300L), kMaxFixed);
    EXPECT_EQ(addToFixed(0, -std::numeric_limits<Extended>::infinity()), kMinFixed);
    EXPECT_EQ(addToFixed(5, std::numeric_limits<Extended>::quiet_NaN()), 5);
    EXPECT_EQ(fixedToExtended(kMaxFixed), 922337203685477.5807L);
}
