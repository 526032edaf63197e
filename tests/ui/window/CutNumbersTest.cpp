// Figures too long for their place are never shown with digits cut off: in
// the sheet's cells, the total field and the status panels.
#include "ui/support/WindowFixture.h"

#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetDelegate.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStatusBar>
#include <QToolTip>

namespace yorozu::test {
namespace {

using CutNumbersTest = WindowTest;

// The text's width in a widget's font against the room the widget gives it.
int advance(const QWidget* widget, const QString& text)
{
    return QFontMetrics(widget->font()).horizontalAdvance(text);
}

TEST_F(CutNumbersTest, AHugeLineShowsEveryDigitOrHashesWithTheFigureInTheTooltip)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    fillLine(1, "巨大", "999999999", "999999999");
    doc().SG1.setCell(col::CostPrice, 1, "999999999");
    win.recalculateAll();
    auto& sheet = win.sheet();
    QAbstractItemModel* model = sheet.model();
    int shrunkOrHashed = 0;
    for (const int c : {col::Quantity, col::UnitPrice, col::CostPrice, col::Amount, col::CostTotal}) {
        SCOPED_TRACE(c);
        const QModelIndex index = model->index(0, c);
        const QString text = index.data(Qt::DisplayRole).toString();
        ASSERT_FALSE(text.isEmpty());
        QStyleOptionViewItem option;
        option.rect = sheet.visualRect(index);
        option.font = sheet.font();
        const auto font = SheetDelegate::cellFont(option, index);
        if (font) {
            // Drawn whole, 2 pixels in from the left and 4 from the right.
            EXPECT_LE(QFontMetrics(*font).horizontalAdvance(text), option.rect.width() - 6) << text.toStdString();
        }
        if (!font || *font != sheet.font()) {
            ++shrunkOrHashed;
            // The tooltip gives the full figure.
            QHelpEvent help(QEvent::ToolTip, option.rect.center(), sheet.viewport()->mapToGlobal(option.rect.center()));
            QApplication::sendEvent(sheet.viewport(), &help);
            EXPECT_EQ(QToolTip::text(), text);
            QToolTip::hideText();
        }
    }
    EXPECT_GE(shrunkOrHashed, 2) << "the amount and the cost total need it";

    // The total field shows its "¥" and its last digit.
    auto* total = win.header().TOTALKIN;
    ASSERT_TRUE(total->text().startsWith(QStringLiteral("¥")));
    EXPECT_LE(advance(total, total->text()), total->width() - 12) << total->text().toStdString();
    EXPECT_EQ(total->toolTip(), total->text());

    // Every status panel holds its text within its own width.
    for (int p = 1; p <= 7; ++p) {
        SCOPED_TRACE(p);
        auto* panel = win.statusBar()->findChild<QLabel*>(QStringLiteral("panel%1").arg(p));
        ASSERT_TRUE(panel);
        EXPECT_LE(advance(panel, panel->text()), panel->contentsRect().width()) << panel->text().toStdString();
    }
}

TEST_F(CutNumbersTest, AnOrdinaryFigureKeepsTheSheetsFont)
{
    auto& win = start();
    fillLine(1, "配管", "12", "3500");
    win.recalculateAll();
    auto& sheet = win.sheet();
    const QModelIndex index = sheet.model()->index(0, col::Amount);
    QStyleOptionViewItem option;
    option.rect = sheet.visualRect(index);
    option.font = sheet.font();
    EXPECT_EQ(SheetDelegate::cellFont(option, index), sheet.font());
    EXPECT_EQ(win.header().TOTALKIN->font().pixelSize(), 16);
}

} // namespace
} // namespace yorozu::test
