// The settings dialog over the orientation's file: what it shows, what
// registering writes, and what it refuses to write.
#include "settings/support/DialogFixture.h"

#include "controls/numedit/SaNumEdit.h"
#include "core/copies/PrintCopy.h"
#include "files/settings/CompanySettingsFile.h"
#include "files/settings/CompanySettingsTable.h"
#include "files/settings/ReadSetting.h"
#include "settings/fields/FieldTable.h"
#include "settings/fields/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <set>

namespace yorozu::test {
namespace {

using Kind = ScriptedDialogs::Kind;

TEST(SettingsFieldTable, EveryKeyOfTheFileHasOneControlOfItsOwn)
{
    std::set<std::string_view> keys, names;
    for (const auto& f : settingsFields()) {
        EXPECT_TRUE(keys.insert(f.key).second) << "key twice: " << f.key;
        EXPECT_TRUE(names.insert(f.name).second) << "name twice: " << f.name;
    }
    ASSERT_EQ(keys.size(), kCompanySettingKeyCount);
    for (const auto& row : companySettingRows())
        EXPECT_TRUE(keys.count(row.key)) << "no control for " << row.key;
}

TEST_F(SettingsDialogTest, ShowsTheFileAsTheDialogReadsIt)
{
    writeFile("SET.INI", {"[社名]=有限会社よろず", "[社名LEFT]=-12", "[敬称]=殿", "[形状線種]=", "[データ表示数]=10",
                          "[TITLE印刷]=True", "[固定色]=255", "[経過時間]=0", "[TEL_UP]=9000"});
    writeFile("SET3.INI", {"[社名]=縦の会社"});
    open();
    EXPECT_EQ(edit("K_NAME")->text(), "有限会社よろず") << "landscape reads SET.INI";
    EXPECT_EQ(control<NumberField>("K_NAME_LEFT")->value(), -12);
    EXPECT_EQ(control<QComboBox>("keisyou")->currentText(), "様") << "an honorific added by hand shows as 様";
    EXPECT_EQ(control<QComboBox>("KEIJYOU_SENSYU")->currentText(), "破線") << "an empty style is dashed";
    EXPECT_EQ(control<NumberField>("REC_KAZU")->value(), 30) << "fewer than 30 records become 30";
    EXPECT_TRUE(control<QCheckBox>("TITLE_PRN")->isChecked());
    EXPECT_EQ(control<NumberField>("JIKAN_KAZU")->value(), 1) << "the interval's smallest value";
    EXPECT_EQ(control<NumberField>("tel_UP")->value(), 5000) << "offsets stay within their range";
    EXPECT_EQ(control<NumberField>("TATE")->value(), 0) << "the dialog's default rule width";
    EXPECT_EQ(control<NumberField>("MEMO_WIDTH")->value(), 27);
    EXPECT_EQ(edit("NOUKI")->text(), "納期");
    EXPECT_FALSE(control("MEMO_DISP")->isVisibleTo(&d())) << "kept but not shown";
    EXPECT_FALSE(control("REC_KAZU")->isVisibleTo(&d()));
}

TEST_F(SettingsDialogTest, PortraitReadsAndRegistersSet3WithItsOwnDefaults)
{
    open(Orientation::Portrait);
    EXPECT_EQ(control<NumberField>("MEMO_WIDTH")->value(), 20);
    type(edit("K_NAME"), QString::fromUtf8("縦型商店"));
    dialogs.answers = {true};
    EXPECT_TRUE(d().SpeedButton16Click());
    EXPECT_FALSE(std::filesystem::exists(dir() / "SET.INI"));
    EXPECT_EQ(ReadSetting(dir(), "SET3.INI", "[社名]="), "縦型商店");
    EXPECT_EQ(ReadSetting(dir(), "SET3.INI", "[MEMO_WIDTH]="), "20");
}

TEST_F(SettingsDialogTest, RegisterWritesEveryKeyAndTheNextPrintSeesTheChange)
{
    writeFile("SET.INI", {"[社名]=旧社名", "[備考枠]=3", "[消費税]=True"});
    open();
    edit("K_NAME")->clear();
    type(edit("K_NAME"), QString::fromUtf8("株式会社よろず工務店"));
    control<NumberField>("K_NAME_UP")->setValue(-7);
    control<QCheckBox>("TUZUKU")->setChecked(true);
    control<NumberField>("BIKOUWAKU")->setValue(5);
    dialogs.answers = {true};
    ASSERT_TRUE(d().SpeedButton16Click());

    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"設定を登録します。"});
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{"登録しました。"});
    const auto lines = readFile("SET.INI");
    ASSERT_EQ(lines.size(), kCompanySettingKeyCount);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind(companySettingRows()[i].key, 0), 0u) << "line " << i + 1 << " in file order";

    // What the printing reads from the file the dialog wrote.
    const auto printing = readCompanySettings(dir() / "SET.INI", Orientation::Landscape, SettingsReader::Printing);
    EXPECT_EQ(printing.companyName, "株式会社よろず工務店");
    EXPECT_EQ(printing.companyNameUp, -7);
    EXPECT_EQ(printing.verticalRuleWidth, 0) << "the dialog writes what it shows";
    const auto copy = PrintCopySettings::fromValues(
        ReadSetting(dir(), "SET.INI", "[単価]="), ReadSetting(dir(), "SET.INI", "[消費税]="),
        ReadSetting(dir(), "SET.INI", "[つづく]="), ReadSetting(dir(), "SET.INI", "[備考枠]="));
    EXPECT_TRUE(copy.taxRows);
    EXPECT_TRUE(copy.noContinuation);
    EXPECT_EQ(copy.remarkRows, 5);
    EXPECT_EQ(ReadSetting(dir(), "SET.INI", "[TITLE印刷]="), "Fale");
}

