// The estimate reader against files no program of ours writes: each reads to
// a defined result with the messages the reading rules give, and the
// document stays usable: it recalculates, builds its print copy, saves and
// reads back the same.
#include "core/document/Estimate.h"
#include "core/copies/PrintCopy.h"
#include "files/text/Cp932.h"
#include "files/estimate/EstimateLayout.h"
#include "files/estimate/EstimateRead.h"
#include "files/text/TextFile.h"

#include "files/support/HostileFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace yorozu;
namespace fs = std::filesystem;

namespace {

class HostileEstimateFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(testing::TempDir()) / ("hostile_qte_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& bytes) const
    {
        const auto file = dir_ / "in.qte";
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    // A neutral header (what a new document holds), then the rows.
    static std::string file(const std::vector<std::string>& rows, const std::vector<std::string>& header = neutral())
    {
        std::string out;
        for (const auto& line : header)
            out += line + "\r\n";
        for (const auto& row : rows)
            out += row + "\r\n";
        return out;
    }
    static std::vector<std::string> neutral()
    {
        return {"K", "T", "R", "1", "2026/12/10", "", "", "", "", "1", "1", "0", "0", "0", "0", "0", "1", "0", "0",
                "h"};
    }

    // Reads, then shows that the document can be used on.
    EstimateReadResult readAndUse(Estimate& doc, const std::string& bytes) const
    {
        const auto result = TXT_DATA_READ2(doc, write(bytes), dir_);
        EXPECT_TRUE(result.ok) << result.error;
        doc.recalculateAll();
        const auto copy = SYOKEI_MAKE(doc, PrintCopySettings{});
        EXPECT_TRUE(copy.completed || copy.message == kSeveralDiscountsMessage ||
                    copy.message == kTotalsOutOfRangeMessage)
            << copy.message;
        const auto saved = dir_ / "saved.qte";
        const auto written = writeTextLines(saved, estimateFileLines(doc, 0));
        EXPECT_TRUE(written.ok) << written.error;
        Estimate again;
        again.DTP1 = doc.DTP1;
        EXPECT_TRUE(TXT_DATA_READ2(again, saved, dir_).ok);
        EXPECT_EQ(again.KNAME, doc.KNAME);
        EXPECT_EQ(again.SG1.rowCount(), doc.SG1.rowCount());
        for (int r = 1; r < std::min(doc.SG1.rowCount(), again.SG1.rowCount()); ++r)
            if (again.SG1.row(r) != doc.SG1.row(r)) {
                ADD_FAILURE() << "row " << r << " reads back differently";
                break;
            }
        return result;
    }

    fs::path dir_;
};

} // namespace

TEST_F(HostileEstimateFileTest, EveryHostileFileReadsAndTheDocumentStaysUsable)
{
    for (const auto& hostile : test::hostileFiles()) {
        SCOPED_TRACE(hostile.name);
        const auto start = std::chrono::steady_clock::now();
        Estimate doc;
        readAndUse(doc, hostile.bytes);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
        // The same shapes as data rows after a proper header.
        Estimate doc2;
        readAndUse(doc2, file({}) + hostile.bytes);
    }
}

TEST_F(HostileEstimateFileTest, ShapesOfRows)
{
    {
        SCOPED_TRACE("a row of 500 items fills the 18 columns and drops the rest");
        std::string row;
        for (int i = 0; i < 500; ++i)
            row += (i ? "," : "") + std::to_string(i);
        Estimate doc;
        readAndUse(doc, file({row}));
        EXPECT_EQ(doc.SG1.colCount(), 18);
        EXPECT_EQ(doc.SG1.cell(0, 1), "1");
        EXPECT_EQ(doc.SG1.cell(7, 1), "7");
        EXPECT_EQ(doc.SG1.cell(17, 1), "17");
    }
    {
        SCOPED_TRACE("100,000 rows extend the sheet and are all computed");
        Estimate doc;
        readAndUse(doc, file(std::vector<std::string>(100000, ",,,,,,,a,,,2,,3,,,,,")));
        ASSERT_EQ(doc.SG1.rowCount(), 100001);
        EXPECT_EQ(doc.SG1.cell(col::Amount, 100000), "6");
        EXPECT_EQ(doc.SG1.cell(col::No, 100000), "100000");
        EXPECT_EQ(doc.KINGAKU_KEI, 600000LL * 10000);
    }
    {
        SCOPED_TRACE("a description of 1 MB is kept whole");
        Estimate doc;
        readAndUse(doc, file({",,,,,,,\"" + std::string(1 << 20, 'x') + "\",,,1,,5"}));
        EXPECT_EQ(doc.SG1.cell(col::Description, 1).size(), 1u << 20);
        EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "5");
    }
    {
        SCOPED_TRACE("a lone lead byte at the end of a row and of the file");
        Estimate doc;
        readAndUse(doc, file({",,,,,,,ab\x82", ",,,,,,,c,,,1,,2,,,,,\x82"}));
        EXPECT_EQ(doc.SG1.cell(col::Description, 1).substr(0, 2), "ab");
        EXPECT_EQ(doc.SG1.cell(col::Description, 2), "c");
        EXPECT_EQ(doc.SG1.cell(col::Amount, 2), "2");
    }
    {
        SCOPED_TRACE("NUL bytes are text of their cell");
        Estimate doc;
        readAndUse(doc, file({std::string(",,,,,,,a\0b,,,1,,2", 17)}));
        EXPECT_EQ(doc.SG1.cell(col::Description, 1), std::string("a\0b", 3));
        EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "2");
    }
}

