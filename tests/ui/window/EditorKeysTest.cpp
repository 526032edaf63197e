// The window's commands answer their keys from every editor: the header
// fields, the sheet's text and numeric editors and the unit combo.
#include "ui/support/WindowFixture.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/FunctionKeys.h"

#include <QAbstractItemView>
#include <QApplication>

#include <functional>

namespace yorozu::test {
namespace {

using EditorKeysTest = WindowTest;

constexpr int kF41 = 16; // "F4印刷"

TEST_F(EditorKeysTest, CtrlDigitsFunctionKeysAndEscWorkFromEveryEditor)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    int saves = 0, prints = 0, parts = 0;
    win.commands().set(Command::Save, [&] { ++saves; });
    win.commands().set(Command::Print, [&] { ++prints; });
    win.commands().set(Command::PartsPanel, [&] { ++parts; });
    win.keys().assign(4, kF41);
    auto& ed = win.sheetEditor();

    struct Case {
        const char* name;
        std::function<QWidget*()> focus;
    };
    const Case cases[] = {
        {"customer field", [&]() -> QWidget* { win.header().KNAME->setFocus(); return win.header().KNAME; }},
        {"title field", [&]() -> QWidget* { win.header().Kouji->setFocus(); return win.header().Kouji; }},
        {"text editor", [&]() -> QWidget* { ed.moveTo(col::Description, 2); return ed.Edit1; }},
        {"numeric editor", [&]() -> QWidget* { ed.moveTo(col::UnitPrice, 2); return ed.NumEdit1; }},
        {"unit combo", [&]() -> QWidget* { ed.moveTo(col::Unit, 2); return ed.CB1; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* target = c.focus();
        QWidget* f = QApplication::focusWidget();
        ASSERT_TRUE(f);
        ASSERT_TRUE(f == target || target->isAncestorOf(f)) << f->objectName().toStdString();
        saves = prints = parts = 0;
        win.state().escFlag = false;

        // A clerk's fingers: Ctrl goes down first, then the digit.
        QTest::keyPress(f, Qt::Key_Control, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::ControlModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Control);
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Control, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5, Qt::ControlModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Control);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        EXPECT_EQ(saves, 1) << "Ctrl+3";
        EXPECT_EQ(parts, 1) << "Ctrl+5";
        EXPECT_EQ(prints, 1) << "F4";
        EXPECT_FALSE(ed.CB1->view()->isVisible()) << "no unit list left open";

        QWidget* fw = QApplication::focusWidget();
        QTest::keyClick(fw, Qt::Key_Escape);
        EXPECT_TRUE(win.state().escFlag) << "Esc";
    }
}

TEST_F(EditorKeysTest, CtrlAloneStillTogglesTheUnitList)
{
    writeFile("Tani.LST", {"m", "式"});
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    auto& ed = win.sheetEditor();
    ed.moveTo(col::Unit, 1);
    QWidget* combo = QApplication::focusWidget();
    ASSERT_TRUE(combo == ed.CB1 || ed.CB1->isAncestorOf(combo));
    QTest::keyPress(combo, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(combo, Qt::Key_Control);
    EXPECT_TRUE(ed.CB1->view()->isVisible());
    QWidget* list = QApplication::focusWidget();
    QTest::keyPress(list, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(list, Qt::Key_Control);
    EXPECT_FALSE(ed.CB1->view()->isVisible());
}

TEST_F(EditorKeysTest, EnterFromTheLastHeaderFieldGoesToTheSheetsFirstEmptyLine)
{
    auto& win = start();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    fillLine(1, "一", "1", "100");
    fillLine(2, "二", "1", "100");
    fillLine(3, "三", "1", "100");
    auto& h = win.header();
    h.Kigen->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(QApplication::focusWidget() == h.Tanto || h.Tanto->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("sato"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(doc().Tanto, "sato");
    EXPECT_EQ(QApplication::focusWidget(), win.sheetEditor().Edit1);
    EXPECT_EQ(win.sheet().currentGridRow(), 4);
    EXPECT_EQ(win.sheet().currentCol(), col::Dai);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A"));
    EXPECT_EQ(doc().SG1.cell(col::Dai, 4), "A") << "typing goes into the new line";
}

} // namespace
} // namespace yorozu::test
