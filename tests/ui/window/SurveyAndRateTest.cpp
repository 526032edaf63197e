// The 集計 command with its totals grid, and the rate conversion, on the real document.
#include "ui/support/WindowFixture.h"

#include "core/calc/RateConversion.h"
#include "ui/header/OptionControls.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/sheet/TotalsGrid.h"

#include <QApplication>
#include <QMap>

namespace yorozu::test {
namespace {

class SurveyTest : public WindowTest {
protected:
    void twoGroups()
    {
        auto& g = doc().SG1;
        g.setCell(col::Dai, 1, "A");
        g.setCell(col::Description, 1, "仮設工事");
        fillLine(2, "足場", "10", "1000");
        g.setCell(col::Dai, 3, "B");
        g.setCell(col::Description, 3, "屋根工事");
        fillLine(4, "鋼板葺き", "5", "3000");
    }
};

TEST_F(SurveyTest, TotalsGridShowsTheGroupsAndClosesOnTheRightButton)
{
    auto& win = start();
    twoGroups();
    auto& grid = win.totalsGrid();
    win.SpeedButton12Click();
    EXPECT_FALSE(grid.isShown()) << "the plain print kind has no totals";

    win.options().PRN_S->button(2)->click();
    win.SpeedButton12Click();
    ASSERT_TRUE(grid.isShown());
    EXPECT_TRUE(doc().SG_KEI_visible);
    EXPECT_TRUE(dialogs.shown.empty());
    // The groups with their sums, read through the grid's model.
    QStringList descriptions;
    QMap<QString, QString> sums;
    for (int r = 1; r < doc().SG_KEI.rowCount(); ++r) {
        const QString description = grid.model().displayText(col::Description, r);
        descriptions << description;
        sums[description] = grid.model().displayText(col::Amount, r);
    }
    EXPECT_TRUE(descriptions.contains("仮設工事")) << descriptions.join("|").toStdString();
    EXPECT_TRUE(descriptions.contains("屋根工事"));
    EXPECT_EQ(sums.value("仮設工事"), QStringLiteral("10,000"));
    EXPECT_EQ(sums.value("屋根工事"), QStringLiteral("15,000"));

    QTest::mouseClick(grid.view().viewport(), Qt::RightButton, {}, QPoint(50, 10));
    EXPECT_FALSE(grid.isShown());
    EXPECT_FALSE(doc().SG_KEI_visible);
}

TEST_F(SurveyTest, InclusiveTaxClosesTheTotalsGrid)
{
    auto& win = start();
    twoGroups();
    doc().setPRN_S(1);
    win.SpeedButton12Click();
    ASSERT_TRUE(win.totalsGrid().isShown());
    win.options().UTIZEI->click();
    EXPECT_FALSE(win.totalsGrid().isShown());
}

TEST_F(SurveyTest, TwoDiscountLinesAreRefused)
{
    auto& win = start();
    twoGroups();
    fillLine(5, "値引き", "1", "-100");
    doc().SG1.setCell(col::Dai, 5, "\\");
    fillLine(6, "値引き", "1", "-100");
    doc().SG1.setCell(col::Dai, 6, "\\");
    doc().setPRN_S(2);
    win.SpeedButton12Click();
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Information), QStringList{"値引きが複数あります。\r\n処理を中止します。"});
    EXPECT_FALSE(win.totalsGrid().isShown());
}

using RateTest = WindowTest;

TEST_F(RateTest, CostTimesMultiplierRewritesTheUnitPricesAfterYes)
{
    auto& win = start();
    fillLine(1, "配管", "2", "900");
    doc().SG1.setCell(col::CostPrice, 1, "1000");
    doc().KAKERITU = "1.25";
    doc().notify(Change::Options);

    dialogs.answers = {false};
    win.N76Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromStdString(rateConversionQuestion(doc()))});
    EXPECT_EQ(doc().SG1.cell(col::UnitPrice, 1), "900") << "No changes nothing";

    dialogs.answers = {true};
    win.N76Click();
    EXPECT_EQ(doc().SG1.cell(col::UnitPrice, 1), "1250");
    EXPECT_EQ(win.sheetModel().displayText(col::Amount, 1), "2,500");
}

} // namespace
} // namespace yorozu::test