TEST_F(HostileEstimateFileTest, LineEnds)
{
    {
        SCOPED_TRACE("LF alone ends lines");
        std::string bytes;
        for (const auto& line : neutral())
            bytes += line + "\n";
        bytes += ",,,,,,,a,,,2,,3\n";
        Estimate doc;
        const auto r = readAndUse(doc, bytes);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(doc.KNAME, "K");
        EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "6");
    }
    {
        SCOPED_TRACE("CR without LF stays inside its line");
        auto header = neutral();
        header[0] = "K\rX";
        Estimate doc;
        const auto r = readAndUse(doc, file({",,,,,,,a\rb,,,2,,3"}, header));
        EXPECT_EQ(doc.KNAME, "K\rX");
        EXPECT_EQ(doc.Kouji, "T");
        // A control character ends a bare item: "b" is the next cell.
        EXPECT_EQ(doc.SG1.cell(col::Description, 1), "a");
        EXPECT_EQ(doc.SG1.cell(col::TaxExempt, 1), "b");
    }
    {
        SCOPED_TRACE("lines missing at the end read as empty lines");
        Estimate doc;
        const auto r = readAndUse(doc, "K\r\nT\r\nR\r\n1\r\n2026/12/10\r\n");
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(doc.Bangou, "1");
        EXPECT_EQ(doc.memoMode, MemoMode::Numeric); // only "1" is text mode
        EXPECT_EQ(doc.GYOUKAN, 0);
        EXPECT_EQ(doc.SG1.rowCount(), 31);
        EXPECT_EQ(doc.SG1_END(), 0);
    }
}

// Numbers in the header lines and in the cells: each takes the reading rule
// of its line or cell.
TEST_F(HostileEstimateFileTest, NumberTexts)
{
    struct Row {
        const char* text;
        bool modeMessage;  // as line 18 while the fraction mode is 0
        const char* amount; // as the quantity of a line with unit price 2, mode 0
    };
    const std::string digits400(400, '9');
    const Row rows[] = {
        {"0", false, ""},
        {"1", true, "2"},
        {"2", true, "4"},
        {"1,234", false, ""},   // no integer, no number: 0
        {"1e3", false, "2000"}, // no integer; a number to the cell reading
        {"nan", false, ""},
        {"inf", false, ""},
        {"-inf", false, ""},
        {" 1", true, "2"},
        {"99999999999", false, "199999999998"},
        {digits400.c_str(), false, "9223372036854775807"}, // past 64 bits: pinned
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text).substr(0, 20));
        auto header = neutral();
        header[17] = row.text;
        header[11] = row.text; // line spacing
        header[12] = row.text; // print kind
        header[13] = row.text; // orientation
        Estimate doc;
        const auto r = readAndUse(doc, file({std::string(",,,,,,,a,,,") + row.text + ",,2"}, header));
        EXPECT_EQ(r.messages.size(), row.modeMessage ? 1u : 0u);
        EXPECT_EQ(doc.HASU_MODE, 0);
        EXPECT_GE(doc.GYOUKAN, -1);
        EXPECT_LE(doc.GYOUKAN, 2);
        EXPECT_GE(doc.MUKI, -1);
        EXPECT_LE(doc.MUKI, 1);
        EXPECT_EQ(doc.SG1.cell(col::Amount, 1), row.amount);
    }
}
