#include "files/settings/Set2File.h"

#include "files/settings/Set2Keys.h"
#include "files/text/TextFile.h"

#include "files/support/SettingsTestDir.h"

#include <algorithm>

using namespace yorozu;

namespace {

class Set2FileTest : public yorozu::test::ProgramDirTest {
protected:
    void writeSet2(const std::vector<std::string>& lines) const
    {
        ASSERT_TRUE(writeTextLines(dir_ / "SET2.INI", lines));
    }
    std::vector<std::string> writtenLines() const { return readTextLines(dir_ / "SET2.INI").value_or(std::vector<std::string>{}); }

    static constexpr Set2Screen kWideScreen{1920, 740};
};

// Every field away from its default, and values that stress the format.
Set2Settings nonDefaultSettings()
{
    Set2Settings s;
    s.GYOUKAN = 2;
    s.PRN_S = 1;
    s.Sunpou = false;
    s.windowWidth = 1920;
    s.MUKI = 1;
    s.editorColor = 0x123456;
    s.fixedColor = -16777201;
    s.stripeColor = 1;
    s.fixedFontColor = 2;
    for (std::size_t i = 0; i < s.columnTextColors.size(); ++i)
        s.columnTextColors[i] = static_cast<std::int32_t>(100 + i);
    s.memoTextColor = 3;
    s.DATA_PATH = "/home/見積/データ=2";
    s.KAKERITU = "0.85";
    s.MARUME = "-2";
    s.windowTop = 12;
    s.windowLeft = 345;
    s.partsFixedColor = 4;
    s.partsStripeColor = 5;
    s.partsFixedFontColor = 6;
    s.partsBarColor = 7;
    s.partsAutoOpen = false;
    s.partsInsertMode = false;
    s.NETPATH = "//server/共有";
    s.menuItemFunctionKeys[2] = 12;  // F12 on "終了"
    s.menuItemFunctionKeys[13] = 1;  // F1 on "F1終了"
    s.menuItemFunctionKeys[15] = 3;
    for (std::size_t i = 0; i < s.labelHints.size(); ++i)
        s.labelHints[i] = "F-" + std::to_string(i + 1);
    s.memoMode = MemoMode::Numeric;
    s.RIEKI_RITU = true;
    return s;
}

} // namespace

TEST_F(Set2FileTest, EveryKeyReadsBackWhatWasWritten)
{
    const auto written = nonDefaultSettings();
    ASSERT_TRUE(SET2_KAKIDASI(dir_, written));
    const auto read = SET2_YOMIKOMI(dir_, kWideScreen);
    EXPECT_TRUE(read.fileFound);
    EXPECT_TRUE(read.rejectedLines.empty());
    EXPECT_EQ(read.settings, written);
}

TEST_F(Set2FileTest, LinesAreWrittenInTheFixedOrder)
{
    auto s = nonDefaultSettings();
    s.functionKeyBarShown = false;
    s.partsBarWidth = 632;
    ASSERT_TRUE(SET2_KAKIDASI(dir_, s));
    const std::vector<std::string> expected{
        "[行間]=2", "[種別]=1", "[寸法]=0", "[画面ワイド]=1920", "[向き]=1", "[色]=1193046",
        "[固定]=-16777201", "[縞]=1", "[固定Font]=2", "[文字1]=100", "[文字2]=101", "[文字3]=102",
        "[文字4]=103", "[文字5]=104", "[文字6]=105", "[文字7]=106", "[文字8]=107", "[文字9]=108",
        "[文字10]=109", "[文字11]=110", "[文字17]=3", "[キー]=0", "[DATA_PATH]=/home/見積/データ=2",
        "[掛率]=0.85", "[丸め]=-2", "[Top]=12", "[Left]=345", "[固定2]=4", "[縞2]=5", "[固定Font2]=6",
        "[color_bar]=7", "[Pin]=0", "[INS_MODE]=0", "[NetPath]=//server/共有",
        // function keys item by item in menu order, not key order
        "[F12]=2", "[F1]=13", "[F3]=15",
        "[ST7_HINT]=F-1", "[ST8_HINT]=F-2", "[ST9_HINT]=F-3", "[ST10_HINT]=F-4", "[ST11_HINT]=F-5",
        "[ST12_HINT]=F-6", "[ST13_HINT]=F-7", "[ST14_HINT]=F-8", "[ST15_HINT]=F-9", "[ST16_HINT]=F-10",
        "[ST17_HINT]=F-11", "[ST18_HINT]=F-12", "[MEMO_MOJI]=0", "[利益率]=1", "[分類幅]=1"};
    EXPECT_EQ(writtenLines(), expected);
    EXPECT_EQ(readRaw("SET2.INI").substr(0, 10), "[\x8d\x73\x8a\xd4]=2\r\n");
}

