// The browser through the window: opening, stepping, both searches, deleting
// files and folders, with every box answered from the script.
#include "ui/support/WindowFixture.h"

#include "files/estimate/EstimateLayout.h"
#include "ui/browser/Browser.h"
#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/FunctionKeys.h"
#include "ui/window/ToolBar.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace yorozu::test {
namespace {

namespace fs = std::filesystem;

class BrowserTest : public WindowTest {
protected:
    fs::path data() const { return dir() / "data"; }

    // Five estimates, oldest first, whose customers are "客0" to "客4".
    // `rows` gives the description of each file's first row.
    void writeEstimates(const std::vector<std::string>& rows = {"", "", "", "", ""})
    {
        fs::create_directories(data());
        for (size_t i = 0; i < rows.size(); ++i) {
            Estimate e;
            e.KNAME = "客" + std::to_string(i);
            e.TITLE = "見積" + std::to_string(i);
            if (!rows[i].empty()) {
                e.SG1.setCell(col::Description, 1, rows[i]);
                e.SG1.setCell(col::Quantity, 1, "1");
            }
            ASSERT_TRUE(writeTextLines(data() / name(static_cast<int>(i)), estimateFileLines(e, 0)).ok);
        }
    }
    static std::string name(int i) { return "2026120" + std::to_string(i + 1) + "120000_見積" + std::to_string(i) + ".qte"; }

    TYorozu& startInData()
    {
        writeFile("SET2.INI", {"[DATA_PATH]=" + data().string()});
        return start();
    }
    Browser& b() { return w().browser(); }
    void click(const char* toolButton) { w().toolBar().button(toolButton)->click(); }
    void setTerms(const std::vector<std::string>& terms)
    {
        for (size_t i = 0; i < 5; ++i)
            b().K[i]->setText(i < terms.size() ? QString::fromStdString(terms[i]) : QString());
    }
};

TEST_F(BrowserTest, StartsOnTheLastFileAndOpensTheSelectedOne)
{
    writeEstimates();
    auto& win = startInData();
    ASSERT_EQ(b().files().size(), 5u);
    EXPECT_EQ(win.state().currentFileIndex, 4);
    EXPECT_EQ(b().selectedPosition(), 4);
    EXPECT_EQ(win.DATA_PATH->text().toStdString(), data().string());
    EXPECT_GE(win.DATA_PATH->width(), 417);
    // The folder's line covers none of the fields the user types into.
    auto& h = win.header();
    for (QWidget* field : std::initializer_list<QWidget*>{h.KNAME, h.Kouji, h.TITLE, h.Nouki, h.Joken, h.Tanto,
                                                           static_cast<QWidget*>(&win.sheet()), win.keys().label(1)})
        EXPECT_FALSE(win.DATA_PATH->geometry().intersects(field->geometry())) << field->objectName().toStdString();

    click("SpeedButton3");
    EXPECT_TRUE(b().Panel6->isVisible());
    b().selectPosition(1);
    QTest::keyClick(b().FileListBox1, Qt::Key_Return);
    EXPECT_EQ(doc().KNAME, "客1");
    EXPECT_EQ(win.state().currentFile, data() / name(1));
    EXPECT_EQ(win.state().currentFileIndex, 1);
    EXPECT_FALSE(b().Panel6->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BrowserTest, StepsThroughTheFilesAndReopensTheEndOnes)
{
    writeEstimates();
    auto& win = startInData();
    click("SpeedButton9"); // "次" on the last file
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("最後です。")});
    EXPECT_EQ(doc().KNAME, "客4");
    EXPECT_EQ(win.state().currentFileIndex, 4);

    click("SpeedButton7");
    EXPECT_EQ(doc().KNAME, "客0");
    EXPECT_EQ(win.sheet().currentCol(), col::Cyu) << "an opened estimate puts the cursor on row 1, column 2";
    click("SpeedButton8");
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("先頭です。"));
    EXPECT_EQ(doc().KNAME, "客0");
    click("SpeedButton9");
    EXPECT_EQ(doc().KNAME, "客1");
    click("SpeedButton10");
    EXPECT_EQ(doc().KNAME, "客4");
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(BrowserTest, StepsAskFirstWhenTheSettingsSaySo)
{
    writeEstimates();
    writeFile("SET3.INI", {"[矢印ボタン確認]=1"});
    startInData();
    doc().KNAME = "編集中";
    dialogs.answers = {false};
    click("SpeedButton7");
    ASSERT_EQ(dialogs.texts(ScriptedDialogs::Kind::Question).size(), 1);
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Question).front().toStdString(), std::string(kStepQuestion));
    EXPECT_EQ(doc().KNAME, "編集中");
    dialogs.answers = {true};
    click("SpeedButton7");
    EXPECT_EQ(doc().KNAME, "客0");
}

