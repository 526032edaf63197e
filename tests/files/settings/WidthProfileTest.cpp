#include "files/settings/WidthProfile.h"

#include "files/support/SettingsTestDir.h"

using namespace yorozu;

namespace {

class WidthProfileTest : public yorozu::test::ProgramDirTest {};

const std::string kDefaultContent =
    "[\x8c\x60\x8f\xf3]=1\r\n0=25\r\n1=20\r\n2=20\r\n3=20\r\n4=-1\r\n5=-1\r\n6=-1\r\n7=284\r\n8=-1\r\n"
    "9=128\r\n10=50\r\n11=40\r\n12=60\r\n13=60\r\n14=70\r\n15=70\r\n16=39\r\n17=60\r\n";

const std::vector<int> kDefaultWidths{25, 20, 20, 20, -1, -1, -1, 284, -1, 128, 50, 40, 60, 60, 70, 70, 39, 60};

} // namespace

TEST_F(WidthProfileTest, SavedWidthsAndShapeBoxComeBack)
{
    Estimate saved;
    saved.SunpouClick(false);
    saved.SG1.setColWidth(col::Memo, 0);
    saved.SG1.setColWidth(col::Quantity, 77);
    saved.SG1.setColWidth(col::No, 31);
    ASSERT_TRUE(writeWidthProfile(dir_, kWidthProfile1, saved.Sunpou, saved.SG1.colWidths()));
    EXPECT_EQ(readRaw(kWidthProfile1).substr(0, 14), "[\x8c\x60\x8f\xf3]=0\r\n0=31");

    Estimate loaded;
    const auto r = CEL_WIDTH_SET(dir_, loaded, kWidthProfile1);
    EXPECT_TRUE(r.applied);
    EXPECT_FALSE(r.wroteDefaults);
    EXPECT_FALSE(loaded.Sunpou);
    EXPECT_EQ(loaded.SG1.colWidths(), saved.SG1.colWidths());
    EXPECT_EQ(loaded.SG1.colWidth(col::Shape), -1);
}

TEST_F(WidthProfileTest, MissingFileIsCreatedWithTheDefaultsAndUsedNextTime)
{
    Estimate e;
    e.SunpouClick(false);
    e.SG1.setColWidth(col::UnitPrice, 99);
    const auto before = e.SG1.colWidths();

    auto r = CEL_WIDTH_SET(dir_, e, kWidthDefaults);
    EXPECT_FALSE(r.applied);
    EXPECT_TRUE(r.wroteDefaults);
    EXPECT_TRUE(r.write);
    EXPECT_TRUE(e.Sunpou);
    EXPECT_EQ(readRaw(kWidthDefaults), kDefaultContent);
    // Only the shape box rule touched the widths: the unit price keeps its width.
    EXPECT_EQ(e.SG1.colWidth(col::UnitPrice), before[col::UnitPrice]);

    r = CEL_WIDTH_SET(dir_, e, kWidthDefaults);
    EXPECT_TRUE(r.applied);
    EXPECT_EQ(e.SG1.colWidths(), kDefaultWidths);
}

TEST_F(WidthProfileTest, MissingOrBadLinesHideTheirColumn)
{
    struct Case {
        const char* name;
        std::string content;
        bool shape;
        int col, width;
    };
    const Case cases[] = {
        {"no line for column 12", "[\x8c\x60\x8f\xf3]=1\r\n10=50\r\n11=40\r\n13=60\r\n", true, 12, -1},
        {"width not an integer", "7=wide\r\n", true, 7, -1},
        {"shape value not an integer ticks the box", "[\x8c\x60\x8f\xf3]=x\r\n", true, 0, -1},
        {"shape 0 clears the box", "[\x8c\x60\x8f\xf3]=0\r\n0=25\r\n", false, 0, 25},
        {"shape 2 clears the box", "[\x8c\x60\x8f\xf3]=2\r\n", false, 0, -1},
        {"column 1 missing finds the line of column 11", "0=25\r\n11=40\r\n", true, 1, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeRaw("P.INI", c.content);
        Estimate e;
        e.SunpouClick(!c.shape);
        CEL_WIDTH_SET(dir_, e, "P.INI");
        EXPECT_EQ(e.Sunpou, c.shape);
        EXPECT_EQ(e.SG1.colWidth(c.col), c.width);
    }
}

TEST_F(WidthProfileTest, AFailedWriteIsReported)
{
    Estimate e;
    EXPECT_FALSE(writeWidthProfile(dir_ / "missing", kWidthProfile2, true, e.SG1.colWidths()));
    EXPECT_FALSE(CEL_WIDTH_SET(dir_ / "missing", e, kWidthProfile2).write);
}
