// The sheet, the total field and the status bar show what the document holds.
#include "ui/support/WindowFixture.h"

#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"

#include <QCheckBox>
#include <QLineEdit>

namespace yorozu::test {
namespace {

using TotalsDisplayTest = WindowTest;

TEST_F(TotalsDisplayTest, RecalculationFillsTheTotalFieldAndThePanels)
{
    auto& win = start();
    fillLine(1, "基礎工事", "2", "5000");
    doc().SG1.setCell(col::CostPrice, 1, "3500");
    win.options().HIKAZEI->click(); // a click recalculates
    win.options().HIKAZEI->click();
    const auto& e = doc();
    // Whatever the document computed is on screen, with the yen sign the fonts can draw.
    EXPECT_EQ(win.header().TOTALKIN->text(), screenText(e.TOTALKIN));
    for (int p = 2; p <= 6; ++p)
        EXPECT_EQ(win.status().text(p).toStdString(), e.panels[static_cast<size_t>(p)]) << p;
    EXPECT_EQ(win.status().text(7), "切捨て");
    EXPECT_EQ(win.header().TOTALKIN->text(), "¥10,000-");
    EXPECT_EQ(win.status().text(2), "消費税 = 500");
    EXPECT_EQ(win.status().text(3), "税込合計 = 10,500");
    EXPECT_EQ(win.status().text(4), "原価計 = 7,000");
    EXPECT_EQ(win.sheetModel().displayText(col::Amount, 1), "10,000");
}

TEST_F(TotalsDisplayTest, ActivationShowsTheDateAndProductInformation)
{
    auto& win = start();
    win.FormActivate();
    const QString today = QDate::currentDate().toString("yyyy/MM/dd");
    EXPECT_TRUE(win.status().text(1).startsWith(today + " (")) << win.status().text(1).toStdString();
    EXPECT_TRUE(win.status().text(1).endsWith("曜日)"));
    EXPECT_FALSE(win.status().text(2).isEmpty());
    EXPECT_TRUE(win.status().text(6).isEmpty());
}

TEST_F(TotalsDisplayTest, CellsShowInTheirDisplayForm)
{
    auto& win = start();
    auto& g = doc().SG1;
    g.setCell(col::Description, 1, "\\ 値引き");
    g.setCell(col::Quantity, 1, "1234.5");
    g.setCell(col::UnitPrice, 2, "-300");
    g.setCell(col::Rate, 1, "66.666");
    g.setCell(col::UnitPrice, 3, "abc");
    doc().notify(Change::Cells);
    auto& m = win.sheetModel();
    EXPECT_EQ(m.displayText(col::Description, 1), "¥ 値引き");
    EXPECT_EQ(m.displayText(col::Quantity, 1), "1,234.5");
    EXPECT_EQ(m.displayText(col::UnitPrice, 2), "-300");
    EXPECT_EQ(m.displayText(col::Rate, 1), "66.7%");
    EXPECT_EQ(m.displayText(col::Rate, 2), "");
    EXPECT_EQ(m.displayText(col::UnitPrice, 3), "abc") << "text that is no number shows as it is";
    // The model reads the grid: model row 0 is grid row 1.
    EXPECT_EQ(m.data(m.index(0, col::Quantity), Qt::EditRole).toString(), "1234.5");
    EXPECT_EQ(m.data(m.index(1, col::UnitPrice), Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_EQ(m.data(m.index(0, col::Quantity), Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 255));
    // Row 2 is striped, rows 1 and 3 are not; column 2 keeps its own colour.
    EXPECT_EQ(m.data(m.index(0, col::Description), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    EXPECT_EQ(m.data(m.index(1, col::Description), Qt::BackgroundRole).value<QBrush>().color(), QColor(209, 211, 254));
    EXPECT_EQ(m.data(m.index(1, col::Cyu), Qt::BackgroundRole).value<QBrush>().color(), QColor(157, 255, 255));
}

TEST_F(TotalsDisplayTest, TheCursorSurvivesAGrowingSheet)
{
    auto& win = start();
    win.sheet().setCurrentCell(10, 5);
    doc().SG1.setRowCount(10001);
    doc().SG1.renumber();
    doc().notify(Change::Cells);
    EXPECT_EQ(win.sheetModel().rowCount(), 10000);
    EXPECT_EQ(win.sheet().currentCol(), 10);
    EXPECT_EQ(win.sheet().currentGridRow(), 5);
    EXPECT_EQ(win.sheetModel().displayText(col::No, 10000), "10000");
    doc().SG1.setRowCount(31);
    doc().notify(Change::Cells);
    EXPECT_EQ(win.sheetModel().rowCount(), 30);
}

} // namespace
} // namespace yorozu::test
