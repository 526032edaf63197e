#include "print/page/PageCanvas.h"
#include "print/page/PageGeometry.h"
#include "print/support/FixedMeasure.h"

#include <gtest/gtest.h>

namespace yorozu {
namespace {

TEST(PageGeometry, PortraitPrintableAreaMapsThePageCornerOfTheTable)
{
    const auto g = PageGeometry::forArea(4960, 7015, false);
    EXPECT_NEAR(g.sx, 1.7234, 1e-4);
    EXPECT_NEAR(g.sy, 1.7253, 1e-4);
    EXPECT_EQ(g.mapX(2758), 4753);
    EXPECT_EQ(g.mapY(3882), 6697);
    EXPECT_EQ(g.mapX(0), 0);
}

TEST(PageGeometry, LandscapeSwapsTheUnitsOfThePage)
{
    const auto g = PageGeometry::forArea(7015, 4960, true);
    // Single-precision factors: the far edge may land one pixel short, never beyond.
    EXPECT_GE(g.mapX(4066), 7014);
    EXPECT_LE(g.mapX(4066), 7015);
    EXPECT_GE(g.mapY(2878), 4959);
    EXPECT_LE(g.mapY(2878), 4960);
}

TEST(PageGeometry, SheetOffsetsAreScaledCoverOffsetsAreNot)
{
    const auto plain = PageGeometry::forSheet(4960, 7015, false, 0, 0, 118);
    const auto right = PageGeometry::forSheet(4960, 7015, false, 5, 0, 118);
    EXPECT_EQ(right.mapX(1000) - plain.mapX(1000), truncate(70.0L * plain.sx));
    EXPECT_EQ(right.offX, 120);

    // The same five millimetres on a printer of twice the resolution: twice the pixels.
    EXPECT_EQ(PageGeometry::forSheet(9920, 14030, false, 5, 0, 118).offX, 241);

    for (int width : {4960, 9920}) {
        const auto cover = PageGeometry::forCover(width, width * 7015 / 4960, false, 5, 0);
        EXPECT_EQ(cover.offX, 70) << width;
    }
}

TEST(PageGeometry, SmallerLineSpacingsLiftTheSheetByFixedPixels)
{
    const struct {
        int code, position, offY;
    } cases[] = {{118, 0, 0}, {100, 0, -50}, {80, 0, -75}, {100, 2, truncate(28.0L * (7015.0f / 4066)) - 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(PageGeometry::forSheet(4960, 7015, false, 0, c.position, c.code).offY, c.offY);
    }
}

class CanvasTest : public ::testing::Test {
protected:
    PageList pages;
    test::FixedMeasure measure;
    // One device pixel per page unit keeps the arithmetic visible.
    PageCanvas canvas{pages, measure, PageGeometry::forArea(2878, 4066, false)};

    const PageItem& lastText() const
    {
        for (auto it = pages.pages.back().rbegin(); it != pages.pages.back().rend(); ++it)
            if (it->kind == ItemKind::Text)
                return *it;
        throw std::runtime_error("no text");
    }
};

TEST_F(CanvasTest, ShrinkingStopsAtTwoPoints)
{
    canvas.setSize(16);
    const auto r = canvas.fit("とても長いお客様の名前です", 10, 2, 1400, 256);
    EXPECT_EQ(r.size, 2);
    EXPECT_EQ(r.steps, 14);
    EXPECT_FALSE(r.split);
    EXPECT_EQ(canvas.font().size, 2);
}

TEST_F(CanvasTest, ShrinksOnlyAsFarAsNeeded)
{
    canvas.setSize(12);
    // 5 full-width characters: 100 px per point; 1000 units fit at 10 points.
    const auto r = canvas.fit("あいうえお", 1000, 8, 1000, 100);
    EXPECT_EQ(r.size, 10);
    EXPECT_EQ(r.steps, 2);
    EXPECT_EQ(r.first, "あいうえお");
}

TEST_F(CanvasTest, BelowTheMinimumTheTextSplitsInTwoLinesAtTheMinimum)
{
    canvas.setSize(10);
    // At 8 points each character is 160 px: six fit in 1000, the seventh starts line two.
    const auto r = canvas.fit("一二三四五六七八九十", 500, 8, 1000, 100);
    EXPECT_TRUE(r.split);
    EXPECT_EQ(r.size, 8);
    EXPECT_EQ(r.first, "一二三四五六");
    EXPECT_EQ(r.second, "七八九十");
}

TEST_F(CanvasTest, TheSecondLineHoldsAtMostItsLimit)
{
    canvas.setSize(10);
    const auto r = canvas.fit("一二三四五六七八九十", 100, 8, 100, 2);
    EXPECT_TRUE(r.split);
    EXPECT_EQ(r.first, "");
    EXPECT_EQ(r.second, "一二");
}

TEST_F(CanvasTest, SpreadLabelEndsWhereTheReferenceEnds)
{
    canvas.setSize(10);
    const int reference = canvas.width("有 効 期 限"); // 4 x 200 + 3 x 100
    canvas.spread(280, 850, "納期", reference);
    const auto& page = pages.pages.back();
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[0].x, 280);
    EXPECT_EQ(page[1].x + canvas.width("期"), 280 + reference);

    // Four characters: the gap is shared out, the last one may fall short by the truncation.
    pages.pages.clear();
    canvas.spread(0, 0, "納入場所", 1100);
    const auto& four = pages.pages.back();
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[1].x, 200 + 100);
    EXPECT_EQ(four[3].x, 600 + 300);
}

TEST_F(CanvasTest, ASingleCharacterLabelIsDrawnWhereItStarts)
{
    canvas.spread(280, 850, "計", 1100);
    ASSERT_EQ(pages.pages.back().size(), 1u);
    EXPECT_EQ(pages.pages.back()[0].x, 280);
}

TEST(LeadingSpaces, FullWidthSpacesAreCountedAndRemoved)
{
    const struct {
        const char* in;
        int count;
        const char* out;
    } cases[] = {{"　　　基礎", 3, "基礎"}, {"基礎　", 0, "基礎　"}, {" 　基礎", 0, " 　基礎"}, {"　", 1, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        std::string text = c.in;
        EXPECT_EQ(stripLeadingIdeographicSpaces(text), c.count);
        EXPECT_EQ(text, c.out);
    }
}

TEST_F(CanvasTest, PlacementsInAColumn)
{
    canvas.setSize(10);
    canvas.centred(1000, 2000, 0, "12"); // 200 px wide
    EXPECT_EQ(lastText().x, 1400);
    canvas.right(2000, 0, "12");
    EXPECT_EQ(lastText().x, 2000 - 15 - 200);
    canvas.rightEdge(2000, 0, "12");
    EXPECT_EQ(lastText().x, 1800);
}

} // namespace
} // namespace yorozu
