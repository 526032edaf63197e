#include "files/settings/WindowCompanySettings.h"

#include "files/text/TextFile.h"

#include "files/support/SettingsTestDir.h"

using namespace yorozu;

namespace {

class WindowCompanySettingsTest : public yorozu::test::ProgramDirTest {
protected:
    void writeSettings(const char* name, const std::vector<std::string>& lines) const
    {
        ASSERT_TRUE(writeTextLines(dir_ / name, lines));
    }
};

} // namespace

TEST_F(WindowCompanySettingsTest, MissingFileChangesNothing)
{
    Estimate e;
    e.HASU_MODE = 2;
    e.SG1.setCell(col::Description, 0, "品名");
    const auto landscape = SET1_YOMIKOMI(dir_, MemoMode::Text);
    EXPECT_FALSE(landscape.fileFound);
    applyWindowCompanySettings(landscape, e);
    EXPECT_EQ(e.HASU_MODE, 2);
    EXPECT_EQ(e.SG1.cell(col::Description, 0), "品名");
    EXPECT_EQ(e.SG2.cell(col::Memo, 0), "");

    // Portrait names the parts grid's memo column even without a file.
    applyWindowCompanySettings(SET3_YOMIKOMI(dir_, MemoMode::Text), e);
    EXPECT_EQ(e.HASU_MODE, 2);
    EXPECT_EQ(e.SG2.cell(col::Memo, 0), "メモ");
    EXPECT_EQ(e.SG1.cell(col::Memo, 0), "");
}

TEST_F(WindowCompanySettingsTest, AFileWithoutTheKeysGivesTheDefaults)
{
    writeSettings("SET.INI", {"[社名]=山田工務店"});
    Estimate e;
    e.HASU_MODE = 2;
    e.SG1.setCell(col::Shape, 0, "寸法");
    e.SG1.setCell(col::Memo, 0, "備考");
    const auto s = SET1_YOMIKOMI(dir_, MemoMode::Text);
    EXPECT_TRUE(s.fileFound);
    EXPECT_EQ(s.KoujiLabel, "タイトル");
    EXPECT_EQ(s.NoukiLabel, "納期");
    EXPECT_EQ(s.BasyoLabel, "納入場所");
    EXPECT_EQ(s.JokenLabel, "支払条件");
    EXPECT_EQ(s.KigenLabel, "有効期限");
    EXPECT_FALSE(s.exitConfirmation);
    EXPECT_EQ(s.verticalLinePosition, 0);
    EXPECT_EQ(s.partsButtonCaptions[0], "部品－Ⅰ");
    EXPECT_EQ(s.partsButtonCaptions[6], "部品－Ⅶ");
    EXPECT_EQ(s.SunpouCaption, std::nullopt);
    EXPECT_EQ(s.memoHeading, std::nullopt);
    EXPECT_EQ(s.partsMemoHeading, std::nullopt);

    applyWindowCompanySettings(s, e);
    EXPECT_EQ(e.HASU_MODE, 0);
    for (const StringGrid* g : {&e.SG1, &e.SG2}) {
        EXPECT_EQ(g->cell(col::Description, 0), "摘要");
        EXPECT_EQ(g->cell(col::Shape, 0), "形状・寸法");
    }
    EXPECT_EQ(e.SG1.cell(col::Memo, 0), "備考");  // no memo key: the heading stays
}

