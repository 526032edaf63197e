// The window's size on different desktops, the toolbar's wiring and the header fields' looks.
#include "ui/support/WindowFixture.h"

#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "ui/window/ToolBar.h"

#include <QMenu>
#include <QToolButton>

namespace yorozu::test {
namespace {

class LayoutTest : public WindowTest {
protected:
    void onDesktop(int screenWidth, int workAreaBottom)
    {
        desktop.screen = [screenWidth] { return QRect(0, 0, screenWidth, 1024); };
        desktop.workArea = [screenWidth, workAreaBottom] { return QRect(0, 0, screenWidth, workAreaBottom); };
    }
    int outerHeight() { return w().frameGeometry().height(); }
};

TEST_F(LayoutTest, WorkAreaHeightBetween700And800IsTakenOnActivation)
{
    struct Case {
        int bottom;
        int height; // 0: unchanged
    };
    const Case cases[] = {{768, 768}, {800, 0}, {700, 0}, {701, 701}, {799, 799}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bottom);
        onDesktop(1280, c.bottom);
        auto& win = start();
        const int before = outerHeight();
        win.FormActivate();
        EXPECT_EQ(outerHeight(), c.height ? c.height : before);
    }
}

TEST_F(LayoutTest, WideDisplayTogglesBetweenDesignAndScreenWidth)
{
    onDesktop(1280, 1000);
    auto& win = start();
    EXPECT_EQ(win.width(), 1024);
    win.StaticText16Click();
    EXPECT_EQ(win.width(), 1280);
    win.StaticText16Click();
    EXPECT_EQ(win.width(), 1024);

    // Written at close, and taken back at the next start.
    win.StaticText16Click();
    win.close();
    start();
    EXPECT_EQ(w().width(), 1280);
}

TEST_F(LayoutTest, AScreenOfTheDesignWidthNeverWidens)
{
    onDesktop(1024, 1000);
    auto& win = start();
    win.StaticText16Click();
    EXPECT_EQ(win.width(), 1024);
}

TEST_F(LayoutTest, ToolbarButtonsRunTheirCommands)
{
    auto& win = start();
    std::map<std::string, int> runs;
    auto count = [&runs](const char* name) { return [&runs, name] { ++runs[name]; }; };
    auto& c = win.commands();
    c.set(Command::FilePanel, count("filePanel"));
    c.set(Command::Save, count("save"));
    c.set(Command::Print, count("print"));
    c.set(Command::PrintCover, count("printCover"));
    c.set(Command::BrowseFirst, count("browseFirst"));
    c.set(Command::BrowsePrevious, count("browsePrevious"));
    c.set(Command::BrowseNext, count("browseNext"));
    c.set(Command::BrowseLast, count("browseLast"));
    c.set(Command::SettingsDialog, count("settingsDialog"));
    c.set(Command::Preview, count("preview"));
    c.set(Command::Search, count("search"));
    c.set(Command::PartsPanel, count("partsPanel"));
    const std::pair<const char*, const char*> buttons[] = {
        {"SpeedButton3", "filePanel"},    {"SpeedButton5", "save"},          {"SpeedButton6", "print"},
        {"SpeedButton7", "browseFirst"},  {"SpeedButton8", "browsePrevious"}, {"SpeedButton9", "browseNext"},
        {"SpeedButton10", "browseLast"},  {"SpeedButton1", "settingsDialog"}, {"SpeedButton18", "preview"},
        {"SpeedButton19", "search"},      {"SpeedButton23", "partsPanel"},
    };
    for (const auto& [button, hook] : buttons) {
        SCOPED_TRACE(button);
        QToolButton* b = win.toolBar().button(QString::fromLatin1(button));
        ASSERT_TRUE(b);
        b->click();
        EXPECT_EQ(runs[hook], 1);
    }
    // The right button on the print button prints the cover.
    emit win.toolBar().button("SpeedButton6")->customContextMenuRequested({});
    EXPECT_EQ(runs["printCover"], 1);
    EXPECT_EQ(win.toolBar().button("SpeedButton11")->text(), "白紙");
    EXPECT_EQ(win.toolBar().button("SpeedButton4")->toolTip(), "見積プログラムを終了します。");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LayoutTest, RightClickOnALabelRemembersItForTheKeyMenu)
{
    auto& win = start();
    QTest::mouseClick(win.keys().label(4), Qt::RightButton);
    EXPECT_EQ(win.keys().rememberedLabel(), 4);
    win.keys().PopupMenu13->close();
    EXPECT_EQ(win.keys().label(5)->text(), "5 部品");
    EXPECT_EQ(win.keys().label(12)->text(), "￥ ");
}

TEST_F(LayoutTest, FieldBeingEditedTakesTheEditorColourAndTheCustomerFieldWidens)
{
    writeFile("SET2.INI", {"[色]=65280"}); // green
    auto& win = start();
    auto& h = win.header();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    h.Basyo->setFocus();
    EXPECT_EQ(h.Basyo->palette().color(QPalette::Base), QColor(0, 255, 0));
    h.Kouji->setFocus();
    EXPECT_EQ(h.Basyo->palette().color(QPalette::Base), QColor(Qt::white));

    h.KNAME->setFocus();
    QTest::mouseDClick(h.KNAME->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(h.KNAME->width(), HeaderFields::kNameWideWidth);
    h.Kouji->setFocus();
    EXPECT_EQ(h.KNAME->width(), HeaderFields::kNameWidth);
}

} // namespace
} // namespace yorozu::test