TEST_F(Set2FileTest, DefaultsWrittenAsTheirValues)
{
    ASSERT_TRUE(SET2_KAKIDASI(dir_, Set2Settings{}));
    const auto lines = writtenLines();
    // No function key assigned: no "[Fk]=" line at all.
    for (const auto& line : lines)
        EXPECT_NE(line.substr(0, 2), "[F") << line;
    const std::vector<std::string> someDefaults{"[行間]=0", "[寸法]=1", "[画面ワイド]=1024", "[向き]=0",
                                                "[色]=65535", "[固定2]=-16777201", "[丸め]=0", "[Pin]=1",
                                                "[MEMO_MOJI]=1", "[利益率]=0", "[分類幅]=0"};
    for (const auto& d : someDefaults)
        EXPECT_NE(std::find(lines.begin(), lines.end(), d), lines.end()) << d;
}

TEST_F(Set2FileTest, WrittenValuesThatAreNotTheFieldsVerbatim)
{
    struct Case {
        const char* name;
        void (*change)(Set2Settings&);
        const char* line;
    };
    const Case cases[] = {
        {"window above the screen is written at 0", [](Set2Settings& s) { s.windowTop = -30; }, "[Top]=0"},
        {"window left of the screen is written at 0", [](Set2Settings& s) { s.windowLeft = -1; }, "[Left]=0"},
        {"parts bar 997", [](Set2Settings& s) { s.partsBarWidth = 997; }, "[分類幅]=0"},
        {"parts bar 715", [](Set2Settings& s) { s.partsBarWidth = 715; }, "[分類幅]=2"},
        {"no print kind selected", [](Set2Settings& s) { s.PRN_S = -1; }, "[種別]=0"},
        {"no line spacing selected", [](Set2Settings& s) { s.GYOUKAN = -1; }, "[行間]=0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Set2Settings s;
        c.change(s);
        const auto lines = set2Lines(s);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end());
    }
}

TEST_F(Set2FileTest, MissingFileGivesTheDefaults)
{
    const auto read = SET2_YOMIKOMI(dir_, kWideScreen);
    EXPECT_FALSE(read.fileFound);
    EXPECT_EQ(read.settings, Set2Settings{});
    EXPECT_EQ(read.settings.editorColor, 0x00FFFF);
    EXPECT_EQ(read.settings.MARUME, "0");
}

TEST_F(Set2FileTest, BadIntegerKeepsTheDefaultAndLaterKeysStillRead)
{
    writeSet2({"[色]=yellow", "[固定]=12", "[文字17]=99999999999", "[F1]=25", "[F2]=-1", "[F3]=x",
               "[NetPath]=//after", "[利益率]=1"});
    const auto read = SET2_YOMIKOMI(dir_, kWideScreen);
    const Set2Settings defaults;
    EXPECT_EQ(read.settings.editorColor, defaults.editorColor);
    EXPECT_EQ(read.settings.memoTextColor, defaults.memoTextColor);
    EXPECT_EQ(read.settings.fixedColor, 12);
    // Positions outside the menu assign nothing; a non-integer counts as position 0.
    auto keys = defaults.menuItemFunctionKeys;
    keys[0] = 3;
    EXPECT_EQ(read.settings.menuItemFunctionKeys, keys);
    EXPECT_EQ(read.settings.NETPATH, "//after");
    EXPECT_TRUE(read.settings.RIEKI_RITU);
    EXPECT_EQ(read.rejectedLines,
              (std::vector<std::string>{"[色]=yellow", "[文字17]=99999999999", "[F1]=25", "[F2]=-1"}));
}

