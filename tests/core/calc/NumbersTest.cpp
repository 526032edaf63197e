#include "core/calc/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace yorozu;

namespace {

struct ReadCase {
    const char* text;
    Extended value;
};

} // namespace

TEST(ReadNumber, LenientReadingNeverFails)
{
    const ReadCase cases[] = {
        {"", 0},        {"12", 12},      {"-12.5", -12.5L}, {"0.", 0},       {".5", 0.5L},
        {" 7 ", 7},     {"+3", 3},       {"1e3", 1000},     {"2.5E-1", 0.25L}, {"-", 0},
        {".", 0},       {"12a", 0},      {"1.2.3", 0},      {"1,234", 0},    {"inf", 0},
        {"nan", 0},     {"0x10", 0},     {"1e", 0},         {"１２", 0},     {"1e99999", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text), c.value);
    }
}

TEST(ReadNumber, ConvertsDecimalTextToTheNearestExtendedValue)
{
    // Through double these come out one double-ulp away, which is what makes
    // 1.1 x 100 round up to 111 in mode 1.
    EXPECT_EQ(readNumber("1.1"), 1.1L);
    EXPECT_EQ(readNumber("0.07"), 0.07L);
    EXPECT_EQ(readNumber("0.53"), 0.53L);
    EXPECT_NE(readNumber("1.1"), static_cast<Extended>(1.1));
    // Past the fast path (more than 19 digits, large scales) the same holds.
    EXPECT_EQ(readNumber("1.10000000000000000000000"), 1.1L);
    EXPECT_EQ(readNumber("123456789012345678901234"), 123456789012345678901234.0L);
    EXPECT_EQ(readNumber("0.0000000000000000000000000000001"), 1e-31L);
    EXPECT_EQ(readNumber("1e300"), 1e300L);
}

TEST(StrictNumber, ThrowsOnTextThatIsNoNumber)
{
    for (const char* bad : {"", "-", ".", "12a", "12-5", "1,234", "abc", "inf", "1e"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(strictNumber(bad), ConversionError);
    }
    EXPECT_EQ(strictNumber("-0.25"), -0.25L);
}

TEST(FixedPoint, AddsValueTimesTenThousandTiesToEven)
{
    struct Case {
        Money sum;
        Extended value;
        Money expected;
    } cases[] = {
        {0, 5940, 59400000},
        {10000, 0.5L, 15000},
        {0, 0.00005L, 0},      // 0.5 of the last place: ties to even gives 0
        {0, 0.00015L, 2},      // 1.5 -> 2
        {0, -0.00025L, -2},    // -2.5 -> -2
        {0, 12345.6789L, 123456789},
        {-59400000, 5940, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.value));
        EXPECT_EQ(addToFixed(c.sum, c.value), c.expected);
    }
    EXPECT_EQ(fixedToExtended(123456789), 12345.6789L);
}

TEST(FixedPoint, CellTextsAreReadDigitByDigit)
{
    // Plain decimals need no binary value: 23 digits stay exact, the fifth
    // decimal rounds ties to even as the sum does.
    struct Case {
        const char* text;
        const char* expected; // fixedDecimalText
    } cases[] = {
        {"5940", "5940.0000"},
        {"-12.5", "-12.5000"},
        {".25", "0.2500"},
        {"12345678901234567.8912", "12345678901234567.8912"},
        {"0.00005", "0.0000"},  // tie: to even
        {"0.00015", "0.0002"},
        {"0.000051", "0.0001"}, // beyond the tie
        {"-0.00025", "-0.0002"},
        {"1.5E3", "1500.0000"}, // the general form's exponent: through the extended reading
        {"abc", "0.0000"},      // lenient: bad text counts as 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fixedDecimalText(cellToFixed(c.text)), c.expected);
    }
    EXPECT_EQ(cellToFixed("9223372036854775807"), kMoneyOutOfRange);
    EXPECT_EQ(wholeYenDigits(cellToFixed("-0.5")), "0");
    EXPECT_EQ(wholeYenDigits(cellToFixed("-1234567890123456789.9")), "-1234567890123456789");
}

