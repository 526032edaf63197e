#include "core/calc/Format.h"

#include "core/calc/DecimalDigits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

using namespace yorozu;

namespace {

struct Case {
    const char* name;
    Extended x;
    const char* text;
};

} // namespace

TEST(FormatGeneral, FifteenSignificantDigits)
{
    const Case cases[] = {
        {"zero", 0, "0"},
        {"integer", 5940, "5940"},
        {"negative", -12.5L, "-12.5"},
        {"fraction keeps a leading zero", 0.5L, "0.5"},
        {"0.53 x 100 lies just below 53", readNumber("0.53") * 100, "53"},
        {"two thirds", 2.0L / 3.0L * 100, "66.6666666666667"},
        {"one third", 1.0L / 3.0L, "0.333333333333333"},
        {"fifteen integer digits stay fixed", 123456789012345.0L, "123456789012345"},
        {"sixteen integer digits go scientific", 1234567890123456.0L, "1.23456789012346E15"},
        {"1e20", 1e20L, "1E20"},
        {"smallest fixed", 0.00001L, "0.00001"},
        {"below 0.00001 goes scientific", 0.0000015L, "1.5E-6"},
        {"rounding carries into a new digit", 9.9999999999999999L, "10"},
        {"1.1 in extended", readNumber("1.1"), "1.1"},
        {"tiny", 1e-30L, "1E-30"},
        {"huge", 1e300L, "1E300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatGeneral(c.x), c.text);
    }
    EXPECT_EQ(formatGeneral(std::numeric_limits<Extended>::quiet_NaN()), "NAN");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<Extended>::infinity()), "-INF");
}

TEST(DecimalDigits, AgreeWithTheCLibraryToEighteenDigits)
{
    // Random significands over the whole range the sheet can meet, from
    // below 1e-18 (the library fallback) to beyond 1e38: the exact 128-bit
    // generator must give the correctly rounded digits, as glibc does.
    std::mt19937_64 rng(12345);
    std::uniform_int_distribution<int> ex(-80, 140);
    for (int i = 0; i < 50000; ++i) {
        const auto m = rng() | (std::uint64_t{1} << 63);
        const Extended x = std::ldexp(static_cast<Extended>(m), ex(rng) - 64);
        char ref[64];
        std::snprintf(ref, sizeof ref, "%.17Le", x);
        const DecimalDigits d = toDecimalDigits(x);
        std::string digits(d.digits, static_cast<size_t>(d.count));
        digits.resize(18, '0');
        std::string expected;
        for (const char* p = ref; *p && *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9')
                expected += *p;
        ASSERT_EQ(digits, expected) << ref;
        ASSERT_EQ(d.pointPos - 1, std::atoi(std::strchr(ref, 'e') + 1)) << ref;
    }
}

TEST(FormatGeneral, ReadsBackAsItself)
{
    std::mt19937_64 rng(777);
    std::uniform_real_distribution<double> mant(1.0, 10.0);
    std::uniform_int_distribution<int> ex(-12, 25);
    for (int i = 0; i < 20000; ++i) {
        const Extended x = static_cast<Extended>(mant(rng)) * std::pow(10.0L, ex(rng)) / 3;
        const std::string s = formatGeneral(x);
        ASSERT_EQ(formatGeneral(strictNumber(s)), s) << s;
    }
}

TEST(FormatPicture, PicturesOfTheSheet)
{
    struct PicCase {
        Extended x;
        const char* picture;
        const char* text;
    } cases[] = {
        {1234567, "###,##0.##", "1,234,567"},
        {1234.567L, "###,##0.##", "1,234.57"},
        {1234.567L, "###,##0.###", "1,234.567"},
        {1234.5L, "###,##0.##", "1,234.5"},
        {2, "###,##0.##", "2"},
        {-1500, "###,##0.##", "-1,500"},
        {0, "###,##0.##", "0"},
        {0.125L, "###,##0.##", "0.13"},
        {-0.125L, "###,##0.##", "-0.13"},
        {1.005L, "###,##0.##", "1.01"},
        {999.999L, "###,##0.##", "1,000"},
        {12.345L, "###,##0.###", "12.345"},
        {1234567, "###.#", "1234567"},
        {12.345L, "###.#", "12.3"},
        {0.5L, "###.#", ".5"},
        {12.0L, "###.#", "12"},
        {0, "###.#", ""},
        {0.04L, "###.#", ""},
        {0.05L, "###.#", ".1"},
        {-100.5L, "###.#", "-100.5"},
        {1250.25L, "###.#", "1250.3"},
        {-1250.25L, "###.#", "-1250.3"},
        {60.55L, "###.#", "60.6"},
        {-0.04L, "###.#", ""},
        {1234567, "##0.0", "1234567.0"},
        {12.345L, "##0.0", "12.3"},
        {0, "##0.0", "0.0"},
        {0.05L, "##0.0", "0.1"},
        {2.5L, "#", "3"},
        {-2.5L, "#", "-3"},
        {0.4L, "#", ""},
        {1234567, "###,###", "1,234,567"},
        {7, "00000", "00007"},
        {30, "##0.0%", "30.0%"},
        {1e20L, "###,##0", "100,000,000,000,000,000,000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.picture) + " " + std::to_string(static_cast<double>(c.x)));
        EXPECT_EQ(formatPicture(c.x, c.picture), c.text);
    }
}

TEST(FormatThousands, MoneyForms)
{
    const Case cases[] = {
        {"grouped", 1234567, "1,234,567"},
        {"rounded to no decimals", 12.345L, "12"},
        {"half rounds away from zero", 2.5L, "3"},
        {"negative half", -2.5L, "-3"},
        {"0.5", 0.5L, "1"},
        {"617.25", 617.25L, "617"},
        {"zero", 0, "0"},
        {"negative rounding to zero has no sign", -0.4L, "0"},
        {"negative", -1234, "-1,234"},
        {"thousand", 1000, "1,000"},
        {"hundred", 999, "999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatThousands(c.x, 0), c.text);
    }
    EXPECT_EQ(formatThousands(1234.5L, 2), "1,234.50");
    EXPECT_EQ(formatThousands(1234, 0, 10), "     1,234");
    EXPECT_EQ(formatMoney(123456789), "12,346");
    EXPECT_EQ(formatMoney(-59400000), "-5,940");
}
