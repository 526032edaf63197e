#include "files/parts/PartsCatalogue.h"

#include "core/document/Estimate.h"
#include "files/support/SettingsTestDir.h"
#include "files/text/TextFile.h"

#include <string>
#include <vector>

using namespace yorozu;

namespace {

class PartsCatalogueTest : public yorozu::test::ProgramDirTest {
protected:
    void SetUp() override
    {
        ProgramDirTest::SetUp();
        setUpPartsGrid(grid, true);
        writePage(1, 1, "ボルト");
        writePage(1, 2, "ナット");
        writePage(2, 2, "塗料");
        ASSERT_TRUE(writeTextLines(dir_ / "BUMON0.LST", {"金物", "塗装"}).ok);
        ASSERT_TRUE(writeTextLines(dir_ / "BUMON1.LST", {"ボルト類", "ナット類"}).ok);
        ASSERT_TRUE(writeTextLines(dir_ / "BUMON2.LST", {"下地", "上塗り"}).ok);
    }
    void writePage(int d, int p, const std::string& name)
    {
        std::vector<std::string> lines;
        for (int k = 1; k <= 40; ++k)
            lines.push_back(std::to_string(k) + ",,,,,,," + name + std::to_string(k));
        ASSERT_TRUE(writeTextLines(dir_ / partsFileName(d, p), lines).ok);
    }
    std::vector<std::string> lines(const std::string& name) const
    {
        return readTextLines(dir_ / name).value_or(std::vector<std::string>{});
    }

    StringGrid grid;
    PartsCaptions captions;
};

TEST_F(PartsCatalogueTest, FirstOpeningLoadsTheFirstPageAndBothLists)
{
    PartsCatalogue cat(dir_);
    EXPECT_FALSE(cat.opened());
    const auto step = cat.open(grid, captions);
    EXPECT_TRUE(step.switched);
    EXPECT_EQ(cat.department(), 1);
    EXPECT_EQ(cat.page(), 1);
    EXPECT_EQ(grid.cell(col::Description, 1), "ボルト1");
    EXPECT_EQ(captions.departments[1], "塗装");
    EXPECT_EQ(captions.pages[1], "ナット類");
}

TEST_F(PartsCatalogueTest, SwitchingWritesTheShownPageAndRestoresRememberedRows)
{
    PartsCatalogue cat(dir_);
    cat.open(grid, captions);
    grid.setCell(col::UnitPrice, 1, "500");
    auto step = cat.switchPage(grid, 12, 2);
    EXPECT_TRUE(step.switched);
    EXPECT_EQ(lines("BUHIN1_1.LST")[0], "1,,,,,,,ボルト1,,,,,500,,,,,");
    EXPECT_EQ(grid.cell(col::Description, 1), "ナット1");
    EXPECT_EQ(step.row, 1);

    // Department 2 keeps the page number; its page list replaces the captions.
    step = cat.switchDepartment(grid, captions, 35, 2);
    EXPECT_EQ(cat.department(), 2);
    EXPECT_EQ(cat.page(), 2);
    EXPECT_EQ(grid.cell(col::Description, 1), "塗料1");
    EXPECT_EQ(captions.pages[0], "下地");

    step = cat.switchDepartment(grid, captions, 3, 1);
    EXPECT_EQ(step.row, 35);
    step = cat.switchPage(grid, 3, 1);
    EXPECT_EQ(step.row, 12);
    EXPECT_EQ(grid.cell(col::UnitPrice, 1), "500");
}

TEST_F(PartsCatalogueTest, ARememberedRowBeyondAShorterPageGoesToItsLastRow)
{
    PartsCatalogue cat(dir_);
    cat.open(grid, captions);
    cat.switchPage(grid, 40, 3); // page 3 has no file: 30 rows
    std::filesystem::remove(dir_ / "BUHIN1_1.LST");
    const auto step = cat.switchPage(grid, 1, 1);
    EXPECT_EQ(step.row, 30);
    // The remembered row was stored before the write and the load.
    EXPECT_EQ(cat.rememberedRow(1, 1), 40);
}

TEST_F(PartsCatalogueTest, PressingTheShownPageWritesAndReloadsIt)
{
    PartsCatalogue cat(dir_);
    cat.open(grid, captions);
    grid.setCell(col::Description, 2, "差し替え");
    cat.switchPage(grid, 1, 1);
    EXPECT_EQ(grid.cell(col::Description, 2), "差し替え");
    EXPECT_EQ(lines("BUHIN1_1.LST")[1], "2,,,,,,,差し替え,,,,,,,,,,");
}

TEST_F(PartsCatalogueTest, AnUnreadablePageIsReportedAndNeverWrittenOver)
{
    std::filesystem::remove(dir_ / "BUHIN1_2.LST");
    std::filesystem::create_directory(dir_ / "BUHIN1_2.LST");
    PartsCatalogue cat(dir_);
    cat.open(grid, captions);
    const auto step = cat.switchPage(grid, 1, 2);
    EXPECT_TRUE(step.switched);
    EXPECT_EQ(step.unreadable, "BUHIN1_2.LST");
    EXPECT_EQ(grid.rowCount(), 31);
    // Neither leaving it nor closing replaces it with the empty page.
    EXPECT_TRUE(cat.save(grid).ok);
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "BUHIN1_2.LST"));
    EXPECT_TRUE(cat.switchPage(grid, 1, 1).switched);
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "BUHIN1_2.LST"));
    EXPECT_EQ(grid.cell(col::Description, 1), "ボルト1");
    // The next page read well is written as usual.
    grid.setCell(col::Unit, 1, "本");
    EXPECT_TRUE(cat.save(grid).ok);
    EXPECT_EQ(lines("BUHIN1_1.LST")[0], "1,,,,,,,ボルト1,,,,本,,,,,,");
}

TEST_F(PartsCatalogueTest, AFailedWriteStopsTheSwitchWithThePageKept)
{
    PartsCatalogue cat(dir_);
    cat.open(grid, captions);
    grid.setCell(col::Description, 1, "😀");
    const auto step = cat.switchDepartment(grid, captions, 5, 2);
    EXPECT_FALSE(step.switched);
    EXPECT_FALSE(step.write.ok);
    EXPECT_EQ(cat.department(), 1);
    EXPECT_EQ(grid.cell(col::Description, 1), "😀");
    EXPECT_EQ(captions.pages[0], "ボルト類"); // the captions still belong to the page shown
    EXPECT_EQ(lines("BUHIN1_1.LST")[0], "1,,,,,,,ボルト1");
}

TEST_F(PartsCatalogueTest, NeverOpenedTheGridGoesToPageZeroZero)
{
    PartsCatalogue cat(dir_);
    SG2_HAKUSI(grid);
    ASSERT_TRUE(cat.save(grid).ok);
    const auto got = lines("BUHIN0_0.LST");
    ASSERT_EQ(got.size(), 30u);
    EXPECT_EQ(got[29], "30,,,,,,,,,,,,,,,,,");
}

TEST_F(PartsCatalogueTest, AfterAResetTheNextOpeningIsAFirstOpening)
{
    PartsCatalogue cat(dir_);
    cat.open(grid, captions);
    cat.switchDepartment(grid, captions, 1, 2);
    grid.setCell(col::Description, 1, "書かれない");
    cat.reset();
    EXPECT_FALSE(cat.opened());
    cat.open(grid, captions);
    EXPECT_EQ(cat.department(), 1);
    EXPECT_EQ(grid.cell(col::Description, 1), "ボルト1");
    EXPECT_EQ(lines("BUHIN2_2.LST")[0], "1,,,,,,,塗料1");
}

} // namespace
