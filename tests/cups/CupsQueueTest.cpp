// Printing through a real CUPS queue: the scheduler of the test run's own
// (private-cups.sh, started and stopped around these tests by ctest) keeps
// the PDF each job produces, and the tests read it back.
#include "print/support/RunCommand.h"
#include "core/document/Estimate.h"
#include "print/images/PrintImages.h"
#include "print/page/PageCanvas.h"
#include "print/printer/PrintDevice.h"
#include "print/printer/PrinterList.h"
#include "print/sheet/EstimateSheet.h"
#include "print/support/Sheets.h"
#include "core/copies/PrintCopy.h"

#include "../files/support/TempFolder.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <thread>

namespace yorozu {
namespace {

std::map<std::string, std::string>& cupsEnv()
{
    static std::map<std::string, std::string> env;
    return env;
}

std::string queue()
{
    return cupsEnv()["YOROZU_TEST_QUEUE"];
}

std::string output()
{
    return cupsEnv()["YOROZU_TEST_QUEUE_OUTPUT"];
}

// Waits until the queue has no job left, so its PDF is complete.
void waitForQueue()
{
    for (int i = 0; i < 200; ++i) {
        if (commandOutput("lpstat -o " + queue() + " 2>/dev/null").empty())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ADD_FAILURE() << "the queue did not empty";
}

std::unique_ptr<QPrinter> queuePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(QString::fromStdString(queue()));
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

PageList pagesWith(const std::vector<std::string>& texts, const QPrinter& printer)
{
    class Measure final : public TextMeasure {
    public:
        int width(std::string_view, const PrintFont&) override { return 0; }
        int emHeight(const PrintFont&) override { return 0; }
    } measure;
    PageList pages;
    pages.dpi = printer.resolution();
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    PageCanvas c(pages, measure, PageGeometry::forArea(int(area.width()), int(area.height()), false));
    for (const auto& t : texts) {
        c.beginPage();
        c.setSize(20);
        c.text(300, 300, t);
    }
    return pages;
}

class CupsQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(queue().empty()) << "the private scheduler did not start";
        std::remove(output().c_str());
    }
};

TEST_F(CupsQueue, TheQueueIsListedAsAPrinter)
{
    bool found = false;
    for (const auto& info : QPrinterInfo::availablePrinters())
        found = found || info.printerName().toStdString() == queue();
    EXPECT_TRUE(found);
    EXPECT_GE(PrinterSnapshot::take().count(), 1);
}

TEST_F(CupsQueue, TwoPagesArriveWithTheirPaperAndJapaneseText)
{
    auto printer = queuePrinter();
    EXPECT_EQ(printer->resolution(), 1200);
    ASSERT_EQ(printPages(pagesWith({"御見積書", "次頁へつづく"}, *printer), *printer), "");
    waitForQueue();
    const auto info = commandOutput("pdfinfo " + output());
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("595"), std::string::npos) << info;
    EXPECT_NE(info.find("842"), std::string::npos) << info;
    const auto text = commandOutput("pdftotext " + output() + " -");
    EXPECT_NE(text.find("御見積書"), std::string::npos) << text;
    EXPECT_NE(text.find("次頁へつづく"), std::string::npos) << text;
}

TEST_F(CupsQueue, APrinterAddedWhileRunningIsInTheNextSnapshot)
{
    const auto before = PrinterSnapshot::take();
    const std::string added = queue() + "_added";
    commandOutput("lpadmin -p " + added + " -v file:///dev/null -E -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>&1");
    const auto after = PrinterSnapshot::take();
    commandOutput("lpadmin -x " + added + " 2>&1");
    EXPECT_NE(before, after);
    EXPECT_EQ(after.count(), before.count() + 1);
    EXPECT_EQ(PrinterSnapshot::take(), before) << "and gone again once removed";
}

TEST_F(CupsQueue, EveryKindOfSheetPrintsWithItsTitleCustomerAmountAndPages)
{
    test::TempFolder dir;
    test::writeSettings(dir.path(), "SET3.INI", {"[社名]=山田建設株式会社", "[敬称]=様", "[最下行]=0"});
    const struct {
        const char* kind;
        const char* title;
    } kinds[] = {{"estimate", "御"}, {"invoice", "請"}, {"delivery", "納"}, {"rough", "概算御見積書"},
                 {"cost", "御"}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        Estimate doc;
        doc.KNAME = "青空商事";
        doc.Bangou = "42";
        test::fillLines(doc, test::numberedLines(25));
        const std::string kind = k.kind;
        doc.setSEIQ(kind == "invoice");
        doc.setNOHIN(kind == "delivery");
        doc.setGAISAN(kind == "rough");
        doc.setGENKA_P(kind == "cost");
        doc.recalculateAll();
        ASSERT_TRUE(SYOKEI_MAKE(doc, PrintCopySettings{}).completed);
        auto printer = queuePrinter();
        const QRectF area = printer->pageRect(QPrinter::DevicePixel);
        QtTextMeasure measure(printer->resolution());
        PrintImages images;
        const auto pages = layoutEstimateSheet(doc, dir.path(), images, 118, {1, 9999},
                                               {int(area.width()), int(area.height()), printer->resolution()},
                                               measure);
        ASSERT_EQ(pages.pages.size(), 2u);
        std::remove(output().c_str());
        ASSERT_EQ(printPages(pages, *printer), "");
        waitForQueue();
        // The reading order of pdftotext mixes neighbouring texts; compare without blanks.
        std::string text;
        for (char ch : commandOutput("pdftotext -layout " + output() + " -"))
            if (ch != ' ' && ch != '\n')
                text += ch;
        EXPECT_NE(text.find(k.title), std::string::npos) << text;
        EXPECT_NE(text.find("青空商事様"), std::string::npos) << text;
        EXPECT_NE(text.find("00000042"), std::string::npos) << text;
        EXPECT_NE(text.find("【2】"), std::string::npos) << text;
        EXPECT_NE(text.find("次頁へつづく"), std::string::npos) << text;
        if (kind == "invoice") {
            EXPECT_NE(text.find("¥26.-"), std::string::npos) << "25 yen and its tax: " << text;
        } else if (kind == "estimate") {
            EXPECT_NE(text.find("¥25.-"), std::string::npos) << text;
        }
    }
}

} // namespace
} // namespace yorozu

// The client settings of the private scheduler must be in place before Qt
// or libcups first look for a print server.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    std::ifstream env(std::string(YOROZU_CUPS_DIR) + "/env");
    std::string line;
    while (std::getline(env, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        yorozu::cupsEnv()[line.substr(0, eq)] = line.substr(eq + 1);
        setenv(line.substr(0, eq).c_str(), line.substr(eq + 1).c_str(), 1);
    }
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
