#include "print/dispatch/PagePrompts.h"


#include "print/dispatch/PrintDispatch.h"
#include "print/dispatch/PrintIni.h"
#include "print/images/PrintImages.h"
#include "print/support/Sheets.h"
#include "ui/dialogs/ScriptedDialogs.h"

#include "../../files/support/TempFolder.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace yorozu {
namespace {

// Renderers that only note that they ran and with what.
class RecordingLayouts final : public PageLayouts {
public:
    std::vector<LayoutRequest> calls;
    std::vector<int> printCopyRows; // SGP's rows when the renderer ran
    std::optional<PageList> layout(const LayoutRequest& request, const PrintSources& sources) override
    {
        calls.push_back(request);
        printCopyRows.push_back(sources.doc.SGP.rowCount());
        PageList pages;
        pages.dpi = request.area.dpi;
        pages.pages.resize(1);
        pages.pages[0].push_back(PageItem{});
        pages.pages[0][0].text = rendererName(request.renderer);
        return pages;
    }
};

class FailingPrinter final : public PrintDevice {
public:
    void setOrientation(bool) override {}
    bool setup(Dialogs& d) override { return d.printSetup(printer_); }
    PrintArea area() const override { return {4960, 7015, 600}; }
    std::string print(const PageList&) override { return kPrintRefusedMessage; }

private:
    QPrinter printer_;
};

class DispatchTest : public ::testing::Test {
protected:
    test::TempFolder dir;
    Estimate doc;
    PrintImages images;
    ScriptedDialogs dialogs;
    ReferencePrinter printer{600, Paper::A4};
    RecordingLayouts layouts;
    PrintDispatch dispatch{{doc, dir.path(), images}, dialogs, printer, layouts};
    std::vector<std::string> previews;

    void SetUp() override
    {
        test::fillLines(doc, test::numberedLines(3));
        dispatch.openPreview = [this](const PageList& pages) { previews.push_back(pages.pages[0][0].text); };
    }
    // The setup dialog confirmed and both page prompts answered.
    void answerAll(const char* start = "1", const char* end = "9999")
    {
        dialogs.printSetups = {true};
        dialogs.inputs = {QString::fromUtf8(start), QString::fromUtf8(end)};
    }
};

TEST_F(DispatchTest, EachOrientationAndKindRunsItsRenderer)
{
    const struct {
        int MUKI, PRN_S;
        const char *printer, *preview;
    } cases[] = {
        {0, 0, "PRINT24", "PRINT24_PP"},
        {0, 2, "PRINT24", "PRINT24_PP"},
        {0, 1, "PRINT_HYOSI", "PRINT_SEKISAN_PP"},
        {1, 0, "PRINT_YOKO", "PRINT_YOKO_PP"},
        {1, 2, "PRINT_YOKO", "PRINT_YOKO_PP"},
        {1, 1, "PRINT_SEKISAN_YOKO", "PRINT_SEKISAN_YOKO_PP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.MUKI) + "/" + std::to_string(c.PRN_S));
        doc.setMUKI(c.MUKI);
        doc.setPRN_S(c.PRN_S);
        answerAll();
        dispatch.print();
        ASSERT_FALSE(layouts.calls.empty());
        EXPECT_STREQ(rendererName(layouts.calls.back().renderer), c.printer);
        EXPECT_EQ(printer.printed.pages[0][0].text, c.printer);
        EXPECT_EQ(layouts.calls.back().area.width, c.MUKI == 1 ? 7015 : 4960) << "orientation set before the dialog";

        answerAll();
        dispatch.preview();
        EXPECT_STREQ(rendererName(layouts.calls.back().renderer), c.preview);
        ASSERT_FALSE(previews.empty());
        EXPECT_EQ(previews.back(), c.preview);
        EXPECT_FALSE(dispatch.CoverPreview);
    }
    EXPECT_EQ(printer.jobs, 6) << "previews never reach the printer";
    EXPECT_EQ(dialogs.unanswered, 0);
}

TEST_F(DispatchTest, TheRendererDrawsFromAFreshPrintCopyAndTheLineSpacingCode)
{
    doc.setPRN_S(2);
    for (int g : {0, 1, 2}) {
        doc.setGYOUKAN(g);
        answerAll();
        dispatch.print();
        EXPECT_EQ(layouts.calls.back().lineCode, g == 0 ? 118 : g == 1 ? 100 : 80);
    }
    // Three lines, their subtotal and the total rows: the copy is rebuilt, never grown.
    ASSERT_EQ(layouts.printCopyRows.size(), 3u);
    EXPECT_GT(layouts.printCopyRows[0], 4);
    EXPECT_EQ(layouts.printCopyRows[0], layouts.printCopyRows[2]);
}

TEST_F(DispatchTest, CancellingTheSetupDialogPrintsNothingAndOpensNoPreview)
{
    dialogs.printSetups = {false};
    dispatch.print();
    dialogs.printSetups = {false};
    dispatch.preview();
    EXPECT_TRUE(layouts.calls.empty());
    EXPECT_EQ(printer.jobs, 0);
    EXPECT_TRUE(previews.empty());
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Input).isEmpty()) << "no page prompt after a cancel";
}

