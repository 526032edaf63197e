#include "files/estimate/EstimateFileFixture.h"

#include "files/estimate/EstimateLayout.h"
#include "files/estimate/EstimateRead.h"

using namespace yorozu;
using yorozu::test::EstimateFileTest;

namespace {

const char* const kUtizeiOn = "内税に設定を変更しました。";
const char* const kUtizeiOff = "内税設定を変更しました。";
const char* const kHikazeiOn = "非課税に設定を変更しました。";
const char* const kHikazeiOff = "非課税設定を変更しました。";

class EstimateRead : public EstimateFileTest {
protected:
    // Writes the lines as a file and reads it into `doc`.
    EstimateReadResult read(const std::vector<std::string>& lines)
    {
        writeLines(file(), lines);
        return TXT_DATA_READ2(doc, file(), programDir);
    }
    std::filesystem::path file() const { return dataDir / "a.qte"; }
    static std::vector<std::string> withLine(std::vector<std::string> lines, int number, std::string text)
    {
        lines.at(static_cast<size_t>(number - 1)) = std::move(text);
        return lines;
    }

    Estimate doc;
};

} // namespace

TEST_F(EstimateRead, NeutralFileFillsHeaderAndShowsNothing)
{
    auto lines = neutralHeader();
    lines.push_back("7,A,,,,,,品名,,寸法,2,個,100,80,200,160,80.0,メモ");
    const auto r = read(lines);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.messages.empty());
    EXPECT_FALSE(r.orientationChanged);
    EXPECT_EQ(r.cursorCol, 1);
    EXPECT_EQ(r.cursorRow, 1);
    EXPECT_EQ(doc.KNAME, "顧客");
    EXPECT_EQ(doc.Kouji, "工事");
    EXPECT_EQ(doc.TITLE, "登録名");
    EXPECT_EQ(doc.Bangou, "100");
    EXPECT_EQ(doc.DTP1, (Date{2024, 3, 5}));
    EXPECT_EQ(doc.Nouki, "納期");
    EXPECT_EQ(doc.Basyo, "場所");
    EXPECT_EQ(doc.Joken, "条件");
    EXPECT_EQ(doc.Kigen, "期限");
    // The row number is rewritten from the row's position.
    EXPECT_EQ(doc.SG1.cell(col::No, 1), "1");
    EXPECT_EQ(doc.SG1.cell(col::Dai, 1), "A");
    EXPECT_EQ(doc.SG1.cell(col::Description, 1), "品名");
    EXPECT_EQ(doc.SG1.cell(col::Memo, 1), "メモ");
    EXPECT_EQ(doc.SG1.rowCount(), 31);
}

