#include "print/support/RunCommand.h"
#include "print/images/PrintImages.h"
#include "print/page/PageCanvas.h"
#include "print/page/Replay.h"
#include "print/printer/PageMetrics.h"
#include "print/printer/PrintDevice.h"
#include "print/printer/PrinterList.h"
#include "print/support/Sheets.h"

#include "../../files/support/TempFolder.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace yorozu {
namespace {

TEST(PageMetrics, EveryFieldFromThePaperAndPrintableRectangles)
{
    // A4 at 600 dpi with a printable area 100 px in from the left and 120 from the top.
    const auto m = pageMetricsFrom(4760, 6776, 4960, 7016, 600, 600, 100, 120, 0);
    EXPECT_EQ(m.rightMargin, 100);
    EXPECT_EQ(m.bottomMargin, 120);
    EXPECT_NEAR(m.printableWidthMm, 201.507, 1e-3);
    EXPECT_NEAR(m.physicalHeightMm, 297.011, 1e-3);
    EXPECT_NEAR(m.leftMarginMm, 4.233, 1e-3);
    EXPECT_NEAR(m.bottomMarginMm, 5.080, 1e-3);
    EXPECT_EQ(m.scale, 100) << "no declared scale counts as 100";
    EXPECT_DOUBLE_EQ(m.scaledPrintableWidthMm, m.printableWidthMm);
    EXPECT_DOUBLE_EQ(m.scaledBottomMarginMm, m.bottomMarginMm);

    const auto half = pageMetricsFrom(4760, 6776, 4960, 7016, 600, 300, 100, 120, 50);
    EXPECT_NEAR(half.scaledPhysicalWidthMm, half.physicalWidthMm / 2, 1e-9);
    EXPECT_NEAR(half.topMarginMm, 120 / 300.0 * 25.4, 1e-9) << "y values use the y resolution";
}

TEST(PageMetrics, APdfPrinterHasItsPaperAndResolution)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    const auto m = pageMetrics(printer);
    EXPECT_EQ(m.dpiX, 1200);
    EXPECT_NEAR(m.physicalWidthMm, 210, 0.1);
    EXPECT_NEAR(m.physicalHeightMm, 297, 0.1);
    EXPECT_EQ(m.leftOffset, 0);
}

TEST(PrinterSnapshot, SamenessIsNamesAndAttributesIndexByIndex)
{
    using E = PrinterSnapshot::Entry;
    const PrinterSnapshot a{{E{"office", 1}, E{"pdf", 0}}};
    EXPECT_EQ(a, (PrinterSnapshot{{E{"office", 1}, E{"pdf", 0}}}));
    EXPECT_NE(a, (PrinterSnapshot{{E{"pdf", 0}, E{"office", 1}}}));
    EXPECT_NE(a, (PrinterSnapshot{{E{"office", 0}, E{"pdf", 0}}}));
    EXPECT_NE(a, (PrinterSnapshot{{E{"office", 1}}}));
    EXPECT_EQ(PrinterSnapshot{}, PrinterSnapshot{});
}

TEST(ReferencePrinter, PaperAtTheResolutionCutToWholePixels)
{
    const struct {
        Paper paper;
        int dpi, width, height;
    } cases[] = {{Paper::A4, 600, 4960, 7015}, {Paper::A4, 1200, 9921, 14031}, {Paper::A3, 600, 7015, 9921},
                 {Paper::B5, 600, 4299, 6070}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        ReferencePrinter printer(c.dpi, c.paper);
        EXPECT_EQ(printer.area().width, c.width);
        EXPECT_EQ(printer.area().height, c.height);
        printer.setOrientation(true);
        EXPECT_EQ(printer.area().width, c.height);
    }
}

