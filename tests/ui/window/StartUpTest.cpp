// Start-up of the main window on an empty program folder and on one with settings.
#include "ui/support/WindowFixture.h"

#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace yorozu::test {
namespace {

using StartUpTest = WindowTest;

TEST_F(StartUpTest, EmptyFolderGivesANewSheetWithNothingAssigned)
{
    auto& win = start();
    auto& e = doc();

    // Thirty empty, numbered rows under the headings.
    EXPECT_EQ(e.SG1.rowCount(), 31);
    EXPECT_EQ(win.sheetModel().rowCount(), 30);
    for (int r = 1; r <= 30; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(e.SG1.cell(col::No, r), std::to_string(r));
        EXPECT_TRUE(e.rowIsEmpty(r));
    }
    EXPECT_EQ(e.SG1_END(), 0);
    EXPECT_EQ(win.sheetModel().headerData(col::Description, Qt::Horizontal, Qt::DisplayRole).toString(), "摘要");

    // The shape column is shown.
    EXPECT_TRUE(win.options().Sunpou->isChecked());
    EXPECT_FALSE(win.sheet().isColumnHidden(col::Shape));
    EXPECT_TRUE(win.sheet().isColumnHidden(4));

    // No function key, no hints, no reminder, nothing asked.
    for (int pos = 0; pos < FunctionKeys::kItems; ++pos)
        EXPECT_FALSE(win.keys().functionKeyOf(pos)) << pos;
    for (int n = 1; n <= 12; ++n)
        EXPECT_TRUE(win.keys().hint(n).isEmpty()) << n;
    EXPECT_FALSE(win.Timer1->isActive());
    EXPECT_FALSE(win.state().exitConfirmation);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts().join("|").toStdString();

    // Defaults of the labels, the fraction mode and the date.
    EXPECT_EQ(win.header().KoujiLabel->text(), "タイトル");
    EXPECT_EQ(win.status().text(7), "切捨て");
    EXPECT_EQ(win.header().DTP1->date(), QDate::currentDate());
    EXPECT_TRUE(win.header().Bangou->text().isEmpty());

    // The start-up width profile is created with the default content; the widths stay.
    EXPECT_EQ(readFile("SEL_WIDTH2.INI").front(), "[形状]=1");
    EXPECT_EQ(e.SG1.colWidth(col::Description), 223);
    EXPECT_EQ(win.sheet().columnWidth(col::Description), 223);
}

TEST_F(StartUpTest, SettingsFilesShapeTheWindow)
{
    writeFile("SET.INI", {"[TITLE]=件名", "[納期]=納入日", "[切捨て]=2", "[確認]=1", "[時間確認]=1", "[経過時間]=5",
                          "[MEMO]=備考", "[摘要]=品名"});
    writeFile("SET2.INI", {"[行間]=1", "[種別]=2", "[掛率]=1.25", "[F3]=15", "[ST15_HINT]=F-3"});
    writeFile("SEL_WIDTH2.INI", {"[形状]=1", "0=25", "1=20", "2=20", "3=20", "4=-1", "5=-1", "6=-1", "7=300", "8=-1",
                                 "9=128", "10=50", "11=40", "13=60", "14=70", "15=70", "16=39", "17=60"});
    writeFile("Kokyaku.LST", {"山田商店", "", "佐藤工務店"});
    writeFile("Tani.LST", {"式", "個"});
    writeFile("BANGO.INI", {"12345"});

    auto& win = start();
    auto& e = doc();
    auto& h = win.header();

    // Portrait settings started as a copy of the landscape ones, and are the ones in force.
    EXPECT_EQ(bytes("SET3.INI"), bytes("SET.INI"));
    EXPECT_EQ(e.MUKI, 0);

    // Labels from the settings, each 4 pixels left of its field.
    EXPECT_EQ(h.KoujiLabel->text(), "件名");
    EXPECT_EQ(h.KoujiLabel->geometry().right() + 1, h.Kouji->x() - 4);
    EXPECT_EQ(h.NoukiLabel->text(), "納入日");
    EXPECT_EQ(h.NoukiLabel->geometry().right() + 1, h.Nouki->x() - 4);
    EXPECT_EQ(h.BasyoLabel->text(), "納入場所");

    // Headings, fraction mode, exit switch and the reminder.
    EXPECT_EQ(win.sheetModel().headerData(col::Description, Qt::Horizontal, Qt::DisplayRole).toString(), "品名");
    EXPECT_EQ(e.SG1.cell(col::Memo, 0), "備考");
    EXPECT_EQ(e.HASU_MODE, 2);
    EXPECT_EQ(win.status().text(7), "四捨五入");
    EXPECT_TRUE(win.state().exitConfirmation);
    EXPECT_TRUE(win.Timer1->isActive());
    EXPECT_EQ(win.Timer1->interval(), 5 * 60000);

    // "SET2.INI": options, the multiplier, the function key and the hint.
    EXPECT_EQ(win.options().GYOUKAN->checkedId(), 1);
    EXPECT_EQ(win.options().PRN_S->checkedId(), 2);
    EXPECT_EQ(e.KAKERITU, "1.25");
    EXPECT_EQ(win.keys().positionOf(3), 15);
    EXPECT_EQ(win.keys().hint(9), "F-3");

    // The start-up profile: its widths, and a column without a line is hidden.
    EXPECT_EQ(e.SG1.colWidth(col::Description), 300);
    EXPECT_EQ(win.sheet().columnWidth(col::Description), 300);
    EXPECT_TRUE(win.sheet().isColumnHidden(col::UnitPrice));

    // Pick lists: the customer list sorted on loading, empty lines kept; the number.
    QStringList customers;
    for (int i = 0; i < h.KNAME->count(); ++i)
        customers << h.KNAME->itemText(i);
    EXPECT_EQ(customers.size(), 3);
    EXPECT_TRUE(customers.contains("山田商店"));
    EXPECT_TRUE(customers.contains(""));
    EXPECT_LT(customers.indexOf(""), customers.indexOf("山田商店"));
    EXPECT_TRUE(h.KNAME->currentText().isEmpty()) << "loading a list never fills the field";
    EXPECT_EQ(win.CB1->count(), 2);
    EXPECT_EQ(h.Bangou->text(), "12345");
    EXPECT_EQ(e.Bangou, "12345");
}

TEST_F(StartUpTest, UnusableDataFolderIsReportedAndTheStartUpFolderKept)
{
    writeFile("SET2.INI", {"[DATA_PATH]=/no/such/folder/here"});
    auto& win = start();
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Information),
              QStringList{"前回使用ディレクトリを設定出来ませんでした。\r\n起動ディレクトリを使用します。"});
    EXPECT_EQ(win.state().dataPath, std::filesystem::current_path().string());
}