TEST(FixedPoint, OutOfRangeInsteadOfOverflowing)
{
    EXPECT_EQ(addToFixed(0, -1e30L), kMoneyOutOfRange);
    EXPECT_EQ(addToFixed(42, std::numeric_limits<Extended>::quiet_NaN()), 42);
    EXPECT_FALSE(moneyHeld(addToFixed(kMoneyOutOfRange, -5)));
}

TEST(Rounding, RoundoffCeilNew2AndInt)
{
    struct Case {
        Extended x;
        std::int64_t roundoff, ceil;
        Extended truncated;
    } cases[] = {
        {2.5L, 3, 3, 2},     {-2.5L, -3, -3, -2}, {2.4999L, 2, 3, 2}, {2.49L, 2, 3, 2},
        {2.01L, 2, 3, 2},    {-2.01L, -2, -3, -2}, {7, 7, 7, 7},      {0, 0, 0, 0},
        {-0.4L, 0, -1, 0},   {3000000000.5L, 3000000001, 3000000001, 3000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.x));
        EXPECT_EQ(Roundoff(c.x), c.roundoff);
        EXPECT_EQ(Ceil_New2(c.x), c.ceil);
        EXPECT_EQ(Int(c.x), c.truncated);
    }
}

TEST(Rounding, RoundToEven)
{
    struct Case {
        Extended x;
        std::int64_t expected;
    } cases[] = {
        {0.5L, 0},   {1.5L, 2},   {2.5L, 2},   {-2.5L, -2},  {-3.5L, -4}, {2.5000000001L, 3},
        {-0.4L, 0},  {0, 0},      {7, 7},      {-7, -7},
        // Either side of the fast path's bound.
        {4611686018427387903.0L, 4611686018427387903}, {4611686018427387904.0L, 4611686018427387904},
        {-4611686018427387905.0L, -4611686018427387905}, {1e30L, std::numeric_limits<std::int64_t>::max()},
        {-1e30L, std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.x));
        EXPECT_EQ(roundToEven(c.x), c.expected);
    }
    EXPECT_EQ(roundToEven(std::numeric_limits<Extended>::quiet_NaN()), 0);
}

TEST(Rounding, HugeAndNaNValuesAreDefined)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(Roundoff(1e30L), kMax);
    EXPECT_EQ(Ceil_New2(-1e30L), kMin);
    EXPECT_EQ(Roundoff(std::numeric_limits<Extended>::quiet_NaN()), 0);
    EXPECT_EQ(Ceil_New2(std::numeric_limits<Extended>::infinity()), kMax);
}

