#include "files/estimate/EstimateLayout.h"

#include <gtest/gtest.h>

using namespace yorozu;

TEST(EstimateLayout, IntegerValueOfALine)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"0", 0},     {"2", 2},      {"-1", -1},        {"+3", 3},           {" 7", 7},
        {"", 0},      {"abc", 0},    {"7 ", 0},         {"1.0", 0},          {"+-1", 0},
        {"--1", 0},   {"-", 0},      {"99999999999", 0}, {"2147483647", 2147483647}, {"１", 0}, // full-width digit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(integerValue(c.text), c.value);
    }
    EXPECT_EQ(integerValue("x", 5), 5);
}
