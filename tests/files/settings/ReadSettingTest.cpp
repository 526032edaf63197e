#include "files/settings/ReadSetting.h"

#include "files/support/SettingsTestDir.h"

#include <stdexcept>

using namespace yorozu;

namespace {

// Code page 932 bytes of the characters the tests need.
const std::string kA = "\x82\xa0";    // あ
const std::string kZe = "\x83\x5b";   // ゼ: its trail byte is "["
const std::string kGyoukan = "[\x8d\x73\x8a\xd4]=";                   // [行間]=

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}


class ReadSettingTest : public yorozu::test::ProgramDirTest {};

} // namespace

TEST_F(ReadSettingTest, ValueIsCutAt200BytesWithoutSplittingACharacter)
{
    // "A" then double-byte characters: the 200th byte after the key is the
    // first half of the hundredth character, which must not be returned.
    writeRaw("A.INI", kGyoukan + "A" + repeat(kA, 150) + "\r\n");
    EXPECT_EQ(ReadSetting(dir_, "A.INI", "[行間]="), "A" + repeat("あ", 99));

    writeRaw("B.INI", kGyoukan + repeat(kA, 150) + "\r\n");
    EXPECT_EQ(ReadSetting(dir_, "B.INI", "[行間]="), repeat("あ", 100));

    writeRaw("C.INI", kGyoukan + std::string(250, 'x') + "\r\n");
    EXPECT_EQ(ReadSetting(dir_, "C.INI", "[行間]="), std::string(200, 'x'));
}

TEST_F(ReadSettingTest, KeyIsFoundInsideALineAndTheRestOfTheLineIsTheValue)
{
    writeRaw("S.INI", "x=1\r\n" + kA + kGyoukan + "2" + kA + "\r\n");
    EXPECT_EQ(ReadSetting(dir_, "S.INI", "[行間]="), "2あ");
}

TEST_F(ReadSettingTest, FirstLineHoldingTheKeyWins)
{
    writeRaw("S.INI", "[a]=first\r\n[a]=second\r\n");
    EXPECT_EQ(ReadSetting(dir_, "S.INI", "[a]="), "first");
}

TEST_F(ReadSettingTest, KeyBytesInsideADoubleByteCharacterDoNotMatch)
{
    // The raw bytes of "ゼA]=" contain "[A]=" (ゼ ends in 0x5B); only the
    // second line really holds the key.
    writeRaw("S.INI", kZe + "A]=wrong\r\n[A]=right\r\n");
    EXPECT_EQ(ReadSetting(dir_, "S.INI", "[A]="), "right");
}

TEST_F(ReadSettingTest, MissingFileKeyOrValueGiveTheEmptyText)
{
    EXPECT_EQ(ReadSetting(dir_, "NONE.INI", "[a]="), "");
    writeRaw("S.INI", "[a]=\r\n[b]=1");
    EXPECT_EQ(ReadSetting(dir_, "S.INI", "[a]="), "");
    EXPECT_EQ(ReadSetting(dir_, "S.INI", "[c]="), "");
    // The last line needs no line end; a lone LF ends a line as well.
    EXPECT_EQ(ReadSetting(dir_, "S.INI", "[b]="), "1");
    writeRaw("L.INI", "[a]=x\n[b]=y\n");
    EXPECT_EQ(ReadSetting(dir_, "L.INI", "[a]="), "x");
}

TEST_F(ReadSettingTest, AFileThatCannotBeReadThrows)
{
    std::filesystem::create_directory(dir_ / "DIR.INI");
    EXPECT_THROW(ReadSetting(dir_, "DIR.INI", "[a]="), std::runtime_error);
    EXPECT_THROW(readSettingLines(dir_, "DIR.INI"), std::runtime_error);
}

TEST(FindSetting, TellsAMissingKeyFromAnEmptyValue)
{
    const std::vector<std::string> lines{"[a]=", "x[b]=ゼ", "[b]=later"};
    EXPECT_EQ(findSettingIfPresent(lines, "[a]="), std::optional<std::string>(""));
    EXPECT_EQ(findSettingIfPresent(lines, "[c]="), std::nullopt);
    EXPECT_EQ(findSetting(lines, "[b]="), "ゼ");
}