TEST_F(BrowserTest, ContentSearchNeedsEveryTermAndOpensTheMatch)
{
    // "張替" is in a row of file 0 only; each customer line names its file.
    writeEstimates({"山田 張替", "山田", "", "", ""});
    startInData();
    click("SpeedButton19");
    EXPECT_TRUE(b().KensakuP->isVisible());
    setTerms({"客0", "", "張替"}); // the customer line and a row
    dialogs.answers = {true};
    b().SpeedButton58->click();
    EXPECT_EQ(b().examined(), (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(doc().KNAME, "客0");
    EXPECT_EQ(b().FileText->text(), QStringLiteral("現在ﾌｧｲﾙ№[ 1 ] / 見積総数[ 5 ]件"));

    // File 1 has the first term only.
    setTerms({"客1", "張替"});
    b().SpeedButton58->click(); // no answer left: the question says No
    EXPECT_EQ(doc().KNAME, "客0");
    dialogs.answers = {true};
    b().SpeedButton58->click();
    EXPECT_EQ(b().examined().size(), 5u);
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("該当する見積はありません。"));
}

TEST_F(BrowserTest, SearchesFromTheSelectionExamineOnlyTheirSide)
{
    writeEstimates();
    startInData();
    setTerms({"どこにもない"});
    b().selectPosition(2);
    b().SpeedButton28->click(); // "前検索": toward the newer files
    EXPECT_EQ(b().examined(), (std::vector<int>{3, 4}));
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("これ以上ありません。"));

    b().selectPosition(2);
    b().SpeedButton59->click(); // "次検索": toward the older files
    EXPECT_EQ(b().examined(), (std::vector<int>{1, 0}));
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("該当する見積はありません。"));

    b().selectPosition(4);
    b().SpeedButton28->click();
    EXPECT_TRUE(b().examined().empty());
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("これ以上はありません。"));
}

TEST_F(BrowserTest, EscStopsARunningSearch)
{
    writeEstimates();
    auto& win = startInData();
    setTerms({"どこにもない"});
    dialogs.answers = {true};
    // Pressed while the first file is examined: the search stops after it.
    QTimer::singleShot(0, &win, [&win] { QTest::keyClick(&win, Qt::Key_Escape); });
    b().SpeedButton58->click();
    EXPECT_EQ(b().examined(), (std::vector<int>{4}));
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("検索を中止しました。"));
    EXPECT_FALSE(win.state().escFlag);
}

TEST_F(BrowserTest, AnUnreadableFileEndsTheSearchSilently)
{
    writeEstimates();
    startInData();
    fs::remove(data() / name(3));
    fs::create_directory(data() / name(3)); // listed a moment ago, now not a file
    setTerms({"どこにもない"});
    dialogs.answers = {true};
    b().SpeedButton58->click();
    EXPECT_EQ(b().examined(), (std::vector<int>{4, 3}));
    EXPECT_EQ(dialogs.shown.size(), 1u); // the question only
}

TEST_F(BrowserTest, FileNameSearch)
{
    writeEstimates();
    startInData();
    // A term of the folder's path matches the first file examined, the newest.
    b().FN_FIND->setText(QString::fromStdString(data().filename().string()));
    QTest::keyClick(b().FN_FIND, Qt::Key_Return);
    EXPECT_EQ(b().examined(), (std::vector<int>{4}));
    EXPECT_EQ(b().Label29->text(), QStringLiteral("[ 5 / 5 ]"));
    EXPECT_EQ(doc().KNAME, "客4");

    b().FN_FIND->setText(QStringLiteral("見積1"));
    b().SpeedButton31->click();
    EXPECT_EQ(doc().KNAME, "客1");
    EXPECT_EQ(b().Label29->text(), QStringLiteral("[ 2 / 5 ]"));
    b().SpeedButton32->click(); // older: nothing else has it
    EXPECT_EQ(b().examined(), (std::vector<int>{0}));
    EXPECT_EQ(b().selectedPosition(), 1);
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("これ以上ありません。"));

    b().FN_FIND->setText(QStringLiteral("ない名前"));
    b().SpeedButton31->click();
    EXPECT_EQ(b().Label29->text(), QStringLiteral("[  / 5 ]"));
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("見つかりませんでした。"));

    b().SpeedButton34->click();
    EXPECT_TRUE(b().Label29->text().isEmpty());
    EXPECT_FALSE(b().KensakuP->isVisible());
}

TEST_F(BrowserTest, DeletingTheLastFileMovesItToTheTrashAndSelectsTheNewLast)
{
    writeEstimates();
    const auto trash = dir() / "share";
    fs::create_directories(trash);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(trash.string()));
    startInData();
    dialogs.answers = {true};
    b().MenuItem4Click();
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Question).front(),
              QString::fromStdString(name(4)) + QStringLiteral("を「ごみ箱」へ移動します。\r\nよろしいですか？"));
    ASSERT_EQ(b().files().size(), 4u);
    EXPECT_EQ(b().selectedPosition(), 3);
    EXPECT_TRUE(fs::exists(trash / "Trash" / "files" / name(4)));
    EXPECT_FALSE(fs::exists(data() / name(4)));

    dialogs.answers = {false};
    b().MenuItem4Click();
    EXPECT_EQ(b().files().size(), 4u);
}

