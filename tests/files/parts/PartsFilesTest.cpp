#include "files/parts/PartsFiles.h"

#include "core/document/Estimate.h"
#include "files/parts/ProgramFileName.h"
#include "files/support/SettingsTestDir.h"
#include "files/text/TextFile.h"

#include <string>
#include <vector>

using namespace yorozu;

namespace {

class PartsFilesTest : public yorozu::test::ProgramDirTest {
protected:
    PartsFilesTest() { setUpPartsGrid(grid, true); }

    void writeLines(const std::string& name, const std::vector<std::string>& lines) const
    {
        ASSERT_TRUE(writeTextLines(dir_ / name, lines).ok);
    }
    std::vector<std::string> lines(const std::string& name) const
    {
        return readTextLines(dir_ / name).value_or(std::vector<std::string>{});
    }
    std::vector<std::string> partLines(int n) const
    {
        std::vector<std::string> out;
        for (int k = 1; k <= n; ++k)
            out.push_back("99,,,,,,,部品" + std::to_string(k) + ",,寸法,,個,100,70,,,70.0,");
        return out;
    }

    StringGrid grid;
};

TEST_F(PartsFilesTest, NamesHaveNoLeadingZeros)
{
    EXPECT_EQ(partsListName(0), "BUMON0.LST");
    EXPECT_EQ(partsListName(12), "BUMON12.LST");
    EXPECT_EQ(partsFileName(3, 15), "BUHIN3_15.LST");
    EXPECT_EQ(partsFileName(0, 0), "BUHIN0_0.LST");
}

TEST_F(PartsFilesTest, ReadingGrowsTheGridToTheFileAndNumbersByLineOrder)
{
    struct Case {
        int lines;
        int rows;
    } cases[] = {{40, 41}, {3, 31}, {30, 31}, {0, 31}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        // A longer page shown before must not leave rows behind.
        grid.setRowCount(60);
        grid.setCell(col::Description, 45, "前のページ");
        writeLines("BUHIN1_1.LST", partLines(c.lines));
        EXPECT_EQ(SG_YOMIKOMI(grid, dir_ / "BUHIN1_1.LST"), PartsFileRead::Loaded);
        EXPECT_EQ(grid.rowCount(), c.rows);
        for (int r = 1; r < grid.rowCount(); ++r) {
            EXPECT_EQ(grid.cell(0, r), std::to_string(r));
            EXPECT_EQ(grid.cell(col::Description, r), r <= c.lines ? "部品" + std::to_string(r) : "");
            EXPECT_EQ(grid.cell(col::UnitPrice, r), r <= c.lines ? "100" : "");
        }
    }
}

TEST_F(PartsFilesTest, ShortAndLongLinesFillWhatTheyHave)
{
    writeLines("BUHIN1_1.LST", {"1,,,,,,,短い", "2,a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,余り1,余り2"});
    grid.setCell(col::Unit, 1, "古い");
    SG_YOMIKOMI(grid, dir_ / "BUHIN1_1.LST");
    EXPECT_EQ(grid.cell(col::Description, 1), "短い");
    EXPECT_EQ(grid.cell(col::Unit, 1), "");
    EXPECT_EQ(grid.cell(col::Memo, 2), "q");
    EXPECT_EQ(grid.row(2).size(), 18u);
    // The surplus is gone at the next save.
    ASSERT_TRUE(BUHIN_KAKIDASI(dir_, grid, 1, 1));
    EXPECT_EQ(lines("BUHIN1_1.LST")[1], "2,a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q");
}

TEST_F(PartsFilesTest, AMissingFileGivesAnEmptyNumberedPage)
{
    grid.setRowCount(50);
    grid.setCell(col::Description, 3, "前のページ");
    EXPECT_EQ(SG_YOMIKOMI(grid, dir_ / "BUHIN2_2.LST"), PartsFileRead::Missing);
    EXPECT_EQ(grid.rowCount(), 31);
    EXPECT_EQ(grid.cell(col::Description, 3), "");
    EXPECT_EQ(grid.cell(0, 30), "30");
}

TEST_F(PartsFilesTest, AFileThatCannotBeReadIsToldFromAMissingOne)
{
    std::filesystem::create_directory(dir_ / "BUHIN1_1.LST");
    grid.setCell(col::Description, 1, "前のページ");
    EXPECT_EQ(SG_YOMIKOMI(grid, dir_ / "BUHIN1_1.LST"), PartsFileRead::Unreadable);
    EXPECT_EQ(grid.cell(col::Description, 1), "");
}

TEST_F(PartsFilesTest, EveryRowIsWrittenEmptyOnesIncludedUpTo301)
{
    struct Case {
        int rows;
        std::size_t written;
    } cases[] = {{31, 30}, {351, 301}, {302, 301}, {2, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        SG2_HAKUSI(grid);
        grid.setRowCount(c.rows);
        grid.renumber();
        grid.setCell(col::Description, 1, "ボルト");
        ASSERT_TRUE(BUHIN_KAKIDASI(dir_, grid, 4, 7));
        const auto got = lines("BUHIN4_7.LST");
        ASSERT_EQ(got.size(), c.written);
        EXPECT_EQ(got.front(), "1,,,,,,,ボルト,,,,,,,,,,");
        if (c.written > 1) {
            EXPECT_EQ(got.back(), std::to_string(c.written) + ",,,,,,,,,,,,,,,,,");
        }
    }
}

TEST_F(PartsFilesTest, SavedPageReadsBackCellForCellAsCodePage932CrLf)
{
    grid.setCell(col::Description, 1, "ボルト, 六角");
    grid.setCell(col::Shape, 1, "M8 x 40");
    grid.setCell(col::Description, 2, "\"引用\"");
    grid.setCell(col::TaxExempt, 2, "1");
    grid.setCell(col::UnitPrice, 3, "-12.5");
    const StringGrid before = grid;
    ASSERT_TRUE(BUHIN_KAKIDASI(dir_, grid, 1, 1));
    const std::string raw = readRaw("BUHIN1_1.LST");
    EXPECT_EQ(raw.substr(0, 8), "1,,,,,,,");
    EXPECT_NE(raw.find("\"\x83\x7b\x83\x8b\x83\x67, \x98\x5a\x8a\x70\""), std::string::npos); // "ボルト, 六角" in quotes
    EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n");
    SG_YOMIKOMI(grid, dir_ / "BUHIN1_1.LST");
    for (int r = 0; r < before.rowCount(); ++r)
        EXPECT_EQ(grid.row(r), before.row(r)) << "row " << r;
}

TEST_F(PartsFilesTest, AFailedWriteLeavesThePreviousFile)
{
    writeLines("BUHIN1_1.LST", partLines(3));
    grid.setCell(col::Description, 1, "😀"); // code page 932 cannot hold it
    const auto r = BUHIN_KAKIDASI(dir_, grid, 1, 1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(lines("BUHIN1_1.LST"), partLines(3));
}

TEST_F(PartsFilesTest, NameListsFillTwentyCaptions)
{
    std::vector<std::string> departments;
    for (int i = 1; i <= 25; ++i)
        departments.push_back(i == 3 ? " 空白 あり " : "部門" + std::to_string(i));
    writeLines("BUMON0.LST", departments);
    writeLines("BUMON2.LST", {"床", "", "壁"});
    PartsCaptions c;
    c.pages.fill("古い");
    EXPECT_TRUE(BUMON_YOMIKOMI(dir_, 0, c));
    EXPECT_EQ(c.departments[0], "部門1");
    EXPECT_EQ(c.departments[2], " 空白 あり "); // taken whole
    EXPECT_EQ(c.departments[19], "部門20");
    EXPECT_EQ(c.pages[0], ""); // every list empties the page captions

    EXPECT_TRUE(BUMON_YOMIKOMI(dir_, 2, c));
    EXPECT_EQ(c.pages[0], "床");
    EXPECT_EQ(c.pages[2], "壁");
    EXPECT_EQ(c.pages[3], "");
    EXPECT_EQ(c.departments[0], "部門1");
}

TEST_F(PartsFilesTest, MissingListsEmptyOnlyThePages)
{
    PartsCaptions c;
    c.departments.fill("部門－Ⅰ");
    c.pages.fill("部品－Ⅰ");
    EXPECT_FALSE(BUMON_YOMIKOMI(dir_, 0, c));
    EXPECT_EQ(c.departments[5], "部門－Ⅰ");
    EXPECT_EQ(c.pages[5], "");
    std::filesystem::create_directory(dir_ / "BUMON3.LST");
    EXPECT_THROW(BUMON_YOMIKOMI(dir_, 3, c), std::runtime_error);
}

TEST_F(PartsFilesTest, NamesAreMatchedWithoutRegardToCase)
{
    // A catalogue copied from elsewhere: every spelling is the same file.
    writeLines("buhin1_1.Lst", partLines(2));
    writeLines("Bumon0.lst", {"外構"});
    EXPECT_EQ(programFilePath(dir_, "BUHIN1_1.LST"), dir_ / "buhin1_1.Lst");
    EXPECT_EQ(SG_YOMIKOMI(grid, programFilePath(dir_, "BUHIN1_1.LST")), PartsFileRead::Loaded);
    grid.setCell(col::Description, 1, "変更");
    ASSERT_TRUE(BUHIN_KAKIDASI(dir_, grid, 1, 1));
    EXPECT_EQ(lines("buhin1_1.Lst")[0], "1,,,,,,,変更,,寸法,,個,100,70,,,70.0,");
    EXPECT_FALSE(exists("BUHIN1_1.LST"));
    PartsCaptions c;
    EXPECT_TRUE(BUMON_YOMIKOMI(dir_, 0, c));
    EXPECT_EQ(c.departments[0], "外構");
    // A new file takes the written case.
    ASSERT_TRUE(BUHIN_KAKIDASI(dir_, grid, 2, 1));
    EXPECT_TRUE(exists("BUHIN2_1.LST"));
    // The written spelling wins when both are there; others in byte order.
    writeLines("BUHIN1_1.LST", {});
    EXPECT_EQ(programFilePath(dir_, "BUHIN1_1.LST"), dir_ / "BUHIN1_1.LST");
    EXPECT_EQ(programFilePath(dir_, "buhin1_1.lst"), dir_ / "BUHIN1_1.LST");
}

} // namespace