// The start-up profile has the last word on the shape column: a missing
// profile ticks it whatever "SET2.INI" said, a profile with "[形状]=0" clears it.
TEST_F(StartUpTest, StartUpProfileDecidesTheShapeColumn)
{
    struct Case {
        const char* name;
        bool profile;
        bool shown;
        int descriptionWidth;
    };
    const Case cases[] = {{"no profile", false, true, 247}, {"profile without shape", true, false, 400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir() / "SEL_WIDTH2.INI");
        writeFile("SET2.INI", {"[寸法]=0"});
        if (c.profile)
            writeFile("SEL_WIDTH2.INI", {"[形状]=0", "0=25", "1=20", "2=20", "3=20", "4=-1", "5=-1", "6=-1", "7=400",
                                         "8=-1", "9=-1", "10=50", "11=40", "12=60", "13=60", "14=70", "15=70", "16=39",
                                         "17=60"});
        auto& win = start();
        EXPECT_EQ(win.options().Sunpou->isChecked(), c.shown);
        EXPECT_EQ(win.sheet().isColumnHidden(col::Shape), !c.shown);
        EXPECT_EQ(doc().SG1.colWidth(col::Description), c.descriptionWidth);
    }
}

TEST_F(StartUpTest, ReminderNeedsAUsableInterval)
{
    struct Case {
        const char* minutes;
        bool active;
    };
    const Case cases[] = {{"10", true}, {"0", false}, {"", false}, {"abc", false}, {"-5", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.minutes);
        writeFile("SET3.INI", {"[時間確認]=1", std::string("[経過時間]=") + c.minutes});
        auto& win = start();
        EXPECT_EQ(win.Timer1->isActive(), c.active);
    }
    writeFile("SET3.INI", {"[時間確認]=0", "[経過時間]=10"});
    EXPECT_FALSE(start().Timer1->isActive()) << "switched off";
}

} // namespace
} // namespace yorozu::test
