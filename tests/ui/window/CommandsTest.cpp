// The save reminder, closing, the manual and web-page buttons, the pick-list
// commands, the images and the application-wide error handler.
#include "ui/support/WindowFixture.h"

#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "ui/window/PickListCommands.h"
#include "ui/window/WindowRooms.h"

#include <QImage>

namespace yorozu::test {
namespace {

using Kind = ScriptedDialogs::Kind;

class ReminderTest : public WindowTest {
protected:
    int saves = 0;
};

TEST_F(ReminderTest, AsksOnlyForAFilledVisibleSheetAndNeverTwice)
{
    auto& win = start();
    win.commands().set(Command::Save, [this] { ++saves; });
    win.Timer1Timer();
    EXPECT_TRUE(dialogs.shown.empty()) << "an empty sheet is not worth a question";

    fillLine(4, "配管", "1", "100");
    int nested = 0;
    dialogs.onShow = [&](const ScriptedDialogs::Shown&) {
        // A tick while the question is open must not open a second one.
        EXPECT_TRUE(win.state().reminderOpen);
        ++nested;
        if (nested == 1)
            win.Timer1Timer();
    };
    dialogs.answers = {true};
    win.Timer1Timer();
    EXPECT_EQ(dialogs.texts(), QStringList{"保存しますか？"});
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(win.state().reminderOpen);

    dialogs.reset();
    dialogs.onShow = nullptr;
    dialogs.answers = {false};
    win.Timer1Timer();
    EXPECT_EQ(saves, 1) << "No saves nothing";
    win.hide();
    win.Timer1Timer();
    EXPECT_EQ(dialogs.shown.size(), 1u) << "a hidden window asks nothing";
}

using CloseTest = WindowTest;

TEST_F(CloseTest, ClosingWritesTheListsAndTheSettingsAndAsksNothing)
{
    writeFile("Kokyaku.LST", {"佐藤工務店"});
    auto& win = start();
    auto& h = win.header();
    h.KNAME->setEditText("山田商店");
    win.pickLists().customerAdd();
    win.pickLists().unitAdd("式");
    win.options().GYOUKAN->button(2)->click();
    win.keys().assign(7, 18);
    fillLine(1, "配管", "1", "100");
    int partsSaves = 0;
    win.hooks().partsSave = [&] { ++partsSaves; };

    win.close();

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(readFile("Kokyaku.LST"), (std::vector<std::string>{"山田商店", "佐藤工務店"}));
    EXPECT_EQ(readFile("Tani.LST"), (std::vector<std::string>{"式", ""}));
    for (const char* list : {"Nouki.LST", "Basyo.LST", "Joken.LST", "Kigen.LST", "Tanto.LST"})
        EXPECT_TRUE(std::filesystem::exists(dir() / list)) << list;
    const auto set2 = readFile("SET2.INI");
    ASSERT_FALSE(set2.empty());
    EXPECT_EQ(set2.front(), "[行間]=2");
    EXPECT_NE(std::find(set2.begin(), set2.end(), "[F7]=18"), set2.end());
    EXPECT_NE(std::find(set2.begin(), set2.end(), "[画面ワイド]=1024"), set2.end());
    EXPECT_EQ(partsSaves, 1);
    // In code page 932 with CR LF.
    EXPECT_EQ(bytes("Kokyaku.LST").substr(0, 10), std::string("\x8E\x52\x93\x63\x8F\xA4\x93\x58\r\n", 10));
}

TEST_F(CloseTest, AFailedWriteIsReportedOnceAndTheWindowStillCloses)
{
    auto& win = start();
    // A folder where a list file should be: that list cannot be written.
    std::filesystem::create_directory(dir() / "Kokyaku.LST");
    win.hooks().partsSave = [] { throw std::runtime_error("parts page"); };
    win.close();
    EXPECT_FALSE(win.isVisible());
    EXPECT_EQ(dialogs.texts(Kind::Warning), QStringList{"設定ファイルは保存できませんでした。\r\n"});
    EXPECT_EQ(dialogs.shown.size(), 1u);
    // The other files are still written.
    EXPECT_TRUE(std::filesystem::exists(dir() / "SET2.INI"));
    EXPECT_TRUE(std::filesystem::exists(dir() / "Tani.LST"));
}

using ButtonsTest = WindowTest;

TEST_F(ButtonsTest, ManualOpensWhenPresentAndIsReportedWhenNot)
{
    UrlRecorder urls;
    auto& win = start();
    win.SpeedButton16Click();
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{"解説書ファイルは組み込まれていません。\r\n\r\n"});
    EXPECT_TRUE(urls.opened.isEmpty());

    writeFile("Rakumi_MAN.htm", {"<html></html>"});
    dialogs.reset();
    win.SpeedButton16Click();
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened.front().toLocalFile().toStdString(), (dir() / "Rakumi_MAN.htm").string());
}

TEST_F(ButtonsTest, WebPageOpensOnlyAfterYes)
{
    UrlRecorder urls;
    auto& win = start();
    dialogs.answers = {false, true};
    win.SpeedButton25Click();
    EXPECT_TRUE(urls.opened.isEmpty());
    win.SpeedButton25Click();
    ASSERT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened.front(), QUrl(QString::fromLatin1(kHomePage)));
    EXPECT_EQ(dialogs.texts(Kind::Question).size(), 2);
}

