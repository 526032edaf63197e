// The parts panel in the real window: opening it, picking parts with the
// keys, the mouse and by dragging, switching pages, editing the catalogue.
#include "ui/support/WindowFixture.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "ui/header/HeaderFields.h"
#include "ui/parts/PartsPanel.h"
#include "ui/window/CommandTable.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace yorozu::test {
namespace {

class PartsPanelTest : public WindowTest {
protected:
    // A catalogue of two departments; page (1, 1) holds five parts.
    void writeCatalogue()
    {
        writeFile("BUMON0.LST", {"金物", "塗装"});
        writeFile("BUMON1.LST", {"ボルト類", "ナット類"});
        writeFile("BUHIN1_1.LST", {"1,,,,,,,ボルト,,M8,,本,120,80,,,66.6,", "2,,,,,,,ナット,,M8,,個,30,20,,,66.6,",
                                   "3,,,,,,,ワッシャー,1,M8,,個,10,6,,,60.0,", "4,,,,,,,アンカー,,M10,,本,300,210,,,70.0,",
                                   "5,,,,,,,キャップ,,φ8,,個,5,3,,,60.0,"});
        writeFile("BUHIN1_2.LST", {"1,,,,,,,ペンキ,,1L,,缶,1500,1000,,,66.6,"});
    }

    TYorozu& startActive()
    {
        auto& win = start();
        win.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&win));
        return win;
    }
    PartsPanel& parts() { return *w().partsPanel(); }
    QToolButton* toolButton(const char* name) { return w().findChild<QToolButton*>(QString::fromLatin1(name)); }

    // The centre of a cell of the sheet or the grid, in its viewport.
    static QPoint cellCentre(SheetView& view, int c, int gridRow) { return view.cellRect(c, gridRow).center(); }

    // Clicks a part of the grid, as the user picks one.
    void clickPart(int row)
    {
        QTest::mouseClick(parts().SG2->viewport(), Qt::LeftButton, {}, cellCentre(*parts().SG2, col::Description, row));
    }

    // A press on one widget, a drag and a release over another: the events
    // go to the pressed widget, as the pointer grab sends them.
    void drag(QWidget* from, QPoint fromPos, QWidget* onto, QPoint ontoPos)
    {
        const QPoint g0 = from->mapToGlobal(fromPos);
        const QPoint g1 = onto->mapToGlobal(ontoPos);
        auto send = [from](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(from->mapFromGlobal(global)), QPointF(global), button, buttons, {});
            QApplication::sendEvent(from, &e);
        };
        send(QEvent::MouseButtonPress, g0, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, g0 + QPoint(8, 8), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, g1, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, g1, Qt::LeftButton, Qt::NoButton);
    }
};

TEST_F(PartsPanelTest, TheToolbarButtonOpensTheFirstPageAndClosesThePanel)
{
    writeCatalogue();
    auto& win = startActive();
    EXPECT_FALSE(parts().isShown());
    QTest::mouseClick(toolButton("SpeedButton23"), Qt::LeftButton);
    ASSERT_TRUE(parts().isShown());
    EXPECT_TRUE(parts().BUMON_Bar->isVisible());
    EXPECT_TRUE(parts().BUHIN_Bar->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), parts().SG2);
    EXPECT_EQ(doc().SG2.cell(col::Description, 1), "ボルト");
    EXPECT_EQ(parts().BUMON_BTN[1]->text(), "塗装");
    EXPECT_EQ(parts().BUHIN_BTN[0]->text(), "ボルト類");
    EXPECT_TRUE(parts().BUMON_BTN[0]->isChecked());
    // The grid lies on the window's right, 10 pixels inside it.
    const QRect g = parts().SG2->geometry();
    EXPECT_EQ(g.top(), 147);
    EXPECT_EQ(g.height(), 496);
    EXPECT_EQ(g.right() + 1, win.centralWidget()->width() - 10);
    EXPECT_EQ(parts().BUMON_Bar->geometry().right(), g.right());

    QTest::mouseClick(toolButton("SpeedButton23"), Qt::LeftButton);
    EXPECT_FALSE(parts().isShown());
    EXPECT_FALSE(parts().inUse());
}