// Two pages with Japanese text, a frame and a yen mark.
PageList twoPages(int dpi)
{
    PageList pages;
    pages.dpi = dpi;
    class Measure final : public TextMeasure {
    public:
        int width(std::string_view, const PrintFont&) override { return 0; }
        int emHeight(const PrintFont&) override { return 0; }
    } measure;
    ReferencePrinter ref(dpi, Paper::A4);
    PageCanvas c(pages, measure, PageGeometry::forArea(ref.area().width, ref.area().height, false));
    for (int p = 1; p <= 2; ++p) {
        c.beginPage();
        c.setFace("ＭＳ ゴシック");
        c.setSize(22);
        c.text(300, 250, p == 1 ? "御見積書" : "次頁へつづく");
        c.setSize(12);
        c.text(300, 600, "\\713,433.-");
        c.setPen(8, 0);
        c.roundRect(252, 1500, 2758, 3882, 30);
    }
    return pages;
}

TEST(PdfOutput, PagesComeBackWithTheirPaperAndJapaneseText)
{
    test::TempFolder dir;
    const auto file = (dir / "out.pdf").string();
    ASSERT_EQ(writePdf(twoPages(600), Paper::A4, file), "");
    const auto info = commandOutput("pdfinfo '" + file + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const auto text = commandOutput("pdftotext '" + file + "' -");
    EXPECT_NE(text.find("御見積書"), std::string::npos) << text;
    EXPECT_NE(text.find("次頁へつづく"), std::string::npos) << text;
    EXPECT_NE(text.find("¥713,433.-"), std::string::npos) << "the backslash prints as the yen mark: " << text;
    const auto fonts = commandOutput("pdffonts '" + file + "'");
    EXPECT_NE(fonts.find("IPAGothic"), std::string::npos) << fonts;
}

TEST(PdfOutput, AnUnwritablePathSaysSo)
{
    EXPECT_NE(writePdf(twoPages(600), Paper::A4, "/no/such/folder/out.pdf"), "");
}

TEST(Replay, DrawsTheItemsWhereTheListPutsThem)
{
    Page page;
    PageItem box;
    box.kind = ItemKind::FillRect;
    box.x = 10;
    box.y = 20;
    box.x2 = 30;
    box.y2 = 40;
    box.colour = 255; // red in the low byte
    page.push_back(box);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        replayPage(page, painter, 600, 2.0);
    }
    EXPECT_EQ(image.pixelColor(40, 60), QColor(255, 0, 0)) << "scaled by two";
    EXPECT_EQ(image.pixelColor(70, 90), QColor(Qt::white));
}

// The five images: BMP, JPEG and PNG load, a missing or unreadable file leaves the image empty.
TEST(PrintImages, LoadFromTheSettingsFileOfTheOrientation)
{
    test::TempFolder dir;
    QImage seal(12, 8, QImage::Format_RGB32);
    seal.fill(Qt::red);
    ASSERT_TRUE(seal.save(QString::fromStdString((dir / "logo.bmp").string())));
    ASSERT_TRUE(seal.save(QString::fromStdString((dir / "kaku.jpg").string())));
    ASSERT_TRUE(seal.save(QString::fromStdString((dir / "in.png").string())));
    test::writeBytes(dir / "broken.png", "not an image");
    test::writeSettings(dir.path(), "SET3.INI",
                        {"[LOGO_NAME]=logo.bmp", "[KAKUIN_NAME]=" + (dir / "kaku.jpg").string(), "[IN_NAME]=in.png",
                         "[IN2_NAME]=broken.png", "[IN3_NAME]=missing.png"});
    test::writeSettings(dir.path(), "SET.INI", {"[LOGO_NAME]=gone.bmp"});
    PrintImages images;
    images.load(dir.path(), "SET3.INI");
    EXPECT_EQ(images.LogoImage.size(), QSize(12, 8));
    EXPECT_EQ(images.KakuinImage.size(), QSize(12, 8));
    EXPECT_EQ(images.InImage.size(), QSize(12, 8));
    EXPECT_TRUE(images.In2Image.isNull());
    EXPECT_TRUE(images.In3Image.isNull());

    // The other orientation names a logo that is not there: the old one does not linger.
    images.load(dir.path(), "SET.INI");
    EXPECT_TRUE(images.LogoImage.isNull());
    EXPECT_TRUE(images.InImage.isNull());
}

} // namespace
} // namespace yorozu