TEST_F(SettingsDialogTest, NoAtTheQuestionOrClosingOtherwiseLeavesEveryFileAsItWas)
{
    writeFile("SET.INI", {"[社名]=そのまま"});
    std::vector<std::string> large;
    for (int i = 1; i <= 25; ++i)
        large.push_back("部門" + std::to_string(i));
    writeFile("BUMON0.LST", large);
    const auto before = snapshot();

    struct Case {
        const char* name;
        std::function<void(TSetYorozu&)> close;
    };
    const std::vector<Case> cases{
        {"閉じる, No", [this](TSetYorozu& dlg) { dialogs.answers = {false}; dlg.SpeedButton4Click(); }},
        {"register, No", [this](TSetYorozu& dlg) { dialogs.answers = {false}; dlg.SpeedButton16Click(); dlg.reject(); }},
        {"Esc", [](TSetYorozu& dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); }},
        {"title bar", [](TSetYorozu& dlg) { dlg.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.reset();
        auto& dlg = open();
        type(edit("K_NAME"), QString::fromUtf8("変更"));
        c.close(dlg);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(snapshot(), before) << "opening and leaving without registering writes nothing";
        EXPECT_TRUE(dialogs.texts(Kind::Information).isEmpty());
    }
}

TEST_F(SettingsDialogTest, ByteLimitsHoldWhileTyping)
{
    open();
    struct Case {
        const char* field;
        const char* typed;
        const char* kept;
    } cases[] = {
        {"NOUKI", "abcdefghijkl", "abcdefghij"},     // 10 bytes
        {"NOUKI", "お届け予定日です", "お届け予定"},  // five double-byte characters
        {"NOUKI", "abcdefghi日", "abcdefghi"},      // one byte left is not half a character
        {"NOUKI", "ｶﾀｶﾅﾃﾞｽﾖﾈｴｴ", "ｶﾀｶﾅﾃﾞｽﾖﾈｴ"},       // half-width katakana are one byte each
        {"TEKIYOU", "品名・仕様・摘要の見出しです", "品名・仕様・摘要の見"}, // 20 bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        auto* e = edit(c.field);
        e->clear();
        type(e, QString::fromUtf8(c.typed));
        EXPECT_EQ(e->text(), QString::fromUtf8(c.kept));
    }
    // A paste that does not fit keeps what fits of it, at the cursor.
    auto* title = edit("TITLE");
    title->setText("タイ");
    title->setCursorPosition(1);
    title->insert("ABCDEFGHIJ");
    EXPECT_EQ(title->text(), "タABCDEFイ");
    auto* name = edit("SET_NAME");
    name->clear();
    name->insert(QString(150, QChar(u'あ')));
    EXPECT_EQ(name->text().size(), 50) << "the set's name holds 100 bytes";
}

TEST_F(SettingsDialogTest, CharactersTheFileCannotHoldAreNamedAndNothingIsWritten)
{
    writeFile("SET.INI", {"[社名]=旧社名"});
    const auto before = snapshot();
    open();
    d().activateWindow();
    d().pages().setCurrentIndex(3);
    edit("add")->setText("東京都𠮷野町1-2");
    dialogs.answers = {true};
    EXPECT_FALSE(d().SpeedButton16Click());
    ASSERT_EQ(dialogs.texts(Kind::Warning).size(), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Warning)[0].contains("𠮷"));
    EXPECT_TRUE(dialogs.texts(Kind::Warning)[0].contains("住所"));
    EXPECT_TRUE(dialogs.texts(Kind::Information).isEmpty());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(d().pages().currentIndex(), 0) << "the page of the field is shown";
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edit("add"));
}