TEST_F(Set2FileTest, ValuesAreCutToTheirByteLimits)
{
    writeSet2({"[行間]=12", "[種別]=21", "[掛率]=1234567", "[丸め]=ああア", "[Top]=12345", "[Pin]=00000000000",
               "[DATA_PATH]=" + std::string(600, 'd'), "[NetPath]=" + std::string(300, 'n'),
               "[ST7_HINT]=F-1234"});
    const auto s = SET2_YOMIKOMI(dir_, kWideScreen).settings;
    EXPECT_EQ(s.GYOUKAN, 1);        // "1" of "12"
    EXPECT_EQ(s.PRN_S, 2);          // "2" of "21"
    EXPECT_EQ(s.KAKERITU, "12345");
    EXPECT_EQ(s.MARUME, "ああ");     // the third double-byte character would need bytes 5 and 6
    EXPECT_EQ(s.windowTop, 0);      // "1234" is more than the window height
    EXPECT_TRUE(s.partsAutoOpen);   // ten zeros are not "0"
    EXPECT_EQ(s.DATA_PATH, std::string(500, 'd'));
    EXPECT_EQ(s.NETPATH, std::string(200, 'n'));
    EXPECT_EQ(s.labelHints[0], "F-123");
}

TEST_F(Set2FileTest, WindowPlacementRules)
{
    struct Case {
        const char* name;
        Set2Screen screen;
        std::vector<std::string> lines;
        int width, top, left;
    };
    const Case cases[] = {
        {"wide value on a wide screen takes the screen", {1600, 740}, {"[画面ワイド]=1280"}, 1600, 0, 0},
        {"narrow value", {1600, 740}, {"[画面ワイド]=800"}, 1024, 0, 0},
        {"not an integer", {1600, 740}, {"[画面ワイド]=wide"}, 1024, 0, 0},
        {"position within the window size", {1600, 740}, {"[画面ワイド]=1600", "[Top]=-700", "[Left]=1500"}, 1600, -700, 1500},
        {"left beyond the window width", {1600, 740}, {"[Top]=740", "[Left]=1500"}, 1024, 740, 0},
        {"top beyond the window height", {1600, 740}, {"[Top]=741", "[Left]=10"}, 1024, 0, 10},
        {"a screen of 1024 always opens at the corner", {1024, 740}, {"[Top]=10", "[Left]=10"}, 1024, 0, 0},
        {"later line wins", {1600, 740}, {"[Top]=10", "[Top]=20"}, 1024, 20, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSet2(c.lines);
        const auto s = SET2_YOMIKOMI(dir_, c.screen).settings;
        EXPECT_EQ(s.windowWidth, c.width);
        EXPECT_EQ(s.windowTop, c.top);
        EXPECT_EQ(s.windowLeft, c.left);
    }
}

TEST_F(Set2FileTest, SwitchesChangeOnlyOnTheirOwnValue)
{
    writeSet2({"[行間]=7", "[寸法]=1", "[向き]=2", "[MEMO_MOJI]=1", "[利益率]=0", "[INS_MODE]=0",
               "[DATA_PATH]=", "[F1]=13"});
    const auto s = SET2_YOMIKOMI(dir_, kWideScreen).settings;
    const Set2Settings d;
    EXPECT_EQ(s.GYOUKAN, d.GYOUKAN);
    EXPECT_TRUE(s.Sunpou);
    EXPECT_EQ(s.MUKI, 0);
    EXPECT_EQ(s.memoMode, MemoMode::Text);
    EXPECT_FALSE(s.RIEKI_RITU);
    EXPECT_FALSE(s.partsInsertMode);
    EXPECT_EQ(s.DATA_PATH, "");  // an empty folder keeps the browser where it is
    EXPECT_EQ(s.menuItemFunctionKeys[13], 1);  // F1 on the exit item "F1終了"
}

TEST_F(Set2FileTest, PartsBarWidthComesBackAtStartUp)
{
    EXPECT_EQ(startupPartsBarWidth(dir_), 715);  // no file yet
    for (int width : {997, 632, 715}) {
        SCOPED_TRACE(width);
        Set2Settings s;
        s.partsBarWidth = width;
        ASSERT_TRUE(SET2_KAKIDASI(dir_, s));
        EXPECT_EQ(startupPartsBarWidth(dir_), width);
    }
}

TEST(Set2Keys, EveryReadKeyHasALimitAndNoKeyHidesInsideAnother)
{
    const auto keys = set2Keys();
    for (const auto& k : keys) {
        SCOPED_TRACE(std::string(k.key));
        EXPECT_EQ(k.readBytes > 0, k.conversion.read != nullptr);
        // Every line is tested against every key, so a key that is part of
        // another would take that key's value as well.
        for (const auto& other : keys) {
            if (&other != &k) {
                EXPECT_EQ(other.key.find(k.key), std::string_view::npos) << other.key;
            }
        }
    }
}
