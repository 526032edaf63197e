// The option controls run the document's rules when clicked and show what the document holds.
#include "ui/support/WindowFixture.h"

#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace yorozu::test {
namespace {

using OptionsTest = WindowTest;

QAbstractButton* byName(OptionControls& o, const std::string& name)
{
    if (name == "SEIQ") return o.SEIQ;
    if (name == "NOHIN") return o.NOHIN;
    if (name == "GAISAN") return o.GAISAN;
    if (name == "TANKA") return o.TANKA;
    if (name == "GENKA_P") return o.GENKA_P;
    if (name == "UTIZEI") return o.UTIZEI;
    if (name == "HIKAZEI") return o.HIKAZEI;
    if (name == "GYOUKAN0") return o.GYOUKAN->button(0);
    if (name == "GYOUKAN2") return o.GYOUKAN->button(2);
    return nullptr;
}

// Each case clicks a sequence and then reads every box back from the screen,
// so a rule that changes the document without the boxes following fails too.
TEST_F(OptionsTest, ClicksApplyTheRulesAndTheBoxesFollow)
{
    struct Case {
        const char* name;
        std::vector<std::string> clicks;
        std::vector<std::string> checked; // the boxes ticked afterwards
        int gyoukan;
    };
    const Case cases[] = {
        {"invoice clears the approximate estimate", {"GAISAN", "SEIQ"}, {"SEIQ"}, 0},
        {"delivery note clears the invoice", {"SEIQ", "NOHIN"}, {"NOHIN"}, 0},
        {"unit-price estimate clears invoice and delivery", {"NOHIN", "TANKA"}, {"TANKA"}, 0},
        {"approximate clears unit-price", {"TANKA", "GAISAN"}, {"GAISAN"}, 0},
        {"cost print sets the wide spacing and clears the invoice", {"GYOUKAN2", "SEIQ", "GENKA_P"}, {"GENKA_P"}, 0},
        {"narrow spacing clears cost print", {"GENKA_P", "GYOUKAN2"}, {}, 2},
        {"cost print keeps the approximate estimate", {"GAISAN", "GENKA_P"}, {"GAISAN", "GENKA_P"}, 0},
        {"tax exempt clears inclusive tax", {"UTIZEI", "HIKAZEI"}, {"HIKAZEI"}, 0},
        {"inclusive tax clears tax exempt", {"HIKAZEI", "UTIZEI"}, {"UTIZEI"}, 0},
        {"clearing a box leaves the others", {"SEIQ", "SEIQ"}, {}, 0},
    };
    auto& win = start();
    auto& o = win.options();
    const std::vector<std::string> all = {"SEIQ", "NOHIN", "GAISAN", "TANKA", "GENKA_P", "UTIZEI", "HIKAZEI"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A clean state first: every box cleared, wide spacing.
        for (const auto& n : all)
            if (byName(o, n)->isChecked())
                byName(o, n)->click();
        o.GYOUKAN->button(0)->click();
        for (const auto& n : c.clicks)
            byName(o, n)->click();
        for (const auto& n : all) {
            const bool expected = std::find(c.checked.begin(), c.checked.end(), n) != c.checked.end();
            EXPECT_EQ(byName(o, n)->isChecked(), expected) << n;
        }
        EXPECT_EQ(o.GYOUKAN->checkedId(), c.gyoukan);
        EXPECT_EQ(doc().GYOUKAN, c.gyoukan);
        EXPECT_EQ(doc().SEIQ, o.SEIQ->isChecked());
        EXPECT_EQ(doc().GENKA_P, o.GENKA_P->isChecked());
    }
}

TEST_F(OptionsTest, SettingAnOptionInCodeShowsLikeAClick)
{
    auto& win = start();
    doc().setGAISAN(true);
    doc().setSEIQ(true);
    EXPECT_TRUE(win.options().SEIQ->isChecked());
    EXPECT_FALSE(win.options().GAISAN->isChecked());
    doc().setPRN_S(1);
    EXPECT_EQ(win.options().PRN_S->checkedId(), 1);
}

TEST_F(OptionsTest, ShapeBoxMovesWidthBetweenDescriptionAndShape)
{
    auto& win = start();
    auto& e = doc();
    win.options().Sunpou->click();
    EXPECT_FALSE(e.Sunpou);
    EXPECT_EQ(e.SG1.colWidth(col::Description), 223 + 128 + 1);
    EXPECT_TRUE(win.sheet().isColumnHidden(col::Shape));
    EXPECT_EQ(win.sheet().columnWidth(col::Description), 352);
    win.options().Sunpou->click();
    EXPECT_EQ(e.SG1.colWidth(col::Description), 176);
    EXPECT_EQ(e.SG1.colWidth(col::Shape), 174);
    EXPECT_FALSE(win.sheet().isColumnHidden(col::Shape));
}

TEST_F(OptionsTest, OrientationClickReadsTheOtherSettingsFile)
{
    writeFile("SET.INI", {"[TITLE]=工事名", "[切捨て]=1"});
    writeFile("SET3.INI", {"[TITLE]=件名"});
    auto& win = start();
    EXPECT_EQ(win.header().KoujiLabel->text(), "件名");
    win.options().MUKI->button(1)->click();
    EXPECT_EQ(doc().MUKI, 1);
    EXPECT_EQ(win.header().KoujiLabel->text(), "工事名");
    EXPECT_EQ(doc().HASU_MODE, 1);
    EXPECT_EQ(win.status().text(7), "切り上げ");
    win.options().MUKI->button(0)->click();
    EXPECT_EQ(win.header().KoujiLabel->text(), "件名");
    EXPECT_EQ(doc().HASU_MODE, 0);
}

TEST_F(OptionsTest, HeaderFieldsWriteThroughToTheDocument)
{
    auto& win = start();
    auto& h = win.header();
    h.Kouji->setText("倉庫改修工事");
    h.KNAME->setEditText("山田商店");
    h.DTP1->setDate(QDate(2024, 3, 31));
    EXPECT_EQ(doc().Kouji, "倉庫改修工事");
    EXPECT_EQ(doc().KNAME, "山田商店");
    EXPECT_EQ(doc().DTP1, (Date{2024, 3, 31}));
    EXPECT_EQ(h.TITLE->maxLength(), 230);
}

} // namespace
} // namespace yorozu::test
