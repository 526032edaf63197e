// Saving from the window: the refusal, the file in the data folder, the next number, the text export.
#include "ui/support/WindowFixture.h"

#include "ui/header/HeaderFields.h"
#include "ui/window/PickListCommands.h"
#include "ui/window/ToolBar.h"

#include <QStatusBar>
#include <QToolButton>

#include <QApplication>

namespace yorozu::test {
namespace {

class SaveTest : public WindowTest {
protected:
    TYorozu& startWithDataFolder()
    {
        std::filesystem::create_directory(dir() / "data");
        writeFile("SET2.INI", {"[DATA_PATH]=" + (dir() / "data").string()});
        writeFile("BANGO.INI", {"12345"});
        return start();
    }
    std::vector<std::filesystem::path> savedFiles() const
    {
        std::vector<std::filesystem::path> out;
        for (const auto& e : std::filesystem::directory_iterator(dir() / "data"))
            out.push_back(e.path());
        return out;
    }
};

TEST_F(SaveTest, AnEmptyRegistrationNameIsRefusedAndTheNameFieldFocused)
{
    auto& win = startWithDataFolder();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    win.header().Kouji->setFocus();
    win.toolBar().button("SpeedButton5")->click();
    ASSERT_EQ(dialogs.texts(ScriptedDialogs::Kind::Information).size(), 1);
    EXPECT_TRUE(savedFiles().empty());
    EXPECT_EQ(QApplication::focusWidget(), win.header().TITLE);
    EXPECT_EQ(readFile("BANGO.INI"), std::vector<std::string>{"12345"});
}

TEST_F(SaveTest, SaveWritesTheEstimateAndAdvancesTheNumber)
{
    auto& win = startWithDataFolder();
    fillLine(1, "配管", "1", "100");
    win.header().TITLE->setText("倉庫改修");
    win.runMenuItem(4); // Ctrl+3
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts().join("|").toStdString();
    const auto files = savedFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files.front().extension(), ".qte");
    EXPECT_NE(files.front().filename().string().find("倉庫改修"), std::string::npos);
    EXPECT_EQ(readFile("BANGO.INI"), std::vector<std::string>{"12346"});
    EXPECT_EQ(win.state().currentFile, files.front());

    // Saving again offers to replace the same estimate; clearing forgets it.
    dialogs.answers = {true};
    win.runMenuItem(4);
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Question).size(), 1);
    EXPECT_EQ(savedFiles().size(), 1u);
    dialogs.answers = {true};
    win.SpeedButton11Click(true);
    EXPECT_TRUE(win.state().currentFile.empty());
}

// The clerk sees what was written: the file's name in the status bar.
TEST_F(SaveTest, TheSavedFileIsNamedInTheStatusBar)
{
    auto& win = startWithDataFolder();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    fillLine(1, "配管", "1", "100");
    win.header().TITLE->setText("倉庫改修");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::ControlModifier);
    const auto files = savedFiles();
    ASSERT_EQ(files.size(), 1u);
    const QString message = win.statusBar()->currentMessage();
    EXPECT_TRUE(message.contains(QString::fromStdString(files.front().filename().string())))
        << message.toStdString();
    EXPECT_TRUE(message.startsWith("登録しました")) << message.toStdString();
}

// An emoji in a cell: the message says where, and the replace question of a
// second save is never asked for a save that cannot happen.
TEST_F(SaveTest, AnUnsavableCharacterIsNamedWithItsPlaceBeforeAnyQuestion)
{
    auto& win = startWithDataFolder();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    fillLine(1, "配管", "1", "100");
    win.header().TITLE->setText("倉庫改修");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::ControlModifier);
    ASSERT_EQ(savedFiles().size(), 1u);
    const auto before = bytes("BANGO.INI");

    fillLine(2, "笑顔😀", "1", "100");
    dialogs.reset();
    dialogs.answers = {true};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Question).isEmpty()) << "nothing asked first";
    const auto warnings = dialogs.texts(ScriptedDialogs::Kind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("😀"));
    EXPECT_TRUE(warnings[0].contains("2行目の「摘要」")) << warnings[0].toStdString();
    EXPECT_EQ(savedFiles().size(), 1u);
    EXPECT_EQ(bytes("BANGO.INI"), before) << "a refused save takes no number";
}

TEST_F(SaveTest, TextExportGoesIntoTheProgramFolder)
{
    auto& win = startWithDataFolder();
    win.header().TITLE->setText("控え");
    win.runMenuItem(1); // Ctrl+0
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Information), QStringList{"出力しました。"});
    int exported = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir()))
        if (e.path().extension() == ".qte")
            ++exported;
    EXPECT_EQ(exported, 1);
}

} // namespace
} // namespace yorozu::test

namespace yorozu::test {
namespace {

using NumberMenuTest = WindowTest;

TEST_F(NumberMenuTest, StoringTheNumberTurnsNumberingOnAndNewTakesItBack)
{
    auto& win = start();
    win.header().Bangou->setText("A-12");
    win.pickLists().N53Click();
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Information), QStringList{"10001より開始します。\r\n"});
    EXPECT_EQ(readFile("BANGO.INI"), std::vector<std::string>{"10001"});
    win.header().Bangou->setText("draft");
    win.pickLists().bangouNew();
    EXPECT_EQ(win.header().Bangou->text(), "10001");
}

} // namespace
} // namespace yorozu::test
