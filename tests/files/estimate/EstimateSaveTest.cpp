#include "files/estimate/EstimateFileFixture.h"

#include "files/estimate/EstimateRead.h"
#include "files/estimate/EstimateSave.h"
#include "files/estimate/FileNameCheck.h"
#include "files/text/AtomicFile.h"

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

using namespace yorozu;
using yorozu::test::EstimateFileTest;

namespace {

const DateTime kNoon{{2026, 12, 10}, 12, 0, 0};

class EstimateSave : public EstimateFileTest {
protected:
    EstimateSaveRequest request(std::filesystem::path current = {}, DateTime now = kNoon) const
    {
        return {dataDir, programDir, std::move(current), now};
    }
    // Answers every question with `answer` and keeps the questions.
    AskYesNo answer(bool yes)
    {
        return [this, yes](const std::string& q) {
            questions.push_back(q);
            return yes;
        };
    }
    // A document whose every saved part differs from a new one.
    static Estimate filled()
    {
        Estimate doc;
        doc.KNAME = "株式会社　見本";
        doc.Kouji = "事務所改装工事";
        doc.TITLE = "見本改装";
        doc.Bangou = "A-0012";
        doc.DTP1 = Date{2025, 7, 8};
        doc.Nouki = "受注後２週間";
        doc.Basyo = "貴社指定場所";
        doc.Joken = "月末締め翌月末払い";
        doc.Kigen = "３ヶ月";
        doc.memoMode = MemoMode::Numeric;
        doc.setMemoVisible(false);
        doc.setGYOUKAN(1);
        doc.setPRN_S(2);
        doc.setMUKI(1);
        doc.UTIZEIClick(true);
        doc.HASU_MODE = 2;
        const std::vector<std::vector<std::string>> rows = {
            {"1", "A", "", "", "r4", "", "", "ソファー, 表皮張替", "", "W1200 × D800", "2", "台", "45000", "30000",
             "90000", "60000", "66.7", "12.5"},
            {"2", "\\", "", "", "", "", "", "■　値　引　き", "1", "", "1", "式", "", "", "-5000", "", "", ""},
            {"3", "#", "", "", "", "", "", "\"引用\" と 空白", "", " 前後 ", "", "", "", "", "", "", "", ""},
        };
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                doc.SG1.setCell(static_cast<int>(c), static_cast<int>(r + 1), rows[r][c]);
        doc.SG1.setRowCount(40);
        doc.SG1.renumber();
        doc.SG1.setCell(col::Description, 39, "最終行");
        return doc;
    }

    std::vector<std::string> questions;
};

} // namespace

TEST_F(EstimateSave, WrittenAndReadBackGivesTheSameDocument)
{
    writeLines(programDir / "SET3.INI", {"[備考枠]=4"});
    writeLines(programDir / "SET.INI", {"[MEMO_数値]=数量２"});
    // Reading computes every amount again, so save what the sheet shows after that.
    auto saved = filled();
    saved.recalculateAll();
    const auto result = saveEstimate(saved, request(), answer(true));
    ASSERT_EQ(result.status, EstimateSaveResult::Status::Saved) << result.message;
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(filesIn(dataDir), std::vector<std::string>{"20261210120000_見本改装.qte"});

    Estimate doc;
    doc.HASU_MODE = 2;
    const auto read = TXT_DATA_READ2(doc, result.file, programDir);
    ASSERT_TRUE(read.ok) << read.error;
    // Only the tax option differs from a new document, and only UTIZEI announces it.
    EXPECT_EQ(read.messages, std::vector<std::string>{"内税に設定を変更しました。"});
    EXPECT_TRUE(read.orientationChanged);
    EXPECT_EQ(doc.KNAME, saved.KNAME);
    EXPECT_EQ(doc.Kouji, saved.Kouji);
    EXPECT_EQ(doc.TITLE, saved.TITLE);
    EXPECT_EQ(doc.Bangou, saved.Bangou);
    EXPECT_EQ(doc.DTP1, saved.DTP1);
    EXPECT_EQ(doc.Nouki, saved.Nouki);
    EXPECT_EQ(doc.Basyo, saved.Basyo);
    EXPECT_EQ(doc.Joken, saved.Joken);
    EXPECT_EQ(doc.Kigen, saved.Kigen);
    EXPECT_EQ(doc.memoMode, MemoMode::Numeric);
    EXPECT_FALSE(doc.memoVisible());
    EXPECT_EQ(doc.GYOUKAN, 1);
    EXPECT_EQ(doc.PRN_S, 2);
    EXPECT_EQ(doc.MUKI, 1);
    EXPECT_TRUE(doc.UTIZEI);
    EXPECT_FALSE(doc.HIKAZEI);
    EXPECT_TRUE(doc.Sunpou);
    EXPECT_EQ(doc.SG1.cell(col::Memo, 0), "数量２");
    ASSERT_EQ(doc.SG1.rowCount(), saved.SG1.rowCount());
    for (int r = 1; r < saved.SG1.rowCount(); ++r)
        EXPECT_EQ(doc.SG1.row(r), saved.SG1.row(r)) << "row " << r;
}

