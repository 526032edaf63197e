// The five slots, the colour, font and picture choices of the settings dialog.
#include "settings/support/DialogFixture.h"

#include "files/settings/CompanySettingsTable.h"
#include "files/settings/ReadSetting.h"
#include "settings/fields/ColourSwatch.h"
#include "settings/fields/NumberField.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace yorozu::test {
namespace {

using Kind = ScriptedDialogs::Kind;

TEST_F(SettingsDialogTest, SlotOneWantsANameTheOthersDoNot)
{
    open();
    d().activateWindow();
    edit("SET_NAME")->clear();
    d().slotMenu(1)->findChild<QAction*>("N2")->trigger();
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{"設定名を入力してください。\r\n\r\n"});
    EXPECT_TRUE(dialogs.texts(Kind::Question).isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir() / "1_SET.INI"));
    QApplication::processEvents();
    EXPECT_TRUE(edit("SET_NAME")->hasFocus());

    dialogs.reset();
    dialogs.answers = {true};
    d().slotMenu(3)->findChild<QAction*>("N6")->trigger();
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"設定３を保存します。\r\n\r\n部門・分類名は保存しません。"});
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{"登録しました。"});
    EXPECT_EQ(readFile("3_SET.INI").size(), kCompanySettingKeyCount);
    EXPECT_FALSE(std::filesystem::exists(dir() / "SET.INI")) << "a slot save is not a register";

    dialogs.reset();
    type(edit("SET_NAME"), QString::fromUtf8("事務所のプリンタ"));
    dialogs.answers = {true};
    d().saveSlot(1);
    EXPECT_EQ(dialogs.texts(Kind::Question),
              QStringList{"設定１を保存します。\r\n\r\n設定名「 事務所のプリンタ 」\r\n\r\n部門・分類名は保存しません。"});
    EXPECT_EQ(ReadSetting(dir(), "1_SET.INI", "[設定名]="), "事務所のプリンタ");
}

TEST_F(SettingsDialogTest, LoadingASlotFillsTheControlsAndWritesNothing)
{
    writeFile("SET3.INI", {"[社名]=今の設定", "[タテ線]=4", "[MEMO_PRN]=1"});
    writeFile("2_SET3.INI", {"[社名]=二番の設定", "[タテ線]=2"});
    open(Orientation::Portrait);
    const auto before = snapshot();

    dialogs.answers = {true};
    d().loadSlot(2);
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"設定２を読込みます。\r\n\r\n部門・分類名は対象外です。"});
    EXPECT_EQ(edit("K_NAME")->text(), "二番の設定");
    EXPECT_EQ(control<NumberField>("TATE")->value(), 2);
    EXPECT_FALSE(control<QCheckBox>("MEMO_PRN")->isChecked()) << "every box as the slot says";

    // A slot never saved gives the dialog's defaults.
    dialogs.answers = {true};
    d().loadSlot(5);
    EXPECT_EQ(edit("K_NAME")->text(), "");
    EXPECT_EQ(control<NumberField>("TATE")->value(), 0);
    EXPECT_EQ(control<NumberField>("MEMO_WIDTH")->value(), 20);
    EXPECT_EQ(edit("TITLE")->text(), "タイトル");
    EXPECT_EQ(snapshot(), before);

    dialogs.answers = {false};
    edit("K_NAME")->setText("手入力");
    d().loadSlot(2);
    EXPECT_EQ(edit("K_NAME")->text(), "手入力") << "No keeps the controls";
}

TEST_F(SettingsDialogTest, ColourButtonsAskThenPickOnTheSwatch)
{
    writeFile("SET.INI", {"[固定色]=16777215", "[小計色]=255"});
    open();
    // A white swatch opens the colour dialog on black.
    dialogs.answers = {true};
    dialogs.colors = {QColor(0, 128, 255)};
    control<QPushButton>("KOTEI_IRO_BTN")->click();
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"印刷時の社名などの色を設定します。\r\n\r\n"});
    EXPECT_EQ(dialogs.texts(Kind::Color), QStringList{"#000000"});
    EXPECT_EQ(control<ColourSwatch>("KOTEI_IRO")->value(), 0xFF8000) << "red in the low byte";

    dialogs.reset();
    dialogs.answers = {true};
    dialogs.colors = {std::nullopt};
    control<QPushButton>("SYOKEI_IRO_BTN")->click();
    EXPECT_EQ(dialogs.texts(Kind::Color), QStringList{"#ff0000"});
    EXPECT_EQ(control<ColourSwatch>("SYOKEI_IRO")->value(), 255) << "cancel keeps the colour";

    dialogs.reset();
    dialogs.answers = {false};
    control<QPushButton>("KEI_IRO_BTN")->click();
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"印刷時の合計行の色を設定します。\r\n\r\n"});
    EXPECT_TRUE(dialogs.texts(Kind::Color).isEmpty());

    dialogs.reset();
    dialogs.answers = {true};
    ASSERT_TRUE(d().SpeedButton16Click());
    EXPECT_EQ(ReadSetting(dir(), "SET.INI", "[固定色]="), std::to_string(0xFF8000));
}

TEST_F(SettingsDialogTest, FontButtonsOpenOnTheFieldsAndWriteThemBack)
{
    writeFile("SET.INI", {"[DATAfont名]=IPAMincho", "[DATAfontSize]="});
    open();
    QFont chosen(QStringLiteral("IPAGothic"));
    chosen.setPointSize(14);
    dialogs.fonts = {chosen};
    control<QPushButton>("DATA_FONT_BTN")->click();
    EXPECT_EQ(dialogs.texts(Kind::Font), QStringList{"IPAMincho"});
    EXPECT_EQ(edit("DATA_FONT")->text(), "IPAGothic");
    EXPECT_EQ(control<NumberField>("DATA_SIZE")->value(), 14);
    EXPECT_EQ(edit("KOTEI_FONT")->text(), "") << "the other fonts stay";
}

TEST_F(SettingsDialogTest, PictureFieldsChooseAndTheirCaptionsClear)
{
    writeFile("SET.INI", {"[LOGO_NAME]=/img/logo.bmp", "[IN2_NAME]=/img/in2.bmp"});
    open();
    d().pages().setCurrentIndex(6);
    // A right click on the frame around the caption asks about its own field only.
    dialogs.answers = {true};
    auto* frame = control("IN2_NAME_FRAME");
    QTest::mouseClick(frame, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"個人印鑑２を印字させなくします。"});
    EXPECT_EQ(edit("IN2_NAME")->text(), "");
    EXPECT_EQ(edit("LOGO_NAME")->text(), "/img/logo.bmp");

    d().pages().setCurrentIndex(0);
    dialogs.reset();
    dialogs.answers = {false};
    QTest::mouseClick(control<QLabel>("LOGO_NAME_CAP"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"ロゴマークを印字させなくします。"});
    EXPECT_EQ(edit("LOGO_NAME")->text(), "/img/logo.bmp") << "No keeps it";

    dialogs.reset();
    dialogs.files = {"/img/new-logo.bmp"};
    QTest::mouseClick(edit("LOGO_NAME"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(Kind::OpenFile).size(), 1);
    EXPECT_EQ(edit("LOGO_NAME")->text(), "/img/new-logo.bmp");
    dialogs.files = {""};
    QTest::mouseClick(edit("LOGO_NAME"), Qt::LeftButton);
    EXPECT_EQ(edit("LOGO_NAME")->text(), "/img/new-logo.bmp") << "cancel keeps the file";
}

} // namespace
} // namespace yorozu::test