TEST(HasuSyori, AmountTextByFractionMode)
{
    struct Case {
        const char* name;
        Extended x;
        int mode;
        const char* text;
    } cases[] = {
        {"mode 0 zero is empty", 0, 0, ""},
        {"mode 0 below one is empty", 0.99L, 0, ""},
        {"mode 0 0.53 x 100", readNumber("0.53") * readNumber("100"), 0, "53"},
        {"mode 0 2.99", 2.99L, 0, "2"},
        {"mode 0 -2.99", -2.99L, 0, "-2"},
        {"mode 0 four decimals tie to a whole yen", 2.99995L, 0, "3"},
        {"mode 0 just below the four-decimal tie", 2.99994L, 0, "2"},
        {"mode 0 integer", 5940, 0, "5940"},
        {"mode 0 beyond 32 bits", 3 * readNumber("1980000000"), 0, "5940000000"},
        {"mode 1 zero", 0, 1, "0"},
        {"mode 1 2.01", 2.01L, 1, "3"},
        {"mode 1 -2.01", -2.01L, 1, "-3"},
        {"mode 1 exact integer", 7, 1, "7"},
        {"mode 1 1.1 x 100", readNumber("1.1") * readNumber("100"), 1, "110"},
        {"mode 1 0.07 x 100", readNumber("0.07") * readNumber("100"), 1, "7"},
        {"mode 1 beyond 32 bits", 2147483647.5L, 1, "2147483648"},
        {"mode 2 zero", 0, 2, "0"},
        {"mode 2 2.5", 2.5L, 2, "3"},
        {"mode 2 -2.5", -2.5L, 2, "-3"},
        {"mode 2 2.49", 2.49L, 2, "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HASU_SYORI(c.x, c.mode), c.text);
    }
}

TEST(HasuSyori, DoublePrecisionWouldGetModeOneWrong)
{
    // Guards the reason for extended precision: in double both round up.
    EXPECT_EQ(std::ceil(1.1 * 100), 111);
    EXPECT_EQ(std::ceil(0.07 * 100), 8);
}

TEST(HasuSyori, NonFiniteProductsAreDefined)
{
    EXPECT_EQ(HASU_SYORI(std::numeric_limits<Extended>::quiet_NaN(), 0), "");
    EXPECT_EQ(HASU_SYORI(std::numeric_limits<Extended>::infinity(), 0), "9223372036854775807");
    EXPECT_EQ(HASU_SYORI(-1e30L, 0), "-9223372036854775807");
    EXPECT_EQ(HASU_SYORI(1e30L, 2), "9223372036854775807");
}

TEST(StrComma, DisplayTextFollowsTheEditorsDecimalLength)
{
    struct Case {
        const char* text;
        int decimals;
        const char* shown;
    } cases[] = {
        {"", 2, ""},           {"7", 2, "7"},           {"-", 2, "-"},
        {".", 3, "."},         {"1234.567", 2, "1,234.57"}, {"1234.567", 3, "1,234.567"},
        {"1234.5", 2, "1,234.5"}, {"2.00", 2, "2"},     {"-1500", 2, "-1,500"},
        {"0.125", 2, "0.13"},  {"1.005", 2, "1.01"},    {"1234567", 3, "1,234,567"},
        {"-0.001", 2, "0"},    {"12.3456", 3, "12.346"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " /" + std::to_string(c.decimals));
        EXPECT_EQ(STR_COMMA(c.text, c.decimals), c.shown);
    }
}

TEST(StrComma, ThrowsOnTextThatIsNoNumber)
{
    for (const char* bad : {"ab", "12a", "1,234", "--"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(STR_COMMA(bad, 2), ConversionError);
    }
    // One character is shown as it stands, even a letter or a full-width digit.
    EXPECT_EQ(STR_COMMA("a", 2), "a");
    EXPECT_EQ(STR_COMMA("１", 2), "１");
}

TEST(ZenHan, ChangesOnlyFullWidthDigits)
{
    EXPECT_EQ(ZEN_HAN("０１２３４５６７８９"), "0123456789");
    EXPECT_EQ(ZEN_HAN("ＡＢ１．５ページ"), "ＡＢ1．5ページ");
    EXPECT_EQ(ZEN_HAN("12 abc"), "12 abc");
    EXPECT_EQ(ZEN_HAN(""), "");
}

TEST(Mojitokazu, NumericTextCheck)
{
    struct Case {
        const char* text;
        bool numeric;
    } cases[] = {
        {"-12.5", true}, {"12", true},  {"1.2.3", true}, {"-", true},  {".", true},
        {"", false},     {"12-5", false}, {"12a", false}, {" 1", false}, {"--1", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(MOJITOKAZU(c.text), c.numeric);
    }
}

TEST(Warizan, PercentageWithOneTruncatedDecimal)
{
    struct Case {
        const char* a;
        const char* b;
        const char* text;
    } cases[] = {
        {"2", "3", "66.6"},  {"1", "2", "50.0"}, {"1", "20", "5"},    {"3", "2", "150"},
        {"1", "0", ""},      {"20", "1", ""},    {"0", "5", ""},      {"-1", "2", ""},
        {"8", "10000", ""},  {"9", "1000", "0.9"}, {"9990", "1000", "999"}, {"1", "3", "33.3"},
        {"10001", "1000", ""}, {"12", "1000", "1.2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + "/" + c.b);
        EXPECT_EQ(WARIZAN(c.a, c.b), c.text);
    }
}

TEST(Warizan, FailsOnBadTextAndOnAZeroThatIsNotTheTextZero)
{
    EXPECT_THROW(WARIZAN("abc", "3"), ConversionError);
    EXPECT_THROW(WARIZAN("1", "x"), ConversionError);
    EXPECT_THROW(WARIZAN("1", "0.0"), ConversionError);
}

TEST(HasuMode, Names)
{
    EXPECT_EQ(hasuModeName(0), "切捨て");
    EXPECT_EQ(hasuModeName(1), "切り上げ");
    EXPECT_EQ(hasuModeName(2), "四捨五入");
}
