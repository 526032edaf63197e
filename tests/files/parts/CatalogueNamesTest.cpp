#include "files/parts/CatalogueNames.h"

#include "files/support/TempFolder.h"
#include "files/text/TextFile.h"

#include <gtest/gtest.h>

namespace yorozu::test {
namespace {

TEST(CatalogueNames, AListKeepsItsFirstTwentyLinesWhole)
{
    TempFolder dir;
    std::vector<std::string> lines;
    for (int i = 1; i <= 25; ++i)
        lines.push_back(" 名前 " + std::to_string(i));
    ASSERT_TRUE(writeTextLines(dir / "BUMON0.LST", lines));
    const auto read = readNameList(dir.path(), 0);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 20u);
    EXPECT_EQ(read->front(), " 名前 1") << "no trimming";

    ASSERT_TRUE(writeNameList(dir.path(), 0, lines));
    EXPECT_EQ(readTextLines(dir / "BUMON0.LST")->size(), 20u);
    EXPECT_EQ(readBytes(dir / "BUMON0.LST").substr(0, 9), " \x96\xBC\x91\x4F 1\r\n");
    EXPECT_FALSE(readNameList(dir.path(), 7)) << "a missing list is no list";
}

TEST(CatalogueNames, AListOfAnotherCaseIsTheSameFile)
{
    TempFolder dir;
    ASSERT_TRUE(writeTextLines(dir / "Bumon3.lst", {"配管"}));
    EXPECT_EQ(readNameList(dir.path(), 3), std::vector<std::string>{"配管"});
    ASSERT_TRUE(writeNameList(dir.path(), 3, {"電気"}));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Bumon3.lst"}) << "written where it was read";
    EXPECT_EQ(readTextLines(dir / "Bumon3.lst"), std::vector<std::string>{"電気"});
    ASSERT_TRUE(writeNameList(dir.path(), 4, {}));
    EXPECT_TRUE(std::filesystem::exists(dir / "BUMON4.LST")) << "a new list takes the written case";
}

TEST(CatalogueNames, AListThatCannotBeReadIsNotTakenForAnEmptyOne)
{
    TempFolder dir;
    std::filesystem::create_directories(dir / "BUMON2.LST");
    EXPECT_THROW(readNameList(dir.path(), 2), std::runtime_error);
}

} // namespace
} // namespace yorozu::test