TEST_F(EstimateSave, FileLayout)
{
    writeLines(programDir / "SET3.INI", {"[備考枠]=4"});
    const auto result = saveEstimate(filled(), request(), answer(true));
    ASSERT_EQ(result.status, EstimateSaveResult::Status::Saved) << result.message;
    const auto lines = readTextLines(result.file).value();
    ASSERT_EQ(lines.size(), 20u + 39u);
    const std::vector<std::string> header(lines.begin(), lines.begin() + 19);
    EXPECT_EQ(header, (std::vector<std::string>{"株式会社　見本", "事務所改装工事", "見本改装", "A-0012", "2025/07/08",
                                                "受注後２週間", "貴社指定場所", "月末締め翌月末払い", "３ヶ月", "0", "0",
                                                "1", "2", "1", "1", "0", "1", "2", "4"}));
    EXPECT_EQ(lines[19], "№,大,中,小,,,,摘要,,形状・寸法,数量,単位,単価,原単価,見積金額,原価計,率,");
    EXPECT_EQ(lines[20], "1,A,,,r4,,,\"ソファー, 表皮張替\",,\"W1200 × D800\",2,台,45000,30000,90000,60000,66.7,12.5");
    EXPECT_EQ(lines[22], "3,#,,,,,,\"\"\"引用\"\" と 空白\",,\" 前後 \",,,,,,,,");
    EXPECT_EQ(lines[23], "4,,,,,,,,,,,,,,,,,");
    EXPECT_EQ(lines.back(), "39,,,,,,,最終行,,,,,,,,,,");
    // Code page 932 with CR LF.
    const auto bytes = readBytes(result.file);
    EXPECT_EQ(bytes.substr(0, 16), "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0\x81\x40\x8C\xA9\x96\x7B\r\n");
}