TEST_F(PartsPanelTest, EnterCopiesAPartAboveTheSheetLineAndAutomaticCloseReturnsAtTheLineEnd)
{
    writeCatalogue();
    auto& win = startActive();
    auto& ed = win.sheetEditor();
    fillLine(3, "既存の行", "2", "500");
    ed.moveTo(col::Description, 3);
    win.commands().run(Command::PartsPanel);
    clickPart(2);
    QTest::keyClick(parts().SG2, Qt::Key_Return);
    const auto& s = doc().SG1;
    EXPECT_EQ(s.cell(col::Description, 3), "ナット");
    EXPECT_EQ(s.cell(col::Unit, 3), "個");
    EXPECT_EQ(s.cell(col::UnitPrice, 3), "30");
    EXPECT_EQ(s.cell(col::Quantity, 3), "");
    EXPECT_EQ(s.cell(col::Description, 4), "既存の行");
    EXPECT_EQ(s.rowCount(), 32);
    // Closed, with the quantity editor open on the new line.
    EXPECT_FALSE(parts().isShown());
    EXPECT_TRUE(parts().inUse());
    EXPECT_EQ(win.sheet().currentCol(), col::Quantity);
    EXPECT_EQ(QApplication::focusWidget(), ed.NumEdit1);

    // The quantity, then Enter at the end of the line: the panel is back.
    QTest::keyClicks(ed.NumEdit1, QStringLiteral("4"));
    EXPECT_EQ(s.cell(col::Amount, 3), "120");
    ed.moveTo(col::Memo, 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(parts().isShown());
    EXPECT_EQ(QApplication::focusWidget(), parts().SG2);
}

TEST_F(PartsPanelTest, WithAutomaticCloseOffPartsPickedOneAfterAnotherLandInReverseOrder)
{
    writeCatalogue();
    auto& win = startActive();
    auto& ed = win.sheetEditor();
    ed.moveTo(col::Description, 2);
    win.commands().run(Command::PartsPanel);
    QTest::mouseClick(parts().AUTOBTN, Qt::LeftButton);
    EXPECT_EQ(parts().AUTOBTN->text(), "切");
    for (int part = 1; part <= 3; ++part) {
        SCOPED_TRACE(part);
        clickPart(part);
        QTest::keyClick(parts().SG2, Qt::Key_Space);
        EXPECT_TRUE(parts().isShown());
        QWidget* f = QApplication::focusWidget();
        EXPECT_TRUE(f == ed.Edit1 || f == ed.NumEdit1 || f == &win.sheet());
    }
    const auto& s = doc().SG1;
    EXPECT_EQ(s.cell(col::Description, 2), "ワッシャー");
    EXPECT_EQ(s.cell(col::TaxExempt, 2), "1");
    EXPECT_EQ(s.cell(col::Description, 3), "ナット");
    EXPECT_EQ(s.cell(col::Description, 4), "ボルト");
}

TEST_F(PartsPanelTest, ADoubleClickInNextRowModePutsThePartBelowTheCursor)
{
    writeCatalogue();
    auto& win = startActive();
    auto& ed = win.sheetEditor();
    fillLine(5, "元の5行目", "", "");
    ed.moveTo(col::Description, 4);
    win.commands().run(Command::PartsPanel);
    QTest::mouseClick(parts().INSBTN, Qt::LeftButton);
    EXPECT_EQ(parts().INSBTN->text(), "次");
    clickPart(4);
    QTest::mouseDClick(parts().SG2->viewport(), Qt::LeftButton, {}, cellCentre(*parts().SG2, col::Description, 4));
    const auto& s = doc().SG1;
    EXPECT_EQ(s.cell(col::Description, 5), "アンカー");
    EXPECT_EQ(s.cell(col::Description, 6), "元の5行目");
    EXPECT_EQ(win.sheet().currentGridRow(), 5);
    EXPECT_EQ(win.sheet().currentCol(), col::Quantity);
    EXPECT_EQ(QApplication::focusWidget(), ed.NumEdit1);
    EXPECT_FALSE(parts().isShown());

    // On the last row the sheet grows by one numbered row.
    const int last = s.rowCount() - 1;
    ed.moveTo(col::Description, last);
    win.commands().run(Command::PartsPanel);
    clickPart(1);
    QTest::mouseDClick(parts().SG2->viewport(), Qt::LeftButton, {}, cellCentre(*parts().SG2, col::Description, 1));
    EXPECT_EQ(s.rowCount(), last + 2);
    EXPECT_EQ(s.cell(col::Description, last + 1), "ボルト");
    EXPECT_EQ(s.cell(col::No, last + 1), std::to_string(last + 1));
}

TEST_F(PartsPanelTest, EscHidesThePanelWhichStillComesBackUntilTheCommandStopsIt)
{
    writeCatalogue();
    auto& win = startActive();
    auto& ed = win.sheetEditor();
    win.commands().run(Command::PartsPanel);
    QTest::keyClick(parts().SG2, Qt::Key_Escape);
    EXPECT_FALSE(parts().isShown());
    EXPECT_TRUE(parts().inUse());
    ed.moveTo(col::Memo, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(parts().isShown());

    // The command closes it for good.
    win.commands().run(Command::PartsPanel);
    EXPECT_FALSE(parts().inUse());
    ed.moveTo(col::Memo, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(parts().isShown());
}

TEST_F(PartsPanelTest, PageButtonsWriteThePageShownAndComeBackToTheRowLeft)
{
    writeCatalogue();
    auto& win = startActive();
    win.commands().run(Command::PartsPanel);
    clickPart(4);
    doc().SG2.setCell(col::UnitPrice, 1, "130");
    QTest::mouseClick(parts().BUHIN_BTN[1], Qt::LeftButton);
    EXPECT_EQ(doc().SG2.cell(col::Description, 1), "ペンキ");
    EXPECT_TRUE(parts().BUHIN_BTN[1]->isChecked());
    EXPECT_FALSE(parts().BUHIN_BTN[0]->isChecked());
    EXPECT_EQ(readFile("BUHIN1_1.LST")[0], "1,,,,,,,ボルト,,M8,,本,130,80,,,66.6,");
    QTest::mouseClick(parts().BUHIN_BTN[0], Qt::LeftButton);
    EXPECT_EQ(parts().SG2->currentGridRow(), 4);
    EXPECT_EQ(QApplication::focusWidget(), parts().SG2);

    // Department 2 has no page list: its page captions are empty.
    QTest::mouseClick(parts().BUMON_BTN[1], Qt::LeftButton);
    EXPECT_EQ(parts().catalogue().department(), 2);
    EXPECT_EQ(parts().BUHIN_BTN[0]->text(), "");
    EXPECT_EQ(doc().SG2.rowCount(), 31);
}

TEST_F(PartsPanelTest, APartDraggedOntoTheSheetIsInsertedAtTheRowUnderThePointer)
{
    writeCatalogue();
    auto& win = startActive();
    fillLine(3, "元の3行目", "", "");
    win.sheetEditor().moveTo(col::Description, 3);
    win.commands().run(Command::PartsPanel);
    clickPart(2);
    auto& sheet = win.sheet();
    drag(parts().SG2->viewport(), cellCentre(*parts().SG2, col::Description, 2), sheet.viewport(),
         cellCentre(sheet, col::Description, 3));
    const auto& s = doc().SG1;
    EXPECT_EQ(s.cell(col::Description, 3), "ナット");
    EXPECT_EQ(s.cell(col::Shape, 3), "M8");
    EXPECT_EQ(s.cell(col::CostPrice, 3), "20");
    EXPECT_EQ(s.cell(col::Quantity, 3), "");
    EXPECT_EQ(s.cell(col::Description, 4), "元の3行目");
    EXPECT_EQ(sheet.currentGridRow(), 4);

    // Released over the sheet's headings, nothing is inserted.
    drag(parts().SG2->viewport(), cellCentre(*parts().SG2, col::Description, 2), sheet.horizontalHeader(),
         QPoint(100, 5));
    EXPECT_EQ(s.rowCount(), 32);
}

TEST_F(PartsPanelTest, ASheetLineDraggedOntoTheGridBecomesAPartWithItsCostRatio)
{
    writeCatalogue();
    auto& win = startActive();
    auto& ed = win.sheetEditor();
    auto& s = doc().SG1;
    s.setCell(col::Description, 2, "配管工事");
    s.setCell(col::Unit, 2, "式");
    s.setCell(col::UnitPrice, 2, "1000");
    s.setCell(col::CostPrice, 2, "700");
    doc().notify(Change::Cells);
    win.commands().run(Command::PartsPanel);
    ed.moveTo(col::Description, 2);
    ASSERT_TRUE(ed.Edit1->isVisible());
    auto& grid = *parts().SG2;
    drag(ed.Edit1, QPoint(10, 5), grid.viewport(), cellCentre(grid, col::Description, 2));
    const auto& g = doc().SG2;
    EXPECT_EQ(g.cell(col::Description, 2), "配管工事");
    EXPECT_EQ(g.cell(col::Unit, 2), "式");
    EXPECT_EQ(g.cell(col::Rate, 2), "70.0");
    EXPECT_EQ(g.cell(col::Description, 3), "ナット");
    EXPECT_EQ(g.rowCount(), 32);
    // Kept in the catalogue at the next switch.
    QTest::mouseClick(parts().BUHIN_BTN[1], Qt::LeftButton);
    EXPECT_EQ(readFile("BUHIN1_1.LST")[1], "2,,,,,,,配管工事,,,,式,1000,700,,,70.0,");
}

TEST_F(PartsPanelTest, EditModeTypesPricesAndTheCostRatioFollows)
{
    writeCatalogue();
    auto& win = startActive();
    win.commands().run(Command::PartsPanel);
    parts().SG2->setCurrentCell(col::Description, 7);
    parts().ON1Click();
    ASSERT_EQ(QApplication::focusWidget(), parts().Edit2);
    QTest::keyClicks(parts().Edit2, QStringLiteral("Pipe"));
    QTest::keyClick(parts().Edit2, Qt::Key_Return);
    EXPECT_EQ(parts().SG2->currentCol(), col::Shape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("m"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), parts().NumEdit2);
    QTest::keyClicks(parts().NumEdit2, QStringLiteral("1000"));
    QTest::keyClick(parts().NumEdit2, Qt::Key_Return);
    QTest::keyClicks(parts().NumEdit2, QStringLiteral("700"));
    const auto& g = doc().SG2;
    EXPECT_EQ(g.cell(col::Description, 7), "Pipe");
    EXPECT_EQ(g.cell(col::Unit, 7), "m");
    EXPECT_EQ(g.cell(col::UnitPrice, 7), "1000");
    EXPECT_EQ(g.cell(col::Rate, 7), "70.0");
    QTest::keyClick(parts().NumEdit2, Qt::Key_Return);
    EXPECT_EQ(parts().SG2->currentGridRow(), 8);
    EXPECT_EQ(parts().SG2->currentCol(), col::Description);

    // Off again: whole rows, no editor, the grid holds the focus.
    parts().OFF1Click();
    EXPECT_FALSE(parts().EditP2->isVisible());
    EXPECT_FALSE(parts().NumP2->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), parts().SG2);
}

TEST_F(PartsPanelTest, InsertKeepsAPartTogetherAndSortPutsTheNamesInOrder)
{
    writeCatalogue();
    auto& win = startActive();
    win.commands().run(Command::PartsPanel);
    clickPart(2);
    parts().N35Click();
    const auto& g = doc().SG2;
    EXPECT_EQ(g.cell(col::Description, 2), "");
    EXPECT_EQ(g.cell(col::Description, 3), "ナット");
    EXPECT_EQ(g.cell(col::UnitPrice, 3), "30");
    EXPECT_EQ(g.rowCount(), 32);

    parts().N73Click();
    const std::vector<std::string> names{"アンカー", "キャップ", "ナット", "ボルト", "ワッシャー"};
    for (int r = 1; r < g.rowCount(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(g.cell(col::Description, r), r <= 5 ? names[static_cast<size_t>(r - 1)] : "");
        EXPECT_EQ(g.cell(col::No, r), std::to_string(r));
    }
    EXPECT_EQ(g.cell(col::UnitPrice, 1), "300");
}

TEST_F(PartsPanelTest, NarrowBarsShowTwelveButtonsAndTheSwitchGoesRound)
{
    writeFile("SET2.INI", {"[分類幅]=1"});
    auto& win = startActive();
    win.commands().run(Command::PartsPanel);
    auto visibleButtons = [this] {
        int n = 0;
        for (auto* b : parts().BUHIN_BTN)
            n += b->isVisible();
        return n;
    };
    EXPECT_EQ(parts().BUMON_Bar->width(), 632);
    EXPECT_EQ(visibleButtons(), 12);
    const int right = parts().BUMON_Bar->geometry().right();
    const std::pair<int, int> round[] = {{997, 20}, {715, 14}, {632, 12}};
    for (const auto& [width, buttons] : round) {
        QTest::mouseClick(parts().KIRIKAE_BTN, Qt::LeftButton);
        EXPECT_EQ(parts().BUMON_Bar->width(), width);
        EXPECT_EQ(parts().BUHIN_Bar->width(), width);
        EXPECT_EQ(visibleButtons(), buttons);
        EXPECT_EQ(parts().BUMON_Bar->geometry().right(), right);
    }
    // Two rows of buttons.
    EXPECT_EQ(parts().BUHIN_BTN[5]->y(), parts().BUHIN_BTN[0]->y());
    EXPECT_GT(parts().BUHIN_BTN[6]->y(), parts().BUHIN_BTN[0]->y());
}

TEST_F(PartsPanelTest, ClosingWritesThePageAndTheModes)
{
    auto& win = startActive();
    win.close();
    // Never opened: the grid goes to the page of department 0, page 0.
    const auto page = readFile("BUHIN0_0.LST");
    ASSERT_EQ(page.size(), 30u);
    EXPECT_EQ(page[29], "30,,,,,,,,,,,,,,,,,");
    const auto set2 = readFile("SET2.INI");
    // No "[分類幅]=" at start gave the middle bars.
    for (const char* line : {"[Pin]=1", "[INS_MODE]=1", "[分類幅]=2"})
        EXPECT_NE(std::find(set2.begin(), set2.end(), line), set2.end()) << line;
}

TEST_F(PartsPanelTest, ModesChangedInThePanelAreStoredAtClose)
{
    auto& win = startActive();
    win.commands().run(Command::PartsPanel);
    QTest::mouseClick(parts().AUTOBTN, Qt::LeftButton);
    QTest::mouseClick(parts().INSBTN, Qt::LeftButton);
    QTest::mouseClick(parts().KIRIKAE_BTN, Qt::LeftButton); // middle to narrow
    win.close();
    const auto set2 = readFile("SET2.INI");
    for (const char* line : {"[Pin]=0", "[INS_MODE]=0", "[分類幅]=1"})
        EXPECT_NE(std::find(set2.begin(), set2.end(), line), set2.end()) << line;
    EXPECT_EQ(readFile("BUHIN1_1.LST").size(), 30u);
}

TEST_F(PartsPanelTest, AnUnreadablePageIsReportedAndSurvivesTheClose)
{
    writeCatalogue();
    std::filesystem::remove(dir() / "BUHIN1_1.LST");
    std::filesystem::create_directory(dir() / "BUHIN1_1.LST");
    auto& win = startActive();
    win.commands().run(Command::PartsPanel);
    ASSERT_EQ(dialogs.texts(ScriptedDialogs::Kind::Warning).size(), 1);
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Warning)[0].contains(QStringLiteral("BUHIN1_1.LST")));
    win.close();
    EXPECT_TRUE(std::filesystem::is_directory(dir() / "BUHIN1_1.LST"));
}

TEST_F(PartsPanelTest, ColumnWidthsAreSavedToTheirOwnFileAndLoadedBack)
{
    writeCatalogue();
    writeFile("SEL_WIDTH3.INI", {"[形状]=1", "0=25"});
    auto& win = startActive();
    win.commands().run(Command::PartsPanel);
    dialogs.answers = {true, true, true};
    parts().N46Click();
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Question)[0],
              QStringLiteral("現在表示の部品セル幅設定を保存します。\r\nよろしいですか？"));
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Information).back(), QStringLiteral("登録しました。"));
    EXPECT_EQ(readFile("BUHIN_WIDTH.INI"),
              (std::vector<std::string>{"[品名幅]=225", "[寸法幅]=180", "[単位幅]=40", "[単価幅]=60", "[原単価幅]=60",
                                        "[原価率幅]=39"}));
    EXPECT_EQ(readFile("SEL_WIDTH3.INI"), (std::vector<std::string>{"[形状]=1", "0=25"}));

    writeFile("BUHIN_WIDTH.INI", {"[品名幅]=406", "[寸法幅]=-1", "[単位幅]=x"});
    parts().N48Click();
    EXPECT_EQ(doc().SG2.colWidth(col::Description), 406);
    EXPECT_EQ(doc().SG2.colWidth(col::Shape), -1);
    EXPECT_EQ(doc().SG2.colWidth(col::Unit), 35);
    EXPECT_FALSE(doc().Sunpou);
    EXPECT_TRUE(parts().SG2->isColumnHidden(col::Shape));

    parts().SpeedButton24Click();
    EXPECT_EQ(doc().SG2.colWidth(col::Description), 406);
    EXPECT_EQ(doc().SG2.colWidth(col::Unit), 40);
    EXPECT_EQ(QApplication::focusWidget(), win.header().KNAME);
}

} // namespace
} // namespace yorozu::test
