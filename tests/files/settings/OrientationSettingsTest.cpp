#include "files/settings/OrientationSettings.h"

#include "files/text/TextFile.h"

#include "files/support/SettingsTestDir.h"

using namespace yorozu;

namespace {

class OrientationSettingsTest : public yorozu::test::ProgramDirTest {
protected:
    void writeSettings(const char* name, const std::vector<std::string>& lines) const
    {
        ASSERT_TRUE(writeTextLines(dir_ / name, lines));
    }
};

} // namespace

// Each orientation reads its own file and never the other's: the two files
// below disagree on every key, so a reader that took the wrong file, or
// read a key from both, shows it.
TEST_F(OrientationSettingsTest, EachOrientationReadsItsOwnFile)
{
    writeSettings("SET.INI", {"[単価]=1", "[消費税]=True", "[つづく]=1", "[備考枠]=4", "[時間確認]=1",
                              "[経過時間]=15", "[切捨て]=2", "[MEMO]=ヨコ備考", "[MEMO_数値]=ヨコ数値"});
    writeSettings("SET3.INI", {"[単価]=0", "[消費税]=False", "[つづく]=0", "[備考枠]=2", "[時間確認]=0",
                               "[経過時間]=30", "[切捨て]=1", "[MEMO]=タテ備考", "[MEMO_数値]=タテ数値"});
    const auto landscape = OrientationSettings::ofMUKI(dir_, 1);
    const auto portrait = OrientationSettings::ofMUKI(dir_, 0);
    EXPECT_EQ(landscape.fileName(), "SET.INI");
    EXPECT_EQ(portrait.fileName(), "SET3.INI");
    EXPECT_EQ(OrientationSettings::ofMUKI(dir_, 7).fileName(), "SET3.INI") << "anything but 1 is portrait";

    const auto l = landscape.printCopy();
    EXPECT_TRUE(l.hideUnitPriceOfOne);
    EXPECT_TRUE(l.taxRows);
    EXPECT_TRUE(l.noContinuation);
    EXPECT_EQ(l.remarkRows, 4);
    const auto p = portrait.printCopy();
    EXPECT_FALSE(p.hideUnitPriceOfOne);
    EXPECT_FALSE(p.taxRows);
    EXPECT_FALSE(p.noContinuation);
    EXPECT_EQ(p.remarkRows, 2);

    EXPECT_TRUE(landscape.saveReminder().on);
    EXPECT_EQ(landscape.saveReminder().minutes, 15);
    EXPECT_FALSE(portrait.saveReminder().on);
    EXPECT_EQ(landscape.defaultHasuMode(), 2);
    EXPECT_EQ(portrait.defaultHasuMode(), 1);
    EXPECT_EQ(landscape.memoHeading(MemoMode::Text), "ヨコ備考");
    EXPECT_EQ(portrait.memoHeading(MemoMode::Numeric), "タテ数値");
    EXPECT_EQ(landscape.remarkRows(), 4);
    EXPECT_EQ(portrait.remarkRows(), 2);

    // The typed readings come from the same file.
    EXPECT_EQ(landscape.company(SettingsReader::Printing).remarkLines, 4);
    EXPECT_EQ(portrait.company(SettingsReader::Printing).remarkLines, 2);
    EXPECT_TRUE(landscape.window(MemoMode::Text).fileFound);
    EXPECT_EQ(landscape.window(MemoMode::Text).HASU_MODE, 2);
    EXPECT_EQ(portrait.window(MemoMode::Text).HASU_MODE, 1);
}

// Values the file may hold by hand: what each reading makes of them.
TEST_F(OrientationSettingsTest, UnusableValuesFallBack)
{
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        int hasuMode;
        int minutes;
        int remarkRows;
    };
    const Case cases[] = {
        {"missing file", {}, 0, 0, 0},
        {"fraction mode out of range", {"[切捨て]=3", "[経過時間]=abc", "[備考枠]=x"}, 0, 0, 0},
        {"negative fraction mode", {"[切捨て]=-1", "[経過時間]=+5", "[備考枠]= 3"}, 0, 5, 3},
        {"trailing text", {"[切捨て]=2 ", "[経過時間]=5分", "[備考枠]=3行"}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir_ / "SET3.INI");
        if (!c.lines.empty())
            writeSettings("SET3.INI", c.lines);
        const OrientationSettings s(dir_, Orientation::Portrait);
        EXPECT_EQ(s.defaultHasuMode(), c.hasuMode);
        EXPECT_EQ(s.saveReminder().minutes, c.minutes);
        EXPECT_FALSE(s.saveReminder().on);
        EXPECT_EQ(s.remarkRows(), c.remarkRows);
    }
}