TEST_F(EstimateSave, UnusableRegistrationNamesAreRefused)
{
    struct Case {
        const char* title;
        const char* message;
    };
    const std::string noName = "登録名の指定がありません。\r\n\r\n中止しました。";
    const Case cases[] = {
        {"", noName.c_str()},
        {"  　", noName.c_str()},
        {"../etc", nullptr},
        {"見積/2024", nullptr},
        {"a.b", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Estimate doc;
        doc.TITLE = c.title;
        const auto result = saveEstimate(doc, request(), answer(true));
        EXPECT_EQ(result.status, EstimateSaveResult::Status::Refused);
        EXPECT_EQ(result.message, c.message ? c.message : *FNAME_CHECK(c.title));
        EXPECT_TRUE(filesIn(dataDir).empty());
        EXPECT_TRUE(questions.empty());
    }
}

TEST_F(EstimateSave, NameOrderIsSaveOrder)
{
    // Saved one after the other, partly within the same second and once with
    // the clock set back: the list in name order ends with the newest.
    struct Save {
        const char* title;
        DateTime now;
    };
    const Save saves[] = {
        {"ん最後の文字", kNoon},
        {"A", kNoon},
        {"0番", kNoon},
        {"戻った時計", {{2026, 12, 9}, 8, 0, 0}},
        {"日付越え", {{2026, 12, 31}, 23, 59, 59}},
        {"翌年", {{2026, 12, 31}, 23, 59, 59}},
    };
    std::vector<std::string> written;
    for (const auto& s : saves) {
        Estimate doc;
        doc.TITLE = s.title;
        const auto result = saveEstimate(doc, request({}, s.now), answer(true));
        ASSERT_EQ(result.status, EstimateSaveResult::Status::Saved) << result.message;
        written.push_back(result.file.filename().string());
    }
    EXPECT_EQ(filesIn(dataDir), written);
    EXPECT_EQ(written[0], "20261210120000_ん最後の文字.qte");
    EXPECT_EQ(written[1], "20261210120001_A.qte");
    EXPECT_EQ(written[3], "20261210120003_戻った時計.qte");
    EXPECT_EQ(written[4], "20261231235959_日付越え.qte");
    EXPECT_EQ(written[5], "20270101000000_翌年.qte");
    EXPECT_TRUE(questions.empty());
}

TEST_F(EstimateSave, SavingTheCurrentFileAgainAsksToReplaceIt)
{
    Estimate doc = filled();
    const auto first = saveEstimate(doc, request(), answer(true));
    ASSERT_EQ(first.status, EstimateSaveResult::Status::Saved);
    doc.KNAME = "変更後";

    {
        SCOPED_TRACE("No keeps the current file and adds the estimate");
        const auto second = saveEstimate(doc, request(first.file, kNoon.plusSeconds(60)), answer(false));
        ASSERT_EQ(second.status, EstimateSaveResult::Status::Saved) << second.message;
        EXPECT_EQ(questions, std::vector<std::string>{replaceQuestion(first.file)});
        EXPECT_EQ(questions[0], "読み込んだ見積「20261210120000_見本改装.qte」に上書き登録します。\r\nよろしいですか？"
                                "\r\n\r\n「いいえ」で別の見積として登録します。");
        EXPECT_FALSE(second.replacedCurrent);
        EXPECT_EQ(filesIn(dataDir).size(), 2u);
        EXPECT_EQ(readTextLines(first.file).value()[0], "株式会社　見本");
        std::filesystem::remove(second.file);
    }
    {
        SCOPED_TRACE("Yes replaces it under a newer name");
        questions.clear();
        const auto third = saveEstimate(doc, request(first.file, kNoon.plusSeconds(120)), answer(true));
        ASSERT_EQ(third.status, EstimateSaveResult::Status::Saved) << third.message;
        EXPECT_EQ(questions.size(), 1u);
        EXPECT_TRUE(third.replacedCurrent);
        EXPECT_EQ(filesIn(dataDir), std::vector<std::string>{"20261210120200_見本改装.qte"});
        EXPECT_EQ(readTextLines(third.file).value()[0], "変更後");
    }
    {
        SCOPED_TRACE("a current file gone or in another folder is not asked about");
        questions.clear();
        const auto other = dataDir.parent_path() / "other";
        std::filesystem::create_directories(other);
        writeLines(other / "x.qte", {"x"});
        for (const auto& current : {dataDir / "gone.qte", other / "x.qte"}) {
            const auto result = saveEstimate(doc, request(current), answer(true));
            EXPECT_EQ(result.status, EstimateSaveResult::Status::Saved);
            EXPECT_FALSE(result.replacedCurrent);
        }
        EXPECT_TRUE(questions.empty());
        EXPECT_TRUE(std::filesystem::exists(other / "x.qte"));
        EXPECT_EQ(filesIn(dataDir).size(), 3u);
    }
}

TEST_F(EstimateSave, LongRegistrationNameFitsAFileName)
{
    Estimate doc;
    // 230 characters, as many as the field takes; in UTF-8 far beyond a file name.
    doc.TITLE = std::string(115, 'a');
    for (int i = 0; i < 115; ++i)
        doc.TITLE += "表";
    const auto result = saveEstimate(doc, request(), answer(true));
    ASSERT_EQ(result.status, EstimateSaveResult::Status::Saved) << result.message;
    const auto name = result.file.filename().string();
    EXPECT_LE(name.size(), 230u);
    EXPECT_EQ(name.substr(name.size() - 7), "表.qte"); // never half a character
    // The whole registration name stays in the file.
    EXPECT_EQ(readTextLines(result.file).value()[2], doc.TITLE);
}

// The message names the field or the line and column, and comes before the
// replace question: a save that cannot happen asks nothing first.
TEST_F(EstimateSave, CharactersTheCodePageCannotHoldAreFoundFirstAndWriteNothing)
{
    writeLines(dataDir / "20260101000000_見積.qte", {"old"});
    struct Case {
        const char* name;
        std::function<void(Estimate&)> put;
        std::string where;
        std::string characters;
    };
    const Case cases[] = {
        {"description cell", [](Estimate& d) { d.SG1.setCell(col::Description, 3, "Café 😀"); }, "3行目の「摘要」",
         "é😀"},
        {"memo cell, heading", [](Estimate& d) { d.SG1.setCell(col::Memo, 0, "備考"); d.SG1.setCell(col::Memo, 12, "😀"); }, "12行目の「備考」", "😀"},
        {"hidden column", [](Estimate& d) { d.SG1.setCell(5, 2, "😀"); }, "2行目の「5列」", "😀"},
        {"customer field", [](Estimate& d) { d.KNAME = "山田😀商店"; }, "顧客名", "😀"},
        {"person field", [](Estimate& d) { d.Tanto = "😀"; }, "入力者名", "😀"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        questions.clear();
        Estimate doc;
        doc.TITLE = "見積";
        c.put(doc);
        const auto place = findUnmappable(doc);
        ASSERT_TRUE(place);
        EXPECT_EQ(place->where, c.where);
        EXPECT_EQ(place->characters, c.characters);
        const auto result = saveEstimate(doc, request(dataDir / "20260101000000_見積.qte"), answer(true));
        EXPECT_EQ(result.status, EstimateSaveResult::Status::Failed);
        EXPECT_EQ(result.message, unmappableMessage(*place));
        EXPECT_NE(result.message.find(c.where), std::string::npos);
        EXPECT_TRUE(questions.empty()) << "nothing asked before the refusal";
        EXPECT_EQ(filesIn(dataDir), std::vector<std::string>{"20260101000000_見積.qte"});
    }
    Estimate clean;
    clean.SG1.setCell(col::Description, 1, "～－￥①");
    EXPECT_FALSE(findUnmappable(clean));
}

TEST_F(EstimateSave, MissingDataFolderIsReported)
{
    Estimate doc;
    doc.TITLE = "見積";
    // An empty folder must not mean the working directory.
    for (const auto& dir : {dataDir / "missing", std::filesystem::path()}) {
        SCOPED_TRACE(dir.string());
        auto req = request();
        req.dataDir = dir;
        const auto result = saveEstimate(doc, req, answer(true));
        EXPECT_EQ(result.status, EstimateSaveResult::Status::Failed);
        EXPECT_NE(result.message.find("保存できませんでした"), std::string::npos);
    }
    EXPECT_TRUE(filesIn(dataDir).empty());
}

TEST_F(EstimateSave, ControlCharactersOfTheNameDoNotReachTheFileName)
{
    // A NUL would end the name early for the system and drop the extension.
    Estimate doc;
    doc.TITLE = std::string("見") + '\0' + "積\t名";
    const auto result = saveEstimate(doc, request(), answer(true));
    ASSERT_EQ(result.status, EstimateSaveResult::Status::Saved) << result.message;
    EXPECT_EQ(filesIn(dataDir), std::vector<std::string>{"20261210120000_見_積_名.qte"});
}

TEST_F(EstimateSave, BytesTheCodePageLeavesUndefinedAreWrittenBackUnchanged)
{
    // 0xA0 and 0xFD are undefined single bytes, 0x85 0x40 an unassigned pair.
    const std::string odd = "\xA0X\xFD\x85\x40";
    auto header = neutralHeader();
    std::string bytes;
    {
        // The fixed lines in code page 932, one of them with the odd bytes.
        writeLines(dataDir / "h.tmp", header);
        bytes = readBytes(dataDir / "h.tmp");
        std::filesystem::remove(dataDir / "h.tmp");
    }
    bytes = odd + bytes.substr(bytes.find("\r\n")) + "1,,,,,,," + odd + ",,,,,,,,,,\r\n";
    writeBytes(dataDir / "odd.qte", bytes);

    Estimate doc;
    const auto read = TXT_DATA_READ2(doc, dataDir / "odd.qte", programDir);
    ASSERT_TRUE(read.ok) << read.error;
    const auto result = saveEstimate(doc, request(dataDir / "odd.qte"), answer(true));
    ASSERT_EQ(result.status, EstimateSaveResult::Status::Saved) << result.message;
    const auto back = readBytes(result.file);
    EXPECT_EQ(back.substr(0, odd.size() + 2), odd + "\r\n");
    EXPECT_NE(back.find("\r\n1,,,,,,," + odd + ",,,,,,,,,,\r\n"), std::string::npos);
}

// Two programs saving into one shared data folder at the same second: both
// see the same folder, so both choose the same name; the one that comes
// second must take the next second's name instead of replacing the first.
TEST_F(EstimateSave, TwoProcessesSavingAtOnceNeverReplaceEachOther)
{
    constexpr int kRounds = 20;
    for (int round = 0; round < kRounds; ++round) {
        const DateTime when = kNoon.plusSeconds(round * 10);
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        pid_t children[2];
        for (int k = 0; k < 2; ++k) {
            children[k] = ::fork();
            ASSERT_GE(children[k], 0);
            if (children[k] == 0) {
                ::close(go[1]);
                char c;
                // Both start when the pipe is closed.
                [[maybe_unused]] auto n = ::read(go[0], &c, 1);
                Estimate doc;
                doc.TITLE = k == 0 ? "甲" : "乙";
                doc.KNAME = doc.TITLE;
                const auto r = saveEstimate(doc, {dataDir, programDir, {}, when}, [](const std::string&) { return false; });
                ::_exit(r.status == EstimateSaveResult::Status::Saved ? 0 : 1);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        for (pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }
    // Every save is there, whole, under a name of its own.
    const auto names = filesIn(dataDir);
    ASSERT_EQ(names.size(), 2u * kRounds);
    int first = 0, second = 0;
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const bool isFirst = name.find("_甲.qte") != std::string::npos;
        (isFirst ? first : second)++;
        Estimate doc;
        ASSERT_TRUE(TXT_DATA_READ2(doc, dataDir / name, programDir).ok);
        EXPECT_EQ(doc.KNAME, isFirst ? "甲" : "乙");
    }
    EXPECT_EQ(first, kRounds);
    EXPECT_EQ(second, kRounds);
}

TEST(CreateFileExclusive, NeverReplacesAFileThatIsThere)
{
    const auto dir = std::filesystem::temp_directory_path() / ("yorozu_excl_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "a.qte";
    ASSERT_TRUE(createFileExclusive(file, "first"));
    const auto second = createFileExclusive(file, "second");
    EXPECT_FALSE(second);
    EXPECT_TRUE(second.exists);
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "first");
    // Only the file itself is left: no temporary of the refused write.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(dir);
}
