#include "files/settings/PickLists.h"

#include "files/support/SettingsTestDir.h"

using namespace yorozu;

namespace {

class PickListsTest : public yorozu::test::ProgramDirTest {};

} // namespace

TEST_F(PickListsTest, EntriesComeBackInOrderWithEmptyLines)
{
    const std::vector<std::vector<std::string>> lists{
        {"", "株式会社　山田工務店", "", "", "Ａ社", ""},
        {""},
        {"m", "個", "ｍ２"},
        {},
    };
    for (const auto& entries : lists) {
        SCOPED_TRACE(entries.size());
        ASSERT_TRUE(COMBO_KAKIDASI(dir_, PickList::Tani, entries));
        EXPECT_EQ(COMBO_YOMIKOMI(dir_, PickList::Tani), entries);
    }
}

TEST_F(PickListsTest, FilesAreCodePage932WithCrLf)
{
    ASSERT_TRUE(COMBO_KAKIDASI(dir_, PickList::Kokyaku, {"あ", "", "b"}));
    EXPECT_EQ(readRaw("Kokyaku.LST"), "\x82\xa0\r\n\r\nb\r\n");
}

TEST_F(PickListsTest, MissingFileLeavesTheListAlone)
{
    EXPECT_EQ(COMBO_YOMIKOMI(dir_, PickList::Nouki), std::nullopt);
    writeRaw("Nouki.LST", "");
    EXPECT_EQ(COMBO_YOMIKOMI(dir_, PickList::Nouki), std::vector<std::string>{});
}

TEST_F(PickListsTest, EachListHasItsOwnFile)
{
    const std::vector<std::string> names{"Kokyaku.LST", "Nouki.LST", "Basyo.LST", "Joken.LST",
                                         "Kigen.LST",   "Tanto.LST", "Tani.LST"};
    for (std::size_t i = 0; i < kPickListFiles.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const auto list = kPickListFiles[i].list;
        EXPECT_EQ(pickListFileName(list), names[i]);
        ASSERT_TRUE(COMBO_KAKIDASI(dir_, list, {names[i]}));
        EXPECT_EQ(readRaw(names[i]), names[i] + "\r\n");
    }
}

TEST_F(PickListsTest, AnUnreadableListThrowsRatherThanLookingEmpty)
{
    std::filesystem::create_directory(dir_ / "Basyo.LST");
    EXPECT_THROW(COMBO_YOMIKOMI(dir_, PickList::Basyo), std::runtime_error);
}
