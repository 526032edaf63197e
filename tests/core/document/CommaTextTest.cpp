#include "core/document/CommaText.h"
#include "core/document/StringGrid.h"

#include <gtest/gtest.h>

using namespace yorozu;

namespace {

struct Case {
    const char* name;
    std::vector<std::string> cells;
    const char* encoded;
};

// Cells whose encoding is fixed by the file format; each must also read back unchanged.
const Case kCases[] = {
    {"bare", {"1", "abc", ""}, "1,abc,"},
    {"comma between letters is quoted", {"a,b"}, "\"a,b\""},
    {"ascii space is quoted", {"a b"}, "\"a b\""},
    {"full width space is bare", {"a　b"}, "a　b"},
    {"quotes are doubled", {"say \"hi\""}, "\"say \"\"hi\"\"\""},
    {"tab is quoted", {"a\tb"}, "\"a\tb\""},
    {"trail byte 0x5C characters stay bare", {"ソ表能十"}, "ソ表能十"},
    {"trail byte 0x7C character stays bare", {"ポ"}, "ポ"},
    {"leading and trailing spaces survive", {" x ", "y"}, "\" x \",y"},
    {"lone quote", {"\""}, "\"\"\"\""},
};

} // namespace

TEST(CommaText, EncodesAndReadsBack)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(encodeCommaText(c.cells), c.encoded);
        EXPECT_EQ(decodeCommaText(c.encoded), c.cells);
    }
}

TEST(CommaText, ReadingRules)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(decodeCommaText(""), V{});
    EXPECT_EQ(decodeCommaText(","), (V{"", ""}));
    EXPECT_EQ(decodeCommaText("a,"), (V{"a", ""}));
    EXPECT_EQ(decodeCommaText("a, "), (V{"a"})) << "only a comma at the very end adds an item";
    EXPECT_EQ(decodeCommaText("  a  b"), (V{"a", "b"})) << "an unquoted space separates items";
    EXPECT_EQ(decodeCommaText("a , b"), (V{"a", "b"}));
    EXPECT_EQ(decodeCommaText("\"open"), (V{"open"})) << "no closing quote takes the rest";
    EXPECT_EQ(decodeCommaText("\"ab\"cd,e"), (V{"ab", "cd", "e"}));
    EXPECT_EQ(decodeCommaText("\"\"\"a\"\"\"\"b\"\"\""), (V{"\"a\"\"b\""})) << "doubled quotes anywhere in a quoted item";
    EXPECT_EQ(decodeCommaText("\"a\"\""), (V{"a\""})) << "a doubled quote, then no closing one";
    EXPECT_EQ(decodeCommaText("\"\",\"\""), (V{"", ""}));
    EXPECT_EQ(decodeCommaText("\"a,b\" c"), (V{"a,b", "c"}));
}

TEST(CommaText, BareItemEndsAtTheFirstCommaBlankOrControlWherever)
{
    // The end of a bare item is found eight bytes at a time: every length
    // around a word, with bytes that are part of an item (NUL, '!' just above
    // the blanks, a quote, UTF-8 bytes) placed anywhere before the end.
    using V = std::vector<std::string>;
    const char kInside[] = {'\0', '!', '"', '\xE3', '\xFF'};
    const char kEnds[] = {',', ' ', '\t', '\x01', '\x1F'};
    for (size_t length = 1; length <= 19; ++length)
        for (size_t at = 1; at < length; ++at)
            for (char inside : kInside)
                for (char end : kEnds) {
                    std::string item(length, 'a');
                    item[at] = inside;
                    const std::string line = item + end + "z";
                    SCOPED_TRACE(testing::Message() << length << " " << at << " " << int(inside) << " " << int(end));
                    EXPECT_EQ(decodeCommaText(line), (V{item, "z"}));
                }
}

TEST(CommaText, CellIsQuotedForASpecialByteWherever)
{
    // Whether a cell needs quotes is found eight bytes at a time: every
    // length around a word, with each byte that forces quotes, and each
    // that does not, at every place.
    const char kQuoted[] = {' ', ',', '"', '\t', '\x01', '\x1F'};
    const char kBare[] = {'\0', '!', '\xE3', '\xFF'};
    for (size_t length = 1; length <= 19; ++length)
        for (size_t at = 0; at < length; ++at) {
            for (char c : kQuoted) {
                std::string cell(length, 'a');
                cell[at] = c;
                SCOPED_TRACE(testing::Message() << length << " " << at << " " << int(c));
                const auto line = encodeCommaText({"x", cell, "y"});
                EXPECT_EQ(line.substr(0, 3), "x,\"");
                EXPECT_EQ(decodeCommaText(line), (std::vector<std::string>{"x", cell, "y"}));
            }
            for (char c : kBare) {
                std::string cell(length, 'a');
                cell[at] = c;
                SCOPED_TRACE(testing::Message() << length << " " << at << " " << int(c));
                EXPECT_EQ(encodeCommaText({"x", cell, "y"}), "x," + cell + ",y");
            }
        }
    EXPECT_EQ(encodeCommaText({"a", "x y", "b", "\"", "", "c"}), "a,\"x y\",b,\"\"\"\",,c")
        << "bare cells after a quoted one";
}

TEST(CommaText, EmptyRowIsSeventeenCommasAndRowTravelsWhole)
{
    StringGrid g(3);
    EXPECT_EQ(rowCommaText(g, 1), std::string(17, ','));
    for (int c = 0; c < 18; ++c)
        g.setCell(c, 1, c % 2 ? "x, y" : "ソ");
    setRowFromCommaText(g, 2, rowCommaText(g, 1));
    EXPECT_EQ(g.row(2), g.row(1));
    setRowFromCommaText(g, 2, rowCommaText(g, 1) + ",extra,items");
    EXPECT_EQ(g.row(2), g.row(1)) << "items beyond the eighteenth are dropped";
    setRowFromCommaText(g, 2, "5,A");
    EXPECT_EQ(g.cell(1, 2), "A");
    EXPECT_EQ(g.cell(7, 2), "") << "missing trailing items leave cells empty";
    setRowFromCommaText(g, 3, "1,2");
    setRowFromCommaText(g, -1, "1,2");
    EXPECT_EQ(g.rowCount(), 3) << "a row outside the grid is left alone";
}
