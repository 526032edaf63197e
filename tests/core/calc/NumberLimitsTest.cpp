// The sheet at the ends of what the numeric editor lets a user type
// (9 integer digits with 3 decimals for a quantity, 2 for a price) and past
// them, as a file may hold: every figure is defined, nothing wraps around,
// and no conversion is undefined (this file runs under UBSan too).
//
// The limits as they stand:
// - a line amount or cost total is exact up to the 64-bit range in every
//   fraction mode (the 32-bit rounding results of old are widened), and
//   pinned to the 64-bit ends beyond it;
// - the running sums hold yen x 10,000 in 128 bits: 10,000 of the largest
//   lines a user can type sum, tax and show exactly; a cell at or past the
//   64-bit range (a pinned line) puts every sum it enters out of range, and
//   each figure made from such a sum shows "桁あふれ" instead of a number.
#include "core/document/Estimate.h"
#include "core/calc/Format.h"
#include "core/calc/Numbers.h"
#include "core/calc/Totals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace yorozu;

namespace {

Money yen(long long whole)
{
    return static_cast<Money>(whole) * 10000;
}

// Wider than any literal: whole yen given as digits, with an optional sign.
Money yenDigits(const char* digits)
{
    const bool negative = *digits == '-';
    Money value = 0;
    for (const char* p = negative ? digits + 1 : digits; *p; ++p)
        value = value * 10 + (*p - '0');
    return (negative ? -value : value) * 10000;
}

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

    // Past the 64-bit fixed point of old, where the tax-inclusive total was pinned.
    for (int row = 1; row <= 10000; ++row)
        line(row, "999999999", "92", "92");
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, yen(919999999080000LL));
    EXPECT_EQ(doc.ZEI_GAKU, yen(45999999954000LL));
    EXPECT_EQ(doc.ZEIKOMI_KEI, yen(965999999034000LL));
}

TEST_F(NumberLimitsTest, TenThousandLargestLinesSumTaxAndShowExactly)
{
    // 10,000 x 999,999,999,989,000,000 yen, cost the same: 22 digits of yen.
    for (int row = 1; row <= 10000; ++row)
        line(row, "999999999.999", "999999999.99", "999999999.99");
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, yenDigits("9999999999890000000000"));
    EXPECT_EQ(doc.GENKA_KEI, yenDigits("9999999999890000000000"));
    EXPECT_EQ(doc.ZEI_GAKU, yenDigits("499999999994500000000"));
    EXPECT_EQ(doc.ZEIKOMI_KEI, yenDigits("10499999999884500000000"));
    EXPECT_EQ(doc.TOTALKIN, "\\9,999,999,999,890,000,000,000-");
    EXPECT_EQ(doc.panels[2], "消費税 = 499,999,999,994,500,000,000");
    EXPECT_EQ(doc.panels[3], "税込合計 = 10,499,999,999,884,500,000,000");
    EXPECT_EQ(doc.panels[4], "原価計 = 9,999,999,999,890,000,000,000");
    EXPECT_EQ(doc.panels[5], "粗利計 = 0");
    EXPECT_EQ(doc.panels[6], "原価率 = 100.0%");

    // The same keystroke by keystroke: the line recalculation moves the sums
    // by the changed line alone and lands on the same figures.
    line(5000, "1", "1");
    doc.recalculateLine(5000);
    line(5000, "999999999.999", "999999999.99", "999999999.99");
    doc.recalculateLine(5000);
    EXPECT_EQ(doc.KINGAKU_KEI, yenDigits("9999999999890000000000"));
    EXPECT_EQ(doc.ZEIKOMI_KEI, yenDigits("10499999999884500000000"));

    for (int row = 1; row <= 10000; ++row)
        line(row, "-999999999.999", "999999999.99", "999999999.99");
    doc.recalculateAll();
    EXPECT_EQ(doc.KINGAKU_KEI, yenDigits("-9999999999890000000000"));
    EXPECT_EQ(doc.TOTALKIN, "\\-9,999,999,999,890,000,000,000-");

    // Tax included: T = Int(Q / 21), exact on 22 digits.
    doc.UTIZEIClick(true);
    EXPECT_EQ(doc.ZEI_GAKU, yenDigits("-476190476185238095238"));
}

TEST_F(NumberLimitsTest, APinnedLineShowsNoFigure)
{
    line(1, "1", "1000");
    line(2, "1e10", "1e10", "1"); // a file's cells: the product is pinned at the 64-bit end
    doc.recalculateAll();
    EXPECT_EQ(doc.SG1.cell(col::Amount, 2), "9223372036854775807");
    EXPECT_FALSE(moneyHeld(doc.KINGAKU_KEI));
    EXPECT_EQ(doc.TOTALKIN, "桁あふれ");
    EXPECT_EQ(doc.panels[2], "消費税 = 桁あふれ");
    EXPECT_EQ(doc.panels[3], "税込合計 = 桁あふれ");
    EXPECT_EQ(doc.panels[5], "粗利計 = 桁あふれ");
    EXPECT_EQ(doc.panels[6], "原価率 = 桁あふれ");
    // The cost total is held, and shown.
    EXPECT_EQ(doc.panels[4], "原価計 = 10,000,000,000");

    // Typing the line down again brings every figure back.
    line(2, "2", "1e10", "1");
    doc.recalculateLine(2);
    EXPECT_EQ(doc.TOTALKIN, "\\20,000,001,000-");
    EXPECT_EQ(doc.panels[2], "消費税 = 1,000,000,050");
}

TEST_F(NumberLimitsTest, TheFixedPointSumAtItsEnds)
{
    const Money kCellLimit = static_cast<Money>(std::numeric_limits<std::int64_t>::max()) * 10000;
    EXPECT_EQ(addToFixed(0, 9223372036854775806.0L), kCellLimit - 10000);
    EXPECT_EQ(addToFixed(0, 9223372036854775807.0L), kMoneyOutOfRange);
    EXPECT_EQ(addToFixed(0, 1e300L), kMoneyOutOfRange);
    EXPECT_EQ(addToFixed(0, -std::numeric_limits<Extended>::infinity()), kMoneyOutOfRange);
    EXPECT_EQ(addToFixed(5, std::numeric_limits<Extended>::quiet_NaN()), 5);
    // Out of range for good: nothing brings a sum back once a figure was lost.
    EXPECT_EQ(addToFixed(kMoneyOutOfRange, -1e18L), kMoneyOutOfRange);
    EXPECT_EQ(addCellToFixed(kMoneyOutOfRange, "1"), kMoneyOutOfRange);
    EXPECT_EQ(formatMoney(kMoneyOutOfRange), "桁あふれ");
}
