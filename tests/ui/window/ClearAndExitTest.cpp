// Clearing the sheet and the exit commands, with their questions.
#include "ui/support/WindowFixture.h"

#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"

namespace yorozu::test {
namespace {

using ClearTest = WindowTest;
using Kind = ScriptedDialogs::Kind;

TEST_F(ClearTest, AnsweringNoKeepsTheEstimate)
{
    auto& win = start();
    fillLine(3, "配管", "1", "100");
    win.header().KNAME->setEditText("山田商店");
    dialogs.answers = {false};
    win.SpeedButton11Click(true);
    EXPECT_EQ(dialogs.texts(), QStringList{"白紙に戻します。"});
    EXPECT_EQ(doc().SG1.cell(col::Description, 3), "配管");
    EXPECT_EQ(doc().KNAME, "山田商店");
}

TEST_F(ClearTest, YesEmptiesSheetAndHeaderAndKeepsTheOptions)
{
    writeFile("BANGO.INI", {"501"});
    auto& win = start();
    auto& h = win.header();
    doc().SG1.setRowCount(40);
    fillLine(35, "配管", "1", "100");
    for (QLineEdit* f : {h.Kouji, h.TITLE, h.Bangou})
        f->setText("x");
    for (QComboBox* c : {h.KNAME, h.Nouki, h.Basyo, h.Joken, h.Kigen, h.Tanto})
        c->setEditText("y");
    h.DTP1->setDate(QDate(2020, 1, 2));
    doc().setSEIQ(true);
    win.sheet().setCurrentCell(10, 20);

    dialogs.answers = {true};
    win.SpeedButton11Click(true);

    const auto& e = doc();
    EXPECT_EQ(e.SG1.rowCount(), 31);
    EXPECT_EQ(e.SG1_END(), 0);
    EXPECT_EQ(e.SG1.cell(col::No, 30), "30");
    for (QLineEdit* f : {h.Kouji, h.TITLE})
        EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();
    for (QComboBox* c : {h.KNAME, h.Nouki, h.Basyo, h.Joken, h.Kigen, h.Tanto})
        EXPECT_TRUE(c->currentText().isEmpty()) << c->objectName().toStdString();
    EXPECT_TRUE(e.Tanto.empty());
    EXPECT_EQ(h.Bangou->text(), "501") << "the next number comes back";
    EXPECT_EQ(h.DTP1->date(), QDate::currentDate());
    EXPECT_TRUE(e.SEIQ) << "options keep their state";
    EXPECT_EQ(win.sheet().currentCol(), 1);
    EXPECT_EQ(win.sheet().currentGridRow(), 1);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

// Portrait only: the fraction mode of "SET3.INI" is offered back when it differs.
TEST_F(ClearTest, FractionModeQuestion)
{
    struct Case {
        const char* name;
        int muki;
        int current;
        std::vector<bool> answers;
        QStringList asked;
        int after;
    };
    const QString up = "端数処理を規定値( 切り上げ )に変更します。";
    const Case cases[] = {
        {"same mode asks nothing", 0, 1, {true}, {"白紙に戻します。"}, 1},
        {"different mode, Yes", 0, 2, {true, true}, {"白紙に戻します。", up}, 1},
        {"different mode, No", 0, 2, {true, false}, {"白紙に戻します。", up}, 2},
        {"landscape asks nothing", 1, 2, {true}, {"白紙に戻します。"}, 2},
    };
    writeFile("SET3.INI", {"[切捨て]=1"});
    writeFile("SET.INI", {"[切捨て]=2"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& win = start();
        doc().setMUKI(c.muki);
        doc().HASU_MODE = c.current;
        dialogs.reset();
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        win.SpeedButton11Click(true);
        EXPECT_EQ(dialogs.texts(), c.asked);
        EXPECT_EQ(doc().HASU_MODE, c.after);
        EXPECT_EQ(dialogs.unanswered, 0);
    }
}

class ExitTest : public WindowTest {
protected:
    TYorozu& startWith(bool confirmation)
    {
        writeFile("SET3.INI", {confirmation ? "[確認]=1" : "[確認]=0"});
        auto& win = start();
        win.commands().set(Command::Save, [this] { ++saves; });
        return win;
    }
    int saves = 0;
};

TEST_F(ExitTest, ExitButtonAsksAsTheSwitchAndTheSheetSay)
{
    struct Case {
        const char* name;
        bool confirmation;
        bool filled;
        bool customer;
        std::vector<bool> answers;
        QStringList asked;
        bool closed;
        int saves;
    };
    const QString quit = "終了します。", save = "保存しますか？";
    const Case cases[] = {
        {"switch off closes at once", false, true, false, {}, {}, true, 0},
        {"empty sheet: one question, then closed", true, false, false, {true}, {quit}, true, 0},
        {"No to the first question cancels", true, true, false, {false}, {quit}, false, 0},
        {"filled, Yes and Yes saves and stays open", true, true, false, {true, true}, {quit, save}, false, 1},
        {"filled, Yes and No closes without saving", true, true, false, {true, false}, {quit, save}, true, 0},
        {"a customer alone counts as filled", true, false, true, {true, false}, {quit, save}, true, 0},
    };
    // The title bar's close button is the same command as "終了": a close
    // the desktop asks for (QWidget::close) meets the same questions.
    for (const bool titleBar : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (titleBar ? " (title bar)" : " (button)"));
            saves = 0;
            std::filesystem::remove(dir() / "SET2.INI");
            auto& win = startWith(c.confirmation);
            if (c.filled)
                fillLine(2, "配管", "1", "100");
            if (c.customer)
                win.header().KNAME->setEditText("山田商店");
            dialogs.reset();
            dialogs.answers.assign(c.answers.begin(), c.answers.end());
            if (titleBar)
                win.close();
            else
                win.SpeedButton4Click();
            EXPECT_EQ(dialogs.texts(), c.asked);
            EXPECT_EQ(!win.isVisible(), c.closed);
            EXPECT_EQ(saves, c.saves);
            // Only a real close writes the settings.
            EXPECT_EQ(std::filesystem::exists(dir() / "SET2.INI"), c.closed);
        }
    }
}

TEST_F(ExitTest, CtrlOneNeverAsksAboutSaving)
{
    auto& win = startWith(true);
    fillLine(2, "配管", "1", "100");
    dialogs.answers = {true};
    win.Exit1Click();
    EXPECT_EQ(dialogs.texts(), QStringList{"終了します。"});
    EXPECT_FALSE(win.isVisible());
    EXPECT_EQ(saves, 0);
}

TEST_F(ExitTest, CtrlOneWithTheSwitchOffClosesWithoutAQuestion)
{
    auto& win = startWith(false);
    win.Exit1Click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(win.isVisible());
}

} // namespace
} // namespace yorozu::test
