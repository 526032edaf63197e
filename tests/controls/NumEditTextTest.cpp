#include "controls/numedit/NumEditText.h"

#include <gtest/gtest.h>

using namespace yorozu;

namespace {

NumLimits limits(int integerLength, int decimalLength, bool minus = true)
{
    NumLimits l;
    l.integerLength = integerLength;
    l.decimalLength = decimalLength;
    l.minus = minus;
    return l;
}

struct FilterCase {
    const char* name;
    const char* text;
    NumLimits limits;
    const char* value;
};

const FilterCase kFilterCases[] = {
    {"plain", "1234", limits(9, 3), "1234"},
    {"full-width digits and point", "１２．５", limits(9, 3), "12.5"},
    {"full-width minus and comma", "－１，２３４", limits(9, 3), "-1234"},
    {"mathematical minus sign", "\u22125", limits(9, 3), "-5"},
    {"letter ends the text", "12a3", limits(9, 3), "12"},
    {"kanji ends the text", "１２円３", limits(9, 3), "12"},
    {"half-width katakana ends the text", "ｱ12", limits(9, 3), ""},
    {"space ends the text", "12 34", limits(9, 3), "12"},
    {"commas are skipped", "1,234", limits(9, 3), "1234"},
    {"trailing comma", "1,", limits(9, 3), "1"},
    {"surplus decimals cut", "1.23456", limits(9, 3), "1.234"},
    {"digits after surplus decimals do not come back", "1.2345", limits(9, 2), "1.23"},
    {"point ends the text without decimals", "1.5", limits(9, 0), "1"},
    {"second point ends the text", "1.2.3", limits(9, 3), "1.2"},
    {"nine digits fit", "123456789", limits(9, 3), "123456789"},
    {"ten digits empty the value", "1234567890", limits(9, 3), ""},
    {"the sign does not count", "-123456789", limits(9, 3), "-123456789"},
    {"leading zeros do not count", "0000000001", limits(9, 3), "1"},
    {"overflow with decimals empties too", "1234.5", limits(3, 3), ""},
    {"minus first", "-5", limits(9, 3), "-5"},
    {"minus not allowed ends the text", "-5", limits(9, 3, false), ""},
    {"minus inside ends the text", "5-3", limits(9, 3), "5"},
    {"second minus ends the text", "--5", limits(9, 3), "-"},
    {"leading zeros", "007", limits(9, 3), "7"},
    {"zeros only", "000", limits(9, 3), "0"},
    {"bare fraction", ".5", limits(9, 3), "0.5"},
    {"lone point", ".", limits(9, 3), "0."},
    {"negative bare fraction", "-.5", limits(9, 3), "-0.5"},
    {"zeros before a point", "00.50", limits(9, 3), "0.50"},
    {"empty", "", limits(9, 3), ""},
    {"broken utf-8 ends the text", "12\xE3\x80", limits(9, 3), "12"},
    {"stray continuation byte", "\x80" "12", limits(9, 3), ""},
    {"one-digit field keeps its digit after a zero", "07", limits(1, 0), "7"},
    {"zero integer length still takes a fraction", ".5", limits(0, 2), "0.5"},
};

TEST(NumEditText, FiltersTextIntoValue)
{
    for (const auto& c : kFilterCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(filterNumberText(c.text, c.limits), c.value);
    }
}

TEST(NumEditText, FilterIsIdempotentOnItsOwnResults)
{
    // A value stored in a cell is set back into the editor on every visit;
    // it must come back unchanged.
    for (const auto& c : kFilterCases) {
        SCOPED_TRACE(c.name);
        const std::string once = filterNumberText(c.text, c.limits);
        EXPECT_EQ(filterNumberText(once, c.limits), once);
    }
}

NumDisplayFormat format(bool comma, bool decimalFixed, bool integerFixed, int decimalLength,
                        std::string left = {}, std::string right = {})
{
    NumDisplayFormat f;
    f.comma = comma;
    f.decimalFixed = decimalFixed;
    f.integerFixed = integerFixed;
    f.decimalLength = decimalLength;
    f.leftMark = std::move(left);
    f.rightMark = std::move(right);
    return f;
}

struct DisplayCase {
    const char* name;
    const char* value;
    NumDisplayFormat format;
    const char* display;
};

const DisplayCase kDisplayCases[] = {
    {"three digits need no comma", "123", format(true, false, false, 3), "123"},
    {"four digits", "1234", format(true, false, false, 3), "1,234"},
    {"six digits", "999999", format(true, false, false, 3), "999,999"},
    {"seven digits, sign and decimals", "-1234567.5", format(true, false, false, 3), "-1,234,567.5"},
    {"decimals are never grouped", "1.23456", format(true, false, false, 9), "1.23456"},
    {"without commas", "1234", format(false, false, false, 3), "1234"},
    {"trailing point kept while typing", "0.", format(true, false, false, 3), "0."},
    {"fixed decimals padded", "3", format(true, true, false, 2), "3.00"},
    {"fixed decimals on a fraction", "1.5", format(true, true, false, 2), "1.50"},
    {"fixed decimals cut", "1.555", format(true, true, false, 2), "1.55"},
    {"fixed decimals on empty", "", format(true, true, false, 2), "0.00"},
    {"fixed decimals on a lone sign", "-", format(true, true, false, 2), "-0.00"},
    {"fixed without decimals has no point", "3", format(true, true, false, 0), "3"},
    {"fixed integer on empty", "", format(true, false, true, 2), "0"},
    {"empty shows nothing", "", format(true, false, false, 2), ""},
    {"marks around the number", "1000", format(true, false, false, 0, "\\", "円"), "¥1,000円"},
    {"no marks without a number", "", format(true, false, false, 0, "\\", "円"), ""},
    {"marks around a fixed zero", "", format(true, false, true, 0, "\\", "円"), "¥0円"},
};

TEST(NumEditText, BuildsDisplay)
{
    for (const auto& c : kDisplayCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(buildNumberDisplay(c.value, c.format).text(), c.display);
    }
}

TEST(NumEditText, DisplayKeepsItsPartsApart)
{
    const NumDisplay d = buildNumberDisplay("-1234", format(true, true, false, 2, "\\", "円"));
    EXPECT_EQ(d.leftMark, "¥");
    EXPECT_EQ(d.number, "-1,234.00");
    EXPECT_EQ(d.rightMark, "円");
}

TEST(NumEditText, TypedPartLeavesOutPaddingAndMarks)
{
    const NumDisplayFormat f = format(true, true, true, 2, "\\", "円");
    EXPECT_EQ(typedNumberPart("1234.5", f), "1,234.5");
    EXPECT_EQ(typedNumberPart("", f), "");
}

TEST(NumEditText, TemplateFollowsTheFixedOptions)
{
    struct Case {
        const char* name;
        const char* value;
        NumDisplayFormat format;
        NumLimits limits;
        const char* templ;
    };
    const Case cases[] = {
        {"own parts", "-12.5", format(true, false, false, 3), limits(9, 3), "-12.5"},
        {"fixed integer with sign", "12", format(true, false, true, 3), limits(4, 3), "-0,000"},
        {"fixed integer without sign", "12.5", format(true, false, true, 3), limits(4, 3, false), "0,000.5"},
        {"fixed decimals", "12", format(true, true, false, 2), limits(9, 2), "12.00"},
        {"both fixed, no commas", "1", format(false, true, true, 1), limits(3, 1, false), "000.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(numberTemplate(c.value, c.format, c.limits), c.templ);
    }
}

TEST(NumEditText, WidestDisplayCoversEveryDigit)
{
    EXPECT_EQ(widestNumberDisplay(format(true, false, false, 3, "\\", "円"), limits(9, 3)),
              "¥-000,000,000.000円");
    EXPECT_EQ(widestNumberDisplay(format(false, false, false, 0), limits(1, 0, false)), "0");
}

} // namespace

namespace {

bool isCanonical(const std::string& v, const NumLimits& l)
{
    std::size_t i = 0;
    if (i < v.size() && v[i] == '-') {
        if (!l.minus)
            return false;
        ++i;
    }
    const std::size_t intStart = i;
    while (i < v.size() && v[i] >= '0' && v[i] <= '9')
        ++i;
    const std::string integer = v.substr(intStart, i - intStart);
    if (integer.size() > 1 && integer[0] == '0')
        return false;
    if (i == v.size())
        return true;
    if (v[i] != '.' || integer.empty() || l.decimalLength == 0)
        return false;
    ++i;
    std::size_t decimals = 0;
    for (; i < v.size(); ++i, ++decimals) {
        if (v[i] < '0' || v[i] > '9')
            return false;
    }
    return static_cast<int>(decimals) <= l.decimalLength;
}

std::string withoutCommas(std::string s)
{
    std::erase(s, ',');
    return s;
}

} // namespace

TEST(NumEditText, AnyTextFiltersIntoACanonicalValueWithinTheLimits)
{
    // A fixed-seed sweep over the characters that matter, in place of a
    // fuzzer run: whatever a paste or a stored cell brings, the value is a
    // well-formed number the display shows without loss.
    const char* pieces[] = {"0", "1", "9", ".", "-", ",", "a", " ", "０", "９", "．", "－", "，", "円", "\xE3", "\x80"};
    const NumLimits limitSets[] = {limits(9, 3), limits(9, 2, false), limits(1, 0), limits(0, 2), limits(3, 0, false)};
    unsigned state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        const unsigned len = next() % 14;
        for (unsigned k = 0; k < len; ++k)
            text += pieces[next() % std::size(pieces)];
        const NumLimits& l = limitSets[static_cast<std::size_t>(round) % std::size(limitSets)];
        const std::string value = filterNumberText(text, l);
        SCOPED_TRACE("text [" + text + "] value [" + value + "]");
        ASSERT_TRUE(isCanonical(value, l));
        ASSERT_LE(integerDigitCount(value), l.integerLength);
        ASSERT_EQ(filterNumberText(value, l), value);
        ASSERT_EQ(withoutCommas(buildNumberDisplay(value, format(true, false, false, l.decimalLength)).text()),
                  value);
    }
}
