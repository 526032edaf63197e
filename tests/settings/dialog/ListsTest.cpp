// The classification names page of the settings dialog.
#include "settings/support/DialogFixture.h"

#include "settings/lists/ClassificationLists.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace yorozu::test {
namespace {

using Kind = ScriptedDialogs::Kind;

std::vector<std::string> numbered(const std::string& stem, int n)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back(stem + std::to_string(i));
    return lines;
}

TEST_F(SettingsDialogTest, TheLargeListOpensFirstAndSavesItsFirstTwentyWhenChanged)
{
    writeFile("BUMON0.LST", numbered("部門", 25));
    open();
    auto& lists = d().lists();
    EXPECT_EQ(lists.BUMON_NO(), 0);
    EXPECT_EQ(lists.editor()->document()->blockCount(), 20);
    EXPECT_EQ(lists.button(1)->text(), "部門1") << "the small-list buttons carry the large names";
    EXPECT_EQ(readFile("BUMON0.LST").size(), 25u) << "opening does not rewrite the list";

    auto* editor = lists.editor();
    editor->moveCursor(QTextCursor::Start);
    type(editor, QString::fromUtf8("電気"));
    lists.button(3)->click();
    const auto saved = readFile("BUMON0.LST");
    ASSERT_EQ(saved.size(), 20u);
    EXPECT_EQ(saved[0], "電気部門1");
    EXPECT_EQ(saved[19], "部門20");
    EXPECT_EQ(lists.button(1)->text(), "電気部門1");
    EXPECT_EQ(lists.BUMON_NO(), 3);
    EXPECT_TRUE(editor->toPlainText().isEmpty()) << "no page list yet for department 3";
}

TEST_F(SettingsDialogTest, SmallListsSaveOnSwitchingAndOnTheirCloseButton)
{
    open();
    auto& lists = d().lists();
    lists.button(2)->click();
    lists.editor()->setPlainText("配線\n照明\n");
    lists.button(5)->click();
    EXPECT_EQ(readFile("BUMON2.LST"), (std::vector<std::string>{"配線", "照明"}));
    lists.editor()->setPlainText("外構");
    d().findChild<QPushButton*>("BUMON_CLOSE")->click();
    EXPECT_EQ(readFile("BUMON5.LST"), std::vector<std::string>{"外構"});
    EXPECT_EQ(lists.BUMON_NO(), ClassificationLists::kNone);
    EXPECT_TRUE(lists.editor()->isHidden());
    EXPECT_FALSE(std::filesystem::exists(dir() / "BUMON0.LST")) << "the large list was never changed";
}

TEST_F(SettingsDialogTest, CloseWithNoKeepsWhatSwitchingSavedButNotTheListStillOpen)
{
    open();
    auto& lists = d().lists();
    lists.button(1)->click();
    lists.editor()->setPlainText("空調");
    lists.button(2)->click();
    lists.editor()->setPlainText("給排水");
    dialogs.answers = {false};
    d().SpeedButton4Click();
    EXPECT_EQ(readFile("BUMON1.LST"), std::vector<std::string>{"空調"});
    EXPECT_FALSE(std::filesystem::exists(dir() / "BUMON2.LST"));
    EXPECT_FALSE(std::filesystem::exists(dir() / "SET.INI"));
}

TEST_F(SettingsDialogTest, RegisterSavesTheListBeingEditedAndRefusesWhatCannotBeStored)
{
    open();
    auto& lists = d().lists();
    lists.button(4)->click();
    lists.editor()->setPlainText("塗装\n防水");
    dialogs.answers = {true};
    ASSERT_TRUE(d().SpeedButton16Click());
    EXPECT_EQ(readFile("BUMON4.LST"), (std::vector<std::string>{"塗装", "防水"}));
    EXPECT_EQ(lists.BUMON_NO(), 0) << "registering goes back to the large list";

    const auto before = snapshot();
    lists.editor()->setPlainText("𩸽の仕入");
    dialogs.reset();
    dialogs.answers = {true};
    EXPECT_FALSE(d().SpeedButton16Click());
    ASSERT_EQ(dialogs.texts(Kind::Warning).size(), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Warning)[0].contains("𩸽"));
    EXPECT_EQ(snapshot(), before) << "neither the settings nor the list were written";

    lists.button(1)->click();
    EXPECT_EQ(lists.BUMON_NO(), 0) << "a list that cannot be saved stays in the editor";
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace yorozu::test
