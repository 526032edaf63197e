#include "files/settings/CompanySettingsFile.h"
#include "files/settings/CompanySettingsSlots.h"
#include "files/text/TextFile.h"

#include "files/settings/CompanySettingsPrint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace yorozu;
namespace fs = std::filesystem;

namespace {

// A program folder of its own for every test.
class CompanySettingsFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(testing::TempDir()) / (std::string("company_") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string bytesOf(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void writeBytes(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    static CompanySettings sample()
    {
        auto s = defaultCompanySettings(Orientation::Landscape, SettingsReader::Dialog);
        s.settingName = "プリンタＡ";
        s.companyName = "株式会社よろず";
        s.printTitle = true;
        s.fractionMode = 1;
        s.verticalRuleWidth = 2;
        s.honorific = "様"; // an empty honorific is saved as the dialog shows it
        return s;
    }

    fs::path dir_;
};

} // namespace

TEST_F(CompanySettingsFileTest, WrittenFileHas113CrLfLinesAndReadsBack)
{
    const auto s = sample();
    const auto result = registerCompanySettings(dir_, Orientation::Landscape, s);
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.message, "登録しました。");

    const auto bytes = bytesOf("SET.INI");
    std::size_t crlf = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++crlf;
    EXPECT_EQ(crlf, 113u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    // Code page 932 on disk: "[設定名]=" starts with 0x5B then the two bytes of 設.
    EXPECT_EQ(bytes.substr(0, 3), "[\x90\xdd");

    EXPECT_EQ(readCurrentCompanySettings(dir_, Orientation::Landscape, SettingsReader::Dialog), s);
    EXPECT_FALSE(fs::exists(dir_ / "SET3.INI")) << "landscape writes only its own file";
}

TEST_F(CompanySettingsFileTest, MissingFileReadsAsTheDefaults)
{
    for (auto orientation : {Orientation::Landscape, Orientation::Portrait})
        for (auto reader : {SettingsReader::Printing, SettingsReader::Dialog})
            EXPECT_EQ(readCurrentCompanySettings(dir_, orientation, reader), defaultCompanySettings(orientation, reader));
}

TEST_F(CompanySettingsFileTest, AFileThatCannotBeReadEndsTheCommand)
{
    fs::create_directory(dir_ / "SET.INI");
    EXPECT_THROW(readCurrentCompanySettings(dir_, Orientation::Landscape, SettingsReader::Printing), std::runtime_error);
}

TEST_F(CompanySettingsFileTest, FailedWriteReportsAndKeepsTheOldFile)
{
    writeBytes("SET.INI", "[社名]=old\r\n");
    const auto before = bytesOf("SET.INI");

    struct Case {
        const char* name;
        fs::path target;
        CompanySettings settings;
    };
    auto unmappable = sample();
    unmappable.companyName = "よろず😀";
    fs::create_directory(dir_ / "asDirectory");
    const Case cases[] = {
        {"a character code page 932 cannot hold", dir_ / "SET.INI", unmappable},
        {"the target is a directory", dir_ / "asDirectory", sample()},
        {"the folder does not exist", dir_ / "missing" / "SET.INI", sample()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = writeCompanySettings(c.target, c.settings);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, "設定ファイルは保存できませんでした。\r\n");
        EXPECT_EQ(bytesOf("SET.INI"), before);
    }
    EXPECT_TRUE(fs::is_directory(dir_ / "asDirectory"));
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

TEST_F(CompanySettingsFileTest, UnmappableCharacterWritesNothing)
{
    auto s = sample();
    s.companyName = "よろず😀";
    const auto result = registerCompanySettings(dir_, Orientation::Portrait, s);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "設定ファイルは保存できませんでした。\r\n");
    EXPECT_FALSE(fs::exists(dir_ / "SET3.INI"));
}

TEST_F(CompanySettingsFileTest, SlotsAreNamedByDigitAndOrientation)
{
    EXPECT_EQ(companySettingsFileName(Orientation::Landscape), "SET.INI");
    EXPECT_EQ(companySettingsFileName(Orientation::Portrait), "SET3.INI");
    EXPECT_EQ(settingsSlotFileName(1, Orientation::Landscape), "1_SET.INI");
    EXPECT_EQ(settingsSlotFileName(5, Orientation::Landscape), "5_SET.INI");
    EXPECT_EQ(settingsSlotFileName(1, Orientation::Portrait), "1_SET3.INI");
    EXPECT_EQ(settingsSlotFileName(5, Orientation::Portrait), "5_SET3.INI");
    for (int bad : {0, 6, -1})
        EXPECT_THROW(settingsSlotFileName(bad, Orientation::Landscape), std::invalid_argument) << bad;
    EXPECT_EQ(orientationOfMUKI(0), Orientation::Portrait);
    EXPECT_EQ(orientationOfMUKI(1), Orientation::Landscape);
}

TEST_F(CompanySettingsFileTest, SlotSaveWritesTheSameContentAsRegister)
{
    const auto s = sample();
    ASSERT_TRUE(registerCompanySettings(dir_, Orientation::Portrait, s));
    const auto saved = saveSettingsSlot(dir_, Orientation::Portrait, 3, s);
    ASSERT_TRUE(saved) << saved.error;
    EXPECT_EQ(saved.message, "登録しました。");
    EXPECT_EQ(bytesOf("3_SET3.INI"), bytesOf("SET3.INI"));
    EXPECT_FALSE(fs::exists(dir_ / "3_SET.INI"));
}

TEST_F(CompanySettingsFileTest, SlotLoadChangesNoFile)
{
    auto slot = sample();
    slot.companyName = "スロット２の社名";
    ASSERT_TRUE(saveSettingsSlot(dir_, Orientation::Landscape, 2, slot));
    ASSERT_TRUE(registerCompanySettings(dir_, Orientation::Landscape, sample()));
    const auto current = bytesOf("SET.INI");

    EXPECT_EQ(loadSettingsSlot(dir_, Orientation::Landscape, 2), slot);
    EXPECT_EQ(bytesOf("SET.INI"), current);
    // The portrait slot 2 is another file and was never saved.
    EXPECT_EQ(loadSettingsSlot(dir_, Orientation::Portrait, 2),
              defaultCompanySettings(Orientation::Portrait, SettingsReader::Dialog));
}

TEST_F(CompanySettingsFileTest, SlotNeverSavedLoadsTheDialogDefaults)
{
    const auto loaded = loadSettingsSlot(dir_, Orientation::Portrait, 4);
    EXPECT_EQ(loaded, defaultCompanySettings(Orientation::Portrait, SettingsReader::Dialog));
    EXPECT_EQ(loaded.memoWidth, 20);
    EXPECT_EQ(loaded.verticalRuleWidth, 0);
    EXPECT_FALSE(fs::exists(dir_ / "4_SET3.INI"));
}

TEST_F(CompanySettingsFileTest, StartUpCopiesLandscapeToMissingPortrait)
{
    // Bytes the program would not write itself: a hand-edited extra key and
    // no line end on the last line must come through unchanged.
    const std::string landscape = "[\x8e\xd0\x96\xbc]=ABC\r\n[\x95\x94\x95\x69\x31]=x";
    writeBytes("SET.INI", landscape);
    EXPECT_TRUE(copyLandscapeSettingsToPortrait(dir_));
    EXPECT_EQ(bytesOf("SET3.INI"), landscape);
    EXPECT_EQ(bytesOf("SET.INI"), landscape);
    EXPECT_FALSE(fs::exists(dir_ / "SET3.INI.tmp"));
    EXPECT_EQ(readCurrentCompanySettings(dir_, Orientation::Portrait, SettingsReader::Printing).companyName, "ABC");
}

TEST_F(CompanySettingsFileTest, StartUpCopyNeverOverwritesNorReverses)
{
    struct Case {
        const char* name;
        const char* landscape; // nullptr: no file
        const char* portrait;
        const char* landscapeAfter;
        const char* portraitAfter;
    };
    const Case cases[] = {
        {"both exist", "[社名]=L\r\n", "[社名]=P\r\n", "[社名]=L\r\n", "[社名]=P\r\n"},
        {"only portrait", nullptr, "[社名]=P\r\n", nullptr, "[社名]=P\r\n"},
        {"neither", nullptr, nullptr, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(dir_ / "SET.INI");
        fs::remove(dir_ / "SET3.INI");
        if (c.landscape)
            writeBytes("SET.INI", c.landscape);
        if (c.portrait)
            writeBytes("SET3.INI", c.portrait);
        EXPECT_FALSE(copyLandscapeSettingsToPortrait(dir_));
        EXPECT_EQ(fs::exists(dir_ / "SET.INI"), c.landscapeAfter != nullptr);
        EXPECT_EQ(fs::exists(dir_ / "SET3.INI"), c.portraitAfter != nullptr);
        if (c.landscapeAfter) {
            EXPECT_EQ(bytesOf("SET.INI"), c.landscapeAfter);
        }
        if (c.portraitAfter) {
            EXPECT_EQ(bytesOf("SET3.INI"), c.portraitAfter);
        }
    }
}
