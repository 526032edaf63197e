#include "files/estimate/FileNameCheck.h"
#include "files/estimate/JapaneseEra.h"

#include <gtest/gtest.h>

using namespace yorozu;

TEST(FNAME_CHECK, RefusesEachOfTheElevenCharacters)
{
    const std::string message =
        "登録ファイル名に使用できない文字が含まれています。\r\n\r\n\\ / : . ; * ? \" < > |";
    for (char c : std::string("\\/:.;*?\"<>|")) {
        for (const std::string& name : {std::string(1, c), "見積" + std::string(1, c) + "A", "ab" + std::string(1, c)}) {
            SCOPED_TRACE(name);
            const auto result = FNAME_CHECK(name);
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(*result, message);
        }
    }
}

TEST(FNAME_CHECK, AcceptsCharactersWhoseShiftJisTrailByteLooksLikeOne)
{
    // ソ 表 能 十 end in 0x5C and ポ in 0x7C in code page 932; full-width
    // forms of the refused characters are ordinary characters.
    for (const char* name : {"ソ", "表示", "能力", "十分", "ポンプ", "ソフト表能十", "／：．＊？", "見積 2024-01 (A)", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(FNAME_CHECK(name).has_value());
    }
}

TEST(JapaneseEra, YearCountedInTheEraTheDateBelongsTo)
{
    struct Case {
        Date date;
        const char* era;
        int year;
    };
    const Case cases[] = {
        {{2019, 4, 30}, "平成", 31}, {{2019, 5, 1}, "令和", 1},   {{2020, 1, 1}, "令和", 2},
        {{2026, 12, 10}, "令和", 8}, {{1989, 1, 7}, "昭和", 64},  {{1989, 1, 8}, "平成", 1},
        {{2018, 12, 31}, "平成", 30}, {{1926, 12, 25}, "昭和", 1}, {{1912, 7, 30}, "大正", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.toString());
        const auto e = japaneseEra(c.date);
        EXPECT_EQ(e.era, c.era);
        EXPECT_EQ(e.year, c.year);
    }
}