TEST_F(EstimateRead, TaxOptionMessagesAsTheyArise)
{
    struct Case {
        const char* name;
        bool utizei, hikazei;     // before reading
        const char *line15, *line16;
        std::vector<std::string> messages;
        bool utizeiAfter, hikazeiAfter;
    };
    const Case cases[] = {
        {"both 1: UTIZEI ticked, then cleared by HIKAZEI", false, false, "1", "1", {kUtizeiOn, kHikazeiOn}, false, true},
        {"UTIZEI cleared", true, false, "0", "0", {kUtizeiOff}, false, false},
        {"HIKAZEI cleared", false, true, "0", "0", {kHikazeiOff}, false, false},
        {"UTIZEI ticked clears HIKAZEI, line 16 agrees", false, true, "1", "0", {kUtizeiOn}, true, false},
        {"UTIZEI cleared, HIKAZEI ticked", true, false, "0", "1", {kUtizeiOff, kHikazeiOn}, false, true},
        {"any integer but 0 ticks", false, false, "-3", "0", {kUtizeiOn}, true, false},
        {"text that is no integer clears", true, false, "yes", "", {kUtizeiOff}, false, false},
        {"unchanged says nothing", true, false, "1", "0", {}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc = Estimate();
        doc.UTIZEI = c.utizei;
        doc.HIKAZEI = c.hikazei;
        auto lines = withLine(withLine(neutralHeader(), 15, c.line15), 16, c.line16);
        const auto r = read(lines);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(doc.UTIZEI, c.utizeiAfter);
        EXPECT_EQ(doc.HIKAZEI, c.hikazeiAfter);
    }
}

TEST_F(EstimateRead, FractionModeMessageNamesBothModesAndKeepsTheMode)
{
    struct Case {
        const char* line18;
        int hasuMode;
        const char* fileName;    // nullptr: no message
        const char* currentName;
    };
    const Case cases[] = {
        {"1", 0, "切り上げ", "切捨て"},
        {"0", 2, "切り捨て", "四捨五入"},
        {"2", 1, "四捨五入", "切り上げ"},
        {"0", 0, nullptr, nullptr},
        {"abc", 0, nullptr, nullptr}, // counts as 0
        {"abc", 2, "", "四捨五入"},   // an unknown text has no name
        {"7", 1, "", "切り上げ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line18) + " read with mode " + std::to_string(c.hasuMode));
        doc = Estimate();
        doc.HASU_MODE = c.hasuMode;
        const auto r = read(withLine(neutralHeader(), 18, c.line18));
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(doc.HASU_MODE, c.hasuMode);
        if (!c.fileName) {
            EXPECT_TRUE(r.messages.empty());
            continue;
        }
        const std::string expected = std::string("端数処理方法が現在の設定と異なります。\r\n\r\n読込みデータは [ ") +
                                     c.fileName + " ] です。\r\n現在の設定は　[ " + c.currentName +
                                     " ] です。\r\n\r\n変更が必要な場合は 「設定」 で変更してください。";
        EXPECT_EQ(r.messages, std::vector<std::string>{expected});
    }
}

TEST_F(EstimateRead, RemarkRowsMessageComparesWithPortraitSettings)
{
    struct Case {
        const char* name;
        const char* setting; // "[備考枠]=" line of SET3.INI, nullptr: no file
        const char* line19;
        bool message;
    };
    const Case cases[] = {
        {"differs", "[備考枠]=5", "3", true},
        {"equal", "[備考枠]=5", "5", false},
        {"missing file counts as 0", nullptr, "0", false},
        {"missing file against 4", nullptr, "4", true},
        {"text counts as 0", "[備考枠]=", "x", false},
        {"text against 2", "[備考枠]=2", "x", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(programDir / "SET3.INI");
        if (c.setting)
            writeLines(programDir / "SET3.INI", {"[他]=1", c.setting});
        doc = Estimate();
        const auto r = read(withLine(neutralHeader(), 19, c.line19));
        ASSERT_TRUE(r.ok) << r.error;
        if (c.message)
            EXPECT_EQ(r.messages, std::vector<std::string>{std::string("読込んだデータの備考行数は [ ") + c.line19 +
                                                           "行 ] です。\r\n\r\n変更が必要な場合は 「設定」 で変更してください。"});
        else
            EXPECT_TRUE(r.messages.empty());
    }
}

TEST_F(EstimateRead, MessagesComeInReadingOrder)
{
    // The remark-row comparison reads the portrait settings even in landscape.
    writeLines(programDir / "SET3.INI", {"[備考枠]=6"});
    auto lines = withLine(withLine(withLine(withLine(neutralHeader(), 15, "1"), 16, "1"), 18, "2"), 19, "3");
    const auto r = read(withLine(lines, 14, "1"));
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.messages.size(), 4u);
    EXPECT_EQ(r.messages[0], kUtizeiOn);
    EXPECT_EQ(r.messages[1], kHikazeiOn);
    EXPECT_NE(r.messages[2].find("端数処理方法"), std::string::npos);
    EXPECT_NE(r.messages[3].find("備考行数は [ 3行 ]"), std::string::npos);
    EXPECT_FALSE(doc.UTIZEI);
    EXPECT_TRUE(doc.HIKAZEI);
    EXPECT_TRUE(r.orientationChanged);
}

TEST_F(EstimateRead, MemoHeadingComesFromTheOrientationInForce)
{
    writeLines(programDir / "SET3.INI", {"[MEMO]=縦文字", "[MEMO_数値]=縦数値"});
    writeLines(programDir / "SET.INI", {"[MEMO]=横文字", "[MEMO_数値]=横数値"});
    struct Case {
        int mukiBefore;
        const char *line10, *line14;
        const char* heading;
        MemoMode mode;
        bool orientationChanged;
    };
    const Case cases[] = {
        {0, "1", "0", "縦文字", MemoMode::Text, false},
        {0, "0", "0", "縦数値", MemoMode::Numeric, false},
        {0, "1", "1", "横文字", MemoMode::Text, true},
        {1, "2", "1", "横数値", MemoMode::Numeric, false}, // only "1" is text mode
        {1, "1", "", "縦文字", MemoMode::Text, true},      // an empty line is portrait
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("line 10 ") + c.line10 + ", line 14 " + c.line14);
        doc = Estimate();
        doc.setMUKI(c.mukiBefore);
        const auto r = read(withLine(withLine(neutralHeader(), 10, c.line10), 14, c.line14));
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(doc.SG1.cell(col::Memo, 0), c.heading);
        EXPECT_EQ(doc.memoMode, c.mode);
        EXPECT_EQ(r.orientationChanged, c.orientationChanged);
    }
}

TEST_F(EstimateRead, OptionIndicesAreClampedAndRunTheirRules)
{
    doc.setGENKA_P(true);
    auto lines = withLine(withLine(withLine(neutralHeader(), 12, "9"), 13, "-1"), 14, "7");
    const auto r = read(lines);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(doc.GYOUKAN, 2); // above the last item: the last
    EXPECT_FALSE(doc.GENKA_P); // "小" clears the cost printing
    EXPECT_EQ(doc.PRN_S, -1);  // negative: none selected
    EXPECT_EQ(doc.MUKI, 1);
    EXPECT_TRUE(r.orientationChanged);
}

TEST_F(EstimateRead, MemoAndShapeColumnsFollowTheFile)
{
    // Shown memo column (60) and shape column (128) of a new sheet; the file hides both.
    const int description = doc.SG1.colWidth(col::Description);
    auto r = read(withLine(withLine(neutralHeader(), 11, "0"), 17, "0"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(doc.SG1.colWidth(col::Memo), 0);
    EXPECT_EQ(doc.SG1.colWidth(col::Shape), -1);
    EXPECT_FALSE(doc.Sunpou);
    EXPECT_EQ(doc.SG1.colWidth(col::Description), description + 128 + 61 + 1);

    doc = Estimate();
    r = read(withLine(neutralHeader(), 11, "0"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(doc.SG1.colWidth(col::Memo), 0);
    EXPECT_EQ(doc.SG1.colWidth(col::Shape), 128 + 60 + 1);
    r = read(neutralHeader());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(doc.SG1.colWidth(col::Memo), 60);
    EXPECT_EQ(doc.SG1.colWidth(col::Shape), 128);
}

TEST_F(EstimateRead, DateThatDoesNotConvertKeepsTheDocumentsDate)
{
    for (const char* text : {"", "2024/13/01", "2023/02/29", "令和6年", "2024-03"}) {
        SCOPED_TRACE(text);
        doc = Estimate();
        doc.DTP1 = Date{2026, 12, 10}; // today, as the clear left it
        ASSERT_TRUE(read(withLine(neutralHeader(), 5, text)).ok);
        EXPECT_EQ(doc.DTP1, (Date{2026, 12, 10}));
    }
    ASSERT_TRUE(read(withLine(neutralHeader(), 5, "2024/02/29")).ok);
    EXPECT_EQ(doc.DTP1, (Date{2024, 2, 29}));
}

TEST_F(EstimateRead, RowCountFollowsTheFile)
{
    const std::string emptyRow = ",,,,,,,,,,,,,,,,,";
    {
        SCOPED_TRACE("45 rows extend the sheet to 46 grid rows");
        auto lines = neutralHeader();
        for (int n = 1; n <= 45; ++n)
            lines.push_back("0,,,,,,,行" + std::to_string(n) + ",,,1,式,10,,10,,,");
        ASSERT_TRUE(read(lines).ok);
        EXPECT_EQ(doc.SG1.rowCount(), 46);
        EXPECT_EQ(doc.SG1.cell(col::Description, 45), "行45");
        EXPECT_EQ(doc.SG1.cell(col::No, 45), "45");
        EXPECT_EQ(doc.SG1_END(), 45);
    }
    {
        SCOPED_TRACE("3 rows leave rows 4 to 30 empty");
        doc.clear();
        auto lines = neutralHeader();
        for (int n = 1; n <= 3; ++n)
            lines.push_back(std::to_string(n) + ",,,,,,,品" + std::to_string(n) + emptyRow.substr(8));
        ASSERT_TRUE(read(lines).ok);
        EXPECT_EQ(doc.SG1.rowCount(), 31);
        EXPECT_EQ(doc.SG1.cell(col::Description, 3), "品3");
        for (int r = 4; r <= 30; ++r) {
            EXPECT_TRUE(doc.rowIsEmpty(r)) << r;
            EXPECT_EQ(doc.SG1.cell(col::No, r), std::to_string(r));
        }
    }
}

TEST_F(EstimateRead, RowEncodingOfTheFile)
{
    auto lines = neutralHeader();
    lines.push_back("1,,,,,,,\"a,b\",,\"x y\",,,,,,,,\"say \"\"hi\"\"\"");
    lines.push_back("2,,,,,,,全角　空白,,,,,,,,,,,extra,items");
    lines.push_back("3,,,,,,,\"unclosed, rest");
    ASSERT_TRUE(read(lines).ok);
    EXPECT_EQ(doc.SG1.cell(col::Description, 1), "a,b");
    EXPECT_EQ(doc.SG1.cell(col::Shape, 1), "x y");
    EXPECT_EQ(doc.SG1.cell(col::Memo, 1), "say \"hi\"");
    EXPECT_EQ(doc.SG1.cell(col::Description, 2), "全角　空白");
    EXPECT_EQ(doc.SG1.cell(col::Memo, 2), "");
    EXPECT_EQ(doc.SG1.cell(col::Description, 3), "unclosed, rest");
}

TEST_F(EstimateRead, ShortAndEmptyFilesReadAsEmptyLines)
{
    {
        SCOPED_TRACE("three lines");
        const auto r = read({"顧客", "工事", "登録"});
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(doc.KNAME, "顧客");
        EXPECT_EQ(doc.TITLE, "登録");
        EXPECT_EQ(doc.Bangou, "");
        EXPECT_EQ(doc.Kigen, "");
        EXPECT_EQ(doc.memoMode, MemoMode::Numeric); // only "1" is text mode
        EXPECT_FALSE(doc.Sunpou);
        EXPECT_EQ(doc.SG1.rowCount(), 31);
        EXPECT_EQ(doc.SG1_END(), 0);
    }
    {
        SCOPED_TRACE("empty file");
        doc = Estimate();
        doc.KNAME = "old";
        writeBytes(file(), "");
        const auto r = TXT_DATA_READ2(doc, file(), programDir);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(doc.KNAME, "");
        EXPECT_EQ(doc.SG1.rowCount(), 31);
    }
    {
        SCOPED_TRACE("header only, no rows, last line without line end");
        doc = Estimate();
        auto bytes = crlf({"K", "T", "R", "1", "2024/01/02", "", "", "", "", "1", "1", "0", "0", "0", "0", "0", "1", "0"});
        bytes += "0\r\nheadings";
        writeBytes(file(), bytes);
        const auto r = TXT_DATA_READ2(doc, file(), programDir);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(doc.SG1_END(), 0);
        EXPECT_EQ(doc.SG1.cell(col::Description, 0), "摘要"); // the file's headings are skipped
    }
}

TEST_F(EstimateRead, UnreadableFileIsAnErrorNamingIt)
{
    for (const auto& path : {dataDir / "missing.qte", dataDir}) {
        SCOPED_TRACE(path.string());
        doc.KNAME = "kept";
        const auto r = TXT_DATA_READ2(doc, path, programDir);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(path.string()), std::string::npos);
        EXPECT_EQ(doc.KNAME, "kept");
    }
}

TEST_F(EstimateRead, EndsWithTheFullRecalculationAfterTheRows)
{
    std::vector<Change> changes;
    doc.addListener([&](Change c) { changes.push_back(c); });
    auto lines = neutralHeader();
    lines.push_back("1,,,,,,,品,,,1.5,m,3,,,,,");
    ASSERT_TRUE(read(lines).ok);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), Change::Totals);
    ASSERT_GE(changes.size(), 2u);
    EXPECT_EQ(changes[changes.size() - 2], Change::Cells);
}

TEST_F(EstimateRead, AmountsAreComputedAgainUnderTheCurrentFractionMode)
{
    // Saved under rounding up (line 18 "1"): 1.5 x 3 = 4.5 was stored as 5.
    auto lines = withLine(neutralHeader(), 18, "1");
    lines.push_back("1,,,,,,,品,,,1.5,m,3,2,5,3,,");
    const auto r = read(lines);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_NE(r.messages[0].find("[ 切り上げ ]"), std::string::npos);
    EXPECT_NE(r.messages[0].find("[ 切捨て ]"), std::string::npos);
    EXPECT_EQ(doc.HASU_MODE, 0);
    EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "4");
    EXPECT_EQ(doc.SG1.cell(col::CostTotal, 1), "3");
    EXPECT_EQ(doc.KINGAKU_KEI, 4 * 10000);
}