TEST_F(ButtonsTest, RateConversionNeedsAMultiplier)
{
    auto& win = start();
    win.KAKERITU_IKATUClick();
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{"掛率が設定されていません。\r\n"});
}

TEST_F(ButtonsTest, TotalsByClassificationNeedsASurveyKindAndLines)
{
    auto& win = start();
    int built = 0;
    win.hooks().SYUKEI_MAKE = [&] { ++built; };
    win.SpeedButton12Click();
    EXPECT_EQ(built, 0) << "plain print kind";
    doc().setPRN_S(1);
    win.SpeedButton12Click();
    EXPECT_EQ(built, 0) << "no lines";
    fillLine(1, "配管", "1", "100");
    win.SpeedButton12Click();
    EXPECT_EQ(built, 1);
    EXPECT_TRUE(doc().SG_KEI_visible);
}

using PickListTest = WindowTest;

TEST_F(PickListTest, AddAndDeleteFollowTheChosenEntry)
{
    writeFile("Kokyaku.LST", {"佐藤工務店", "山田商店"});
    auto& win = start();
    auto* k = win.header().KNAME;
    auto& p = win.pickLists();

    k->setEditText("");
    p.customerAdd();
    EXPECT_EQ(k->count(), 2) << "an empty text is not added";

    // A typed text that happens to be listed was not chosen from the list.
    k->setEditText("山田商店");
    p.customerDelete();
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{"山田商店は登録がありません。"});
    EXPECT_EQ(k->count(), 2);

    const int at = k->findText("山田商店");
    k->setCurrentIndex(at);
    p.customerDelete();
    EXPECT_EQ(k->count(), 1);
    EXPECT_EQ(k->itemText(0), "佐藤工務店");
    EXPECT_EQ(k->currentText(), "山田商店") << "the field keeps its text";
}

TEST_F(PickListTest, SharedMenuActsOnTheFieldBeingEdited)
{
    auto& win = start();
    auto& h = win.header();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    h.Joken->setFocus();
    h.Joken->setEditText("月末締め翌月末払い");
    win.pickLists().pickAdd();
    EXPECT_EQ(h.Joken->count(), 1);
    EXPECT_EQ(h.Nouki->count(), 0);
    EXPECT_TRUE(h.isEditing(h.Joken));
    h.Kouji->setFocus();
    EXPECT_FALSE(h.isEditing(h.Joken)) << "leaving the field takes its colour";
    win.pickLists().pickAdd();
    EXPECT_EQ(h.Joken->count(), 1) << "no field is being edited";
}

TEST_F(PickListTest, EnteringAnEmptyRegistrationNameCopiesTheTitle)
{
    auto& win = start();
    auto& h = win.header();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    h.Kouji->setText("倉庫改修工事");
    h.TITLE->setFocus();
    EXPECT_EQ(h.TITLE->text(), "倉庫改修工事");
    EXPECT_EQ(doc().TITLE, "倉庫改修工事");
    h.TITLE->setText("別名");
    h.Kouji->setFocus();
    h.TITLE->setFocus();
    EXPECT_EQ(h.TITLE->text(), "別名");
}

using ImagesTest = WindowTest;

TEST_F(ImagesTest, OrientationChangeLoadsTheImagesItCan)
{
    QImage logo(8, 4, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(QString::fromStdString((dir() / "logo.bmp").string())));
    writeFile("broken.bmp", {"not a picture"});
    writeFile("SET3.INI", {"[LOGO_NAME]=" + (dir() / "logo.bmp").string(), "[KAKUIN_NAME]=broken.bmp",
                           "[IN_NAME]=missing.bmp", "[IN2_NAME]=logo.bmp"});
    auto& win = start();
    win.MUKIClick();
    const auto& im = win.state().images;
    EXPECT_EQ(im.LogoImage.size(), QSize(8, 4));
    EXPECT_TRUE(im.KakuinImage.isNull()) << "an unreadable file leaves the image empty";
    EXPECT_TRUE(im.InImage.isNull());
    EXPECT_EQ(im.In2Image.size(), QSize(8, 4)) << "a bare name is one of the program folder";
    EXPECT_TRUE(im.In3Image.isNull());
    EXPECT_TRUE(dialogs.shown.empty());

    // Landscape has no images: every one is emptied.
    win.options().MUKI->button(1)->click();
    EXPECT_TRUE(win.state().images.LogoImage.isNull());
}

using FailureTest = WindowTest;

TEST_F(FailureTest, AnErrorStopsTheCommandQuietlyAndKeepsEarlierChanges)
{
    writeFile("SET3.INI", {"[確認]=1"});
    auto& win = start();
    fillLine(1, "配管", "1", "100");
    int after = 0;
    win.commands().set(Command::Save, [&] {
        doc().Kouji = "changed before the failure";
        throw std::runtime_error("disk full");
        ++after;
    });
    dialogs.answers = {true, true};
    // Label 1 runs the exit with its questions, then the failing save.
    QTest::mouseClick(win.keys().label(1), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(), (QStringList{"終了します。", "保存しますか？"}));
    EXPECT_EQ(doc().Kouji, "changed before the failure");
    EXPECT_EQ(after, 0);
    EXPECT_TRUE(win.isVisible());
}

} // namespace
} // namespace yorozu::test
