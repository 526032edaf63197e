#include "files/library/ContentSearch.h"

#include "files/support/TempFolder.h"
#include "files/text/Cp932.h"
#include "files/text/TextFile.h"

#include <gtest/gtest.h>

using namespace yorozu;
using yorozu::test::TempFolder;

namespace {

std::string sjis(std::string_view utf8)
{
    auto e = cp932::encode(utf8);
    EXPECT_TRUE(e.ok) << utf8;
    return e.bytes;
}

// A small estimate file: the customer line, a few header lines and rows.
std::string estimateBytes(const std::string& customer, const std::vector<std::string>& rows)
{
    std::string out = sjis(customer) + "\r\n" + sjis("事務所改装工事") + "\r\n" + sjis("見本") + "\r\n";
    for (const auto& r : rows)
        out += sjis(r) + "\r\n";
    return out;
}

} // namespace

TEST(ContentSearch, EveryTermMustOccurAnywhereInTheFile)
{
    const auto bothInDifferentLines =
        estimateBytes("株式会社　山田商店", {"1,,,,,,,ソファー張替,,W1200,2,台,45000,30000,90000,60000,66.7,"});
    const auto firstOnly = estimateBytes("株式会社　山田商店", {"1,,,,,,,椅子,,,1,脚,100,,100,,,"});
    const struct {
        const char* name;
        std::vector<std::string> terms;
        const std::string& bytes;
        bool matches;
    } cases[] = {
        {"customer and row", {"山田", "ソファー"}, bothInDifferentLines, true},
        {"only the first present", {"山田", "ソファー"}, firstOnly, false},
        {"empty terms are left out", {"", "山田", ""}, firstOnly, true},
        {"case-sensitive", {"w1200"}, bothInDifferentLines, false},
        {"same term twice", {"椅子", "椅子"}, firstOnly, true},
        {"a character no file holds", {"山田", "😀"}, bothInDifferentLines, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ContentMatcher m(c.terms);
        EXPECT_EQ(m.matches(c.bytes), c.matches);
    }
}

TEST(ContentSearch, ComparesCharactersNotBytes)
{
    // "亜唖" is 88 9F 88 A0; 9F 88 in the middle is a character of its own
    // that a byte search would find there.
    const std::string pair("\x9F\x88", 2);
    const auto middle = cp932::decode(pair);
    const auto file = sjis("亜唖") + "\r\n";
    ASSERT_NE(file.find(pair), std::string::npos);
    EXPECT_FALSE(ContentMatcher({middle}).matches(file));
    EXPECT_TRUE(ContentMatcher({middle}).matches(file + pair + "\r\n"));

    // "ソ" is 83 5C: its second byte is "\" but not a backslash.
    EXPECT_FALSE(ContentMatcher({"\\"}).matches(sjis("ソファー") + "\r\n"));
    // A character after a lone lead byte of the same line still starts where it seems to.
    EXPECT_TRUE(ContentMatcher({"ソ"}).matches(std::string("\x81,", 2) + sjis("ソ")));
}

TEST(ContentSearch, YenSignAndBackslashFindEachOther)
{
    const auto discountRow = estimateBytes("顧客", {"2,\\,,,,,,値引き,1,,1,式,,,-5000,,,"});
    EXPECT_TRUE(ContentMatcher({"¥"}).matches(discountRow));
    EXPECT_TRUE(ContentMatcher({"\\"}).matches(discountRow));
    EXPECT_TRUE(ContentMatcher({",¥,"}).matches(discountRow));
}

TEST(ContentSearch, ACharacterWithTwoCodesIsFoundUnderEither)
{
    // "∵" has a code in row 1 and another in the NEC row 13; both read as
    // the same character, and a file may hold either.
    const std::string row1("\x81\xE6", 2), nec("\x87\x9A", 2);
    ASSERT_EQ(cp932::decode(row1), cp932::decode(nec));
    const auto term = cp932::decode(nec);
    EXPECT_TRUE(ContentMatcher({term}).matches("a" + row1 + "\r\n"));
    EXPECT_TRUE(ContentMatcher({term}).matches("a" + nec + "\r\n"));
    EXPECT_FALSE(ContentMatcher({term, "山田"}).matches("a" + nec + "\r\n"));
}

TEST(ContentSearch, ExaminesFilesAndReportsOnesItCannotRead)
{
    TempFolder dir;
    yorozu::test::writeBytes(dir / "a.qte", estimateBytes("山田", {"1,,,,,,,ソファー,,,,,,,,,,"}));
    ContentMatcher m({"ソファー"});
    EXPECT_EQ(m.examine(dir / "a.qte"), ContentMatcher::Result::Match);
    EXPECT_EQ(ContentMatcher({"椅子"}).examine(dir / "a.qte"), ContentMatcher::Result::NoMatch);
    EXPECT_EQ(m.examine(dir / "gone.qte"), ContentMatcher::Result::Unreadable);
    EXPECT_EQ(m.examine(dir.path()), ContentMatcher::Result::Unreadable);
    EXPECT_TRUE(ContentMatcher({"", ""}).empty());
}