TEST_F(WindowCompanySettingsTest, KeysWithTheirByteLimits)
{
    writeSettings("SET3.INI", {"[TITLE]=工事名称件名です", "[納期]=", "[場所]=現場", "[条件]=末締め翌月払い",
                               "[期限]=30日", "[摘要]=品名・仕様・型番・メーカー名", "[形状]=寸法",
                               "[MEMO]=備考", "[MEMO_数値]=数量2", "[切捨て]=21", "[確認]=1",
                               "[縦線位置]=15", "[部品3]=配管材料・継手類", "[部品5]="});
    const auto s = SET3_YOMIKOMI(dir_, MemoMode::Text);
    EXPECT_EQ(s.KoujiLabel, "工事名称件");    // 10 bytes
    EXPECT_EQ(s.NoukiLabel, "納期");          // empty restores the default
    EXPECT_EQ(s.BasyoLabel, "現場");
    EXPECT_EQ(s.JokenLabel, "末締め翌月");
    EXPECT_EQ(s.KigenLabel, "30日");
    EXPECT_EQ(s.descriptionHeading, "品名・仕様・型番・メ");  // 20 bytes
    EXPECT_EQ(s.shapeHeading, "寸法");
    EXPECT_EQ(s.SunpouCaption, std::optional<std::string>("寸法"));
    EXPECT_EQ(s.memoHeading, std::optional<std::string>("備考"));
    EXPECT_EQ(s.MEMO_FLG_CAP, std::optional<std::string>("文字"));
    EXPECT_EQ(s.HASU_MODE, 2);                // "2" of "21"
    EXPECT_TRUE(s.exitConfirmation);
    EXPECT_EQ(s.verticalLinePosition, 15 * 14);
    EXPECT_EQ(s.partsButtonCaptions[2], "配管材料・継");  // 12 bytes
    EXPECT_EQ(s.partsButtonCaptions[4], "部品－Ⅴ");      // empty keeps the caption

    Estimate e;
    applyWindowCompanySettings(s, e);
    EXPECT_EQ(e.HASU_MODE, 2);
    for (const StringGrid* g : {&e.SG1, &e.SG2}) {
        EXPECT_EQ(g->cell(col::Description, 0), "品名・仕様・型番・メ");
        EXPECT_EQ(g->cell(col::Shape, 0), "寸法");
        EXPECT_EQ(g->cell(col::Memo, 0), "備考");
    }
}

TEST_F(WindowCompanySettingsTest, MemoHeadingFollowsTheMemoMode)
{
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        MemoMode mode;
        std::optional<std::string> heading, caption;
    };
    const Case cases[] = {
        {"text mode", {"[MEMO_数値]=数", "[MEMO]=字"}, MemoMode::Text, "字", "文字"},
        {"numeric mode", {"[MEMO]=字", "[MEMO_数値]=数"}, MemoMode::Numeric, "数", "数値"},
        {"numeric mode without its key", {"[MEMO]=字"}, MemoMode::Numeric, std::nullopt, std::nullopt},
        {"empty value empties the heading", {"[MEMO]="}, MemoMode::Text, "", "文字"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings("SET.INI", c.lines);
        const auto s = readWindowCompanySettings(dir_, 1, c.mode);
        EXPECT_EQ(s.memoHeading, c.heading);
        EXPECT_EQ(s.MEMO_FLG_CAP, c.caption);
    }
}

TEST_F(WindowCompanySettingsTest, SwitchValuesAndTheFirstLineOfAKey)
{
    struct Case {
        std::vector<std::string> lines;
        int hasu;
        bool confirm;
        int vertical;
    };
    const Case cases[] = {
        {{"[切捨て]=1"}, 1, false, 0},
        {{"[切捨て]=3"}, 0, false, 0},
        {{"[切捨て]=2", "[切捨て]=1"}, 2, false, 0},
        {{"[確認]=1x"}, 0, true, 0},
        {{"[確認]=0", "[確認]=1"}, 0, false, 0},
        {{"[縦線位置]=-3"}, 0, false, -42},
        {{"[縦線位置]=abc", "[縦線位置]=9"}, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.front());
        writeSettings("SET.INI", c.lines);
        const auto s = SET1_YOMIKOMI(dir_, MemoMode::Text);
        EXPECT_EQ(s.HASU_MODE, c.hasu);
        EXPECT_EQ(s.exitConfirmation, c.confirm);
        EXPECT_EQ(s.verticalLinePosition, c.vertical);
    }
}
