#include "core/calc/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <random>
#include <string>

using namespace yorozu;

namespace {

// The reference for a decimal text is the correctly rounded extended value,
// which strtold in the C locale gives.
Extended reference(const std::string& text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtold_l(text.c_str(), nullptr, cLocale);
}

} // namespace

// Short plain decimals take a quicker way through the reader: every shape
// of them, up to and past the 19 characters that way accepts, must read as
// the correctly rounded value, and zero in any spelling as plus zero.
TEST(ShortNumber, PlainDecimalsReadAsTheCorrectlyRoundedValue)
{
    std::mt19937 engine(1210);
    for (int i = 0; i < 300000; ++i) {
        std::string text;
        const unsigned signKind = engine() % 4;
        if (signKind == 0)
            text += '-';
        else if (signKind == 1)
            text += '+';
        const int whole = static_cast<int>(engine() % 21);
        const int fraction = static_cast<int>(engine() % 21);
        // Digits biased towards 0 and 9 for leading zeros and long carries.
        auto digit = [&] {
            const unsigned kind = engine() % 4;
            return kind == 0 ? '0' : kind == 1 ? '9' : static_cast<char>('0' + engine() % 10);
        };
        for (int k = 0; k < whole; ++k)
            text += digit();
        const bool point = fraction > 0 || engine() % 3 == 0;
        if (point)
            text += '.';
        for (int k = 0; point && k < fraction; ++k)
            text += digit();
        if (whole + fraction == 0) {
            // No digit at all ("", "-", ".", "+."): no number, read as 0.
            EXPECT_EQ(readNumber(text), 0) << text;
            EXPECT_THROW(strictNumber(text), ConversionError) << text;
            continue;
        }
        const Extended value = readNumber(text);
        EXPECT_EQ(value, reference(text)) << text;
        if (value == 0) {
            EXPECT_FALSE(std::signbit(value)) << text;
        }
    }
}

// Texts of the plain shape with something else in them are not numbers.
TEST(ShortNumber, ForeignCharactersAreRefused)
{
    for (const char* text : {"1.2.3", "12a", "1-2", "--1", "+-1", "1,000", "1..", "..1", "1e", "0x1", "1 2"})
        EXPECT_THROW(strictNumber(text), ConversionError) << text;
    EXPECT_EQ(readNumber("1e3"), 1000);
    EXPECT_EQ(readNumber(" 12 "), 12);
}
