#include "core/document/Headings.h"

#include "core/document/StringGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace yorozu;

namespace {

struct Line {
    std::string c1, c2, c3, description;
};

StringGrid sheetOf(const std::vector<Line>& lines)
{
    StringGrid g(31);
    g.renumber();
    int r = 1;
    for (const auto& l : lines) {
        g.setCell(1, r, l.c1);
        g.setCell(2, r, l.c2);
        g.setCell(3, r, l.c3);
        g.setCell(7, r, l.description);
        ++r;
    }
    return g;
}

std::vector<std::string> descriptions(const StringGrid& g, int rows)
{
    std::vector<std::string> out;
    for (int r = 1; r <= rows; ++r)
        out.push_back(g.cell(7, r));
    return out;
}

} // namespace

TEST(Numbering, ItemLinesWithoutHeadingsAreCountedAndRenumberingIsStable)
{
    auto g = sheetOf({{"", "", "", "配管"}, {"", "", "", "  "}, {"#", "", "", "注記"}, {"", "", "", "撤去"},
                      {"\\", "", "", "値引き"}, {"", "", "", "下"}});
    numberDescriptions(g);
    const std::vector<std::string> once{"1．配管", "  ", "注記", "2．撤去", "値引き", "下"};
    EXPECT_EQ(descriptions(g, 6), once) << "stops after the discount row";
    numberDescriptions(g);
    EXPECT_EQ(descriptions(g, 6), once);
}

TEST(Numbering, HeadingMarksGoInFront)
{
    auto g = sheetOf({{"A", "", "", "建築"}, {"", "1", "", "基礎"}, {"", "", "", "掘削"}, {"@", "", "", "合計"},
                      {"B", "", "", "後"}});
    numberDescriptions(g);
    EXPECT_EQ(descriptions(g, 5), (std::vector<std::string>{"A．建築", "1．基礎", "掘削", "合計", "後"}));
    numberDescriptions(g);
    EXPECT_EQ(descriptions(g, 5), (std::vector<std::string>{"A．建築", "1．基礎", "掘削", "合計", "後"}));
}

// The old number is found by code page bytes: "１２．" is six bytes, so the
// stop is not within the first six and the text stays.
TEST(Numbering, StripsOnlyAShortNumber)
{
    auto g = sheetOf({{"", "", "", "9999．x"}, {"", "", "", "１２３．y"}, {"", "", "", "ｱｲ．z"}});
    numberDescriptions(g);
    EXPECT_EQ(descriptions(g, 3), (std::vector<std::string>{"1．x", "2．１２３．y", "3．z"}));
}

TEST(Indent, SpacesByHeadingLevel)
{
    struct Case {
        const char* name;
        std::vector<Line> lines;
        std::vector<std::string> expected;
        bool beeps;
    } cases[] = {
        {"large and middle", {{"大", "", "", "a"}, {"", "中", "", "b"}, {"", "", "", "c"}, {"", "", "", ""}},
         {"a", "　b", "　　c", "　　"}, false},
        {"large only", {{"大", "", "", "a"}, {"", "", "", "c"}}, {"a", "　c"}, false},
        {"three levels",
         {{"大", "", "", "a"}, {"", "中", "", "b"}, {"", "", "", "before"}, {"", "", "小", "s"}, {"", "", "", "in"},
          {"", "中", "", "b2"}, {"", "", "", "after"}},
         {"a", "　b", "　　before", "　　s", "　　　in", "　b2", "　　after"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = sheetOf(c.lines);
        EXPECT_EQ(indentDescriptions(g, static_cast<int>(c.lines.size())), c.beeps);
        EXPECT_EQ(descriptions(g, static_cast<int>(c.lines.size())), c.expected);
        EXPECT_EQ(g.cell(7, static_cast<int>(c.lines.size()) + 1), "") << "rows below the last used row stay";
        unindentDescriptions(g);
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(g.cell(7, static_cast<int>(i) + 1), c.lines[i].description);
    }
    auto empty = sheetOf({});
    EXPECT_FALSE(indentDescriptions(empty, 0));
    EXPECT_EQ(empty.cell(7, 1), "");
}

TEST(Headings, CodePageLengths)
{
    EXPECT_EQ(cp932Length("ab"), 2u);
    EXPECT_EQ(cp932Length("ｱｲｳ"), 3u);
    EXPECT_EQ(cp932Length("配管"), 4u);
    EXPECT_EQ(cp932Prefix("a配管", 4), "a配");
    EXPECT_EQ(cp932Prefix(std::string(300, 'x'), 200).size(), 200u);
}