TEST_F(DispatchTest, CancellingEitherPagePromptStopsTheRenderer)
{
    for (int cancelled : {0, 1}) {
        SCOPED_TRACE(cancelled);
        dialogs.printSetups = {true};
        dialogs.inputs = {};
        if (cancelled == 1)
            dialogs.inputs.push_back(QStringLiteral("1"));
        dialogs.inputs.push_back(std::nullopt);
        dispatch.preview();
        EXPECT_TRUE(dispatch.PrintCancelled);
        EXPECT_TRUE(previews.empty());
        dialogs.printSetups = {true};
        dialogs.inputs = {};
        if (cancelled == 1)
            dialogs.inputs.push_back(QStringLiteral("1"));
        dialogs.inputs.push_back(std::nullopt);
        dispatch.print();
    }
    EXPECT_TRUE(layouts.calls.empty());
    EXPECT_EQ(printer.jobs, 0);
}

TEST_F(DispatchTest, ThePromptsAskWithTheirTitlesAndPresets)
{
    answerAll("０３", "abc");
    dispatch.print();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::PrintSetup);
    ASSERT_EQ(layouts.calls.size(), 1u);
    EXPECT_EQ(layouts.calls[0].range, (PageRange{3, 9999}));
}

TEST(PagePrompts, AnswersReadAsThePromptsReadThem)
{
    const struct {
        const char* answer;
        int start, end;
    } cases[] = {{"０３", 3, 3}, {"0", 1, 0}, {"-2", 1, -2}, {"abc", 1, 9999}, {"", 1, 9999}, {"12", 12, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(startPageFromAnswer(c.answer), c.start);
        EXPECT_EQ(endPageFromAnswer(c.answer), c.end);
    }
}

TEST_F(DispatchTest, AnEmptySheetPrintsNothingAndAsksNothing)
{
    doc.clear();
    dispatch.print();
    dispatch.preview();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(layouts.calls.empty());
}

TEST_F(DispatchTest, TwoDiscountLinesStopThePrintWithTheirMessage)
{
    test::fillLines(doc, {{"", "工事", "1", "式", "1000"}, {"\\", "値引き", "1", "式", "-100"},
                          {"\\", "値引き", "1", "式", "-50"}});
    dispatch.print();
    dispatch.preview();
    EXPECT_TRUE(layouts.calls.empty());
    EXPECT_TRUE(previews.empty());
    const auto messages = dialogs.texts(ScriptedDialogs::Kind::Information);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], QStringLiteral("値引きが複数あります。\r\n処理を中止します。"));
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::PrintSetup).size(), 0);
}

TEST_F(DispatchTest, TheCoverPrintsEvenFromAnEmptySheetAndAsksNoPages)
{
    doc.clear();
    doc.setMUKI(1);
    dialogs.printSetups = {true, true};
    dispatch.printCover();
    dispatch.previewCover();
    ASSERT_EQ(layouts.calls.size(), 2u);
    EXPECT_EQ(layouts.calls[0].renderer, Renderer::PRINT_YOKO_HYOSI);
    EXPECT_EQ(layouts.calls[1].renderer, Renderer::PRINT_YOKO_HYOSI_PP);
    EXPECT_EQ(previews, std::vector<std::string>{"PRINT_YOKO_HYOSI_PP"});
    EXPECT_FALSE(dispatch.CoverPreview) << "cleared when the preview closes";
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Input).isEmpty());
}

TEST_F(DispatchTest, PrintingFromThePreviewFollowsWhatItShows)
{
    bool sawCover = false;
    dispatch.openPreview = [&](const PageList&) {
        sawCover = dispatch.CoverPreview;
        dialogs.printSetups = {true};
        dispatch.printFromPreview();
    };
    dialogs.printSetups = {true};
    dispatch.previewCover();
    EXPECT_TRUE(sawCover);
    ASSERT_EQ(layouts.calls.size(), 2u);
    EXPECT_EQ(layouts.calls[1].renderer, Renderer::PRINT_TATE_HYOSI);

    answerAll();
    dialogs.printSetups = {true};
    dispatch.openPreview = [&](const PageList&) {
        dialogs.printSetups = {true};
        dialogs.inputs = {QStringLiteral("1"), QStringLiteral("9999")};
        dispatch.printFromPreview();
    };
    dispatch.preview();
    EXPECT_EQ(layouts.calls.back().renderer, Renderer::PRINT24);
    EXPECT_EQ(printer.jobs, 2);
}

TEST_F(DispatchTest, AJobThePrintSystemRefusesIsReportedNotCountedAsPrinted)
{
    FailingPrinter failing;
    PrintDispatch d{{doc, dir.path(), images}, dialogs, failing, layouts};
    answerAll();
    d.print();
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Warning),
              QStringList{QString::fromUtf8(kPrintRefusedMessage)});
}

TEST(PrintIni, TheDataColourKeyOrBlack)
{
    test::TempFolder dir;
    EXPECT_EQ(dataTextColour(dir.path()), 0u);
    test::writeSettings(dir.path(), "PRINT.INI", {"[データ文字色]=255"});
    EXPECT_EQ(dataTextColour(dir.path()), 255u);
    test::writeSettings(dir.path(), "PRINT.INI", {"[データ文字色]=赤"});
    EXPECT_EQ(dataTextColour(dir.path()), 0u);
}

} // namespace
} // namespace yorozu