TEST_F(SettingsDialogTest, AFailedSaveSaysSoAndClaimsNothing)
{
    // A folder where the file should be: the file cannot be replaced.
    std::filesystem::create_directories(dir() / "SET.INI" / "inside");
    open();
    EXPECT_EQ(dialogs.texts(Kind::Warning), QStringList{"設定ファイルを読み込めませんでした。\r\nSET.INI"});
    dialogs.reset();
    type(edit("K_NAME"), QString::fromUtf8("新社名"));
    dialogs.answers = {true};
    EXPECT_FALSE(d().SpeedButton16Click());
    EXPECT_EQ(dialogs.texts(Kind::Warning), QStringList{"設定ファイルは保存できませんでした。\r\n"});
    EXPECT_TRUE(dialogs.texts(Kind::Information).isEmpty());
    EXPECT_TRUE(std::filesystem::is_directory(dir() / "SET.INI" / "inside"));
}

TEST_F(SettingsDialogTest, RegisteringSwitchesTheSaveReminder)
{
    QTimer reminder;
    writeFile("SET.INI", {"[時間確認]=1", "[経過時間]=10"});
    open(Orientation::Landscape, &reminder);
    reminder.setInterval(10 * 60000);
    reminder.start();
    control<NumberField>("JIKAN_KAZU")->setValue(5);
    dialogs.answers = {true};
    ASSERT_TRUE(d().SpeedButton16Click());
    EXPECT_TRUE(reminder.isActive());
    EXPECT_EQ(reminder.interval(), 5 * 60000);

    control<QCheckBox>("JIKAN")->setChecked(false);
    dialogs.answers = {true};
    ASSERT_TRUE(d().SpeedButton16Click());
    EXPECT_FALSE(reminder.isActive());
}

TEST_F(SettingsDialogTest, EnterMovesOnAndTheFieldWithTheFocusIsYellow)
{
    open();
    d().activateWindow();
    auto* name = edit("K_NAME");
    name->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(Qt::yellow));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), name);
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(SettingsDialogTest, ChoosingTheDashedStyleGivesTheRuleAWidth)
{
    writeFile("SET.INI", {"[形状線種]=0", "[形状線]=0"});
    open();
    auto* style = control<QComboBox>("KEIJYOU_SENSYU");
    emit style->activated(1);
    EXPECT_EQ(control<NumberField>("KEIJYOU_SEN")->value(), 1);
}

} // namespace
} // namespace yorozu::test

namespace yorozu::test {
namespace {

TEST_F(SettingsDialogTest, NumberFieldsStayInTheirRangeAndStepWithTheArrowKeys)
{
    open();
    auto* left = control<NumberField>("K_NAME_LEFT");
    left->edit()->setFocus();
    QTest::keyClicks(left->edit(), "9999");
    EXPECT_EQ(left->edit()->Text(), "9999") << "four digits may be typed";
    QTest::keyClick(left->edit(), Qt::Key_Up);
    EXPECT_EQ(left->value(), 5000) << "a step brings the value back into the range";
    QTest::keyClick(left->edit(), Qt::Key_Down);
    EXPECT_EQ(left->value(), 4999);
    auto* lines = control<NumberField>("BIKOUWAKU");
    lines->edit()->setText("75");
    dialogs.answers = {true};
    ASSERT_TRUE(d().SpeedButton16Click());
    EXPECT_EQ(ReadSetting(dir(), "SET.INI", "[備考枠]="), "29") << "saved within 0 to 29";
    EXPECT_EQ(ReadSetting(dir(), "SET.INI", "[社名LEFT]="), "4999");
}

} // namespace
} // namespace yorozu::test
