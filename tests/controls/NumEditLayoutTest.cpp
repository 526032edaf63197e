#include "controls/numedit/NumEditLayout.h"

#include <gtest/gtest.h>

using namespace yorozu;

namespace {

// A control 100 wide and 20 high with the default margins of 2, a left mark
// 8 wide, a right mark 10 wide, a template 40 wide holding a number 30 wide
// of which 20 are typed.
NumLayoutInput sample(NumAlign align)
{
    NumLayoutInput in;
    in.clientWidth = 100;
    in.clientHeight = 20;
    in.align = align;
    in.textHeight = 12;
    in.leftMarkWidth = 8;
    in.rightMarkWidth = 10;
    in.templateWidth = 40;
    in.numberWidth = 30;
    in.typedWidth = 20;
    return in;
}

TEST(NumEditLayout, HorizontalAlignment)
{
    struct Case {
        const char* name;
        NumAlign align;
        int leftMarkX, numberX, rightMarkX;
    };
    const Case cases[] = {
        // The number ends at 100 - 10 - 2 - 1 = 87; the left mark stands
        // before the whole template, not before the number.
        {"right", NumAlign::Right, 39, 57, 87},
        // The number is right-aligned inside its template so digits line up.
        {"left", NumAlign::Left, 2, 20, 50},
        // The block 8 + 40 + 10 is centred in the 96 between the margins.
        {"centre", NumAlign::Center, 21, 39, 69},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const NumLayout lay = layoutNumEdit(sample(c.align));
        EXPECT_EQ(lay.leftMarkX, c.leftMarkX);
        EXPECT_EQ(lay.numberX, c.numberX);
        EXPECT_EQ(lay.rightMarkX, c.rightMarkX);
        EXPECT_EQ(lay.fillLeft, c.leftMarkX);
        EXPECT_EQ(lay.fillRight, c.rightMarkX + 10);
        EXPECT_EQ(lay.caretX, c.numberX + 20 - 1);
    }
}

TEST(NumEditLayout, VerticalAlignment)
{
    struct Case {
        const char* name;
        NumVertAlign align;
        int clientHeight;
        int textTop;
    };
    const Case cases[] = {
        {"top", NumVertAlign::Top, 20, 2},
        {"bottom", NumVertAlign::Bottom, 20, 6},
        {"centre", NumVertAlign::VCenter, 20, 4},
        {"centre truncates", NumVertAlign::VCenter, 21, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NumLayoutInput in = sample(NumAlign::Right);
        in.vertAlign = c.align;
        in.clientHeight = c.clientHeight;
        EXPECT_EQ(layoutNumEdit(in).textTop, c.textTop);
    }
}

TEST(NumEditLayout, EmptyValuePutsTheCaretAtTheNumbersEnd)
{
    NumLayoutInput in = sample(NumAlign::Right);
    in.leftMarkWidth = in.rightMarkWidth = 0;
    in.templateWidth = in.numberWidth = in.typedWidth = 0;
    const NumLayout lay = layoutNumEdit(in);
    EXPECT_EQ(lay.numberX, 100 - 2 - 1);
    EXPECT_EQ(lay.caretX, lay.numberX - 1);
}

} // namespace