TEST_F(BrowserTest, AFileTheTrashCannotTakeIsKept)
{
    writeEstimates();
    // A trash that cannot be made: its folder would sit below a plain file.
    std::ofstream(dir() / "plain") << "x";
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir() / "plain" / "share").string()));
    startInData();
    dialogs.answers = {true};
    b().MenuItem4Click();
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Warning), QStringList{trashRefusal(QString::fromStdString(name(4)))});
    EXPECT_TRUE(fs::exists(data() / name(4)));
    EXPECT_EQ(b().files().size(), 5u);
}

TEST_F(BrowserTest, FolderDeletionRefusesAFolderWithAFileAndListsTheBackups)
{
    writeEstimates();
    fs::create_directory(data() / "old");
    std::ofstream(data() / "old" / "memo.txt") << "x";
    std::ofstream(data() / "old" / "a.qtb") << "x";
    startInData();
    b().DirectoryListBox1Change(data() / "old");
    b().N82Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(
                                   "フォルダにファイルがあります。\r\n\r\nすべて削除してから再度実行してください")});
    EXPECT_EQ(b().mask(), "*.qtb;*.qtc");
    ASSERT_EQ(b().files().size(), 1u);
    EXPECT_EQ(b().files().front().filename(), "a.qtb");
    EXPECT_TRUE(fs::exists(data() / "old" / "memo.txt"));

    // An empty folder goes once asked; its parent becomes the data folder.
    fs::create_directory(data() / "empty");
    b().DirectoryListBox1Change(data() / "empty");
    EXPECT_EQ(b().mask(), "*.qte");
    dialogs.answers = {true};
    b().N82Click();
    EXPECT_EQ(dialogs.texts().back().toStdString(), "[ " + (data() / "empty").string() + " ]を削除します。");
    EXPECT_FALSE(fs::exists(data() / "empty"));
    EXPECT_EQ(w().state().dataPath, data().string());
    EXPECT_EQ(b().files().size(), 5u);
}

TEST_F(BrowserTest, NewSubfolderAndNetworkPath)
{
    writeEstimates();
    auto& win = startInData();
    b().MakeDir->setText(QStringLiteral("2027"));
    dialogs.answers = {true};
    b().SpeedButton21->click();
    EXPECT_EQ(dialogs.texts().back().toStdString(), data().string() + "/2027フォルダを作成します。\r\n\r\nよろしいですか？");
    EXPECT_TRUE(fs::is_directory(data() / "2027"));
    EXPECT_EQ(win.state().dataPath, (data() / "2027").string());
    EXPECT_TRUE(b().files().empty());
    EXPECT_EQ(win.state().currentFileIndex, -1);
    b().DirectoryListBox1Change(data());
    b().SpeedButton21->click();
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("そのフォルダはすでに存在します。\r\n"));

    b().NETPATH->setText(QStringLiteral("/mnt/no-such-share"));
    b().SpeedButton27->click();
    EXPECT_EQ(dialogs.texts().back(), QStringLiteral("ネットワークに接続されていません。"));
    b().NETPATH->setText(QString::fromStdString(data().string()));
    b().SpeedButton27->click();
    EXPECT_EQ(win.state().dataPath, data().string());
    EXPECT_EQ(b().files().size(), 5u);
}

TEST_F(BrowserTest, ASavedEstimateBecomesTheCurrentFile)
{
    writeEstimates();
    auto& win = startInData();
    doc().TITLE = "新規";
    doc().KNAME = "新しい客";
    win.toolBar().button("SpeedButton5")->click();
    ASSERT_EQ(b().files().size(), 6u);
    EXPECT_EQ(b().files()[static_cast<size_t>(win.state().currentFileIndex)], win.state().currentFile);
    EXPECT_EQ(win.state().currentFileIndex, 5);
}

TEST_F(BrowserTest, AFileFromTheCommandLineOpensWithItsFolder)
{
    writeEstimates();
    fs::create_directories(dir() / "other");
    writeFile("SET2.INI", {"[DATA_PATH]=" + (dir() / "other").string()});
    auto& win = start();
    EXPECT_TRUE(b().files().empty());
    EXPECT_TRUE(b().openFromCommandLine(data() / name(2)));
    EXPECT_EQ(win.state().dataPath, data().string());
    EXPECT_EQ(win.state().currentFileIndex, 2);
    EXPECT_EQ(doc().KNAME, "客2");
    EXPECT_FALSE(b().openFromCommandLine(data() / "missing.qte"));
}

} // namespace
} // namespace yorozu::test
