#include "files/estimate/EstimateFileFixture.h"

#include "files/estimate/FileNameCheck.h"
#include "files/estimate/TextExport.h"

using namespace yorozu;
using yorozu::test::EstimateFileTest;

namespace {

class TextExport : public EstimateFileTest {
protected:
    TextExport()
    {
        doc.Bangou = "1234";
        doc.TITLE = "見本";
        doc.KNAME = "顧客";
        doc.SG1.setCell(col::Description, 1, "品, 名");
    }
    AskYesNo answer(bool yes)
    {
        return [this, yes](const std::string& q) {
            questions.push_back(q);
            return yes;
        };
    }
    Estimate doc;
    std::vector<std::string> questions;
};

} // namespace

TEST_F(TextExport, NameCarriesTheEraOfTheDate)
{
    struct Case {
        Date today;
        const char* name;
    };
    const Case cases[] = {
        {{2018, 4, 5}, "平成30年04月05日【1234】見本.qte"},
        {{2019, 4, 30}, "平成31年04月30日【1234】見本.qte"},
        {{2019, 5, 1}, "令和1年05月01日【1234】見本.qte"},
        {{2026, 12, 10}, "令和8年12月10日【1234】見本.qte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textExportFileName(doc, c.today), c.name);
    }
}

TEST_F(TextExport, WritesElevenLinesThenEveryRowFromTheHeadings)
{
    const auto result = TXT_DATA_WRITE(doc, programDir, {2026, 1, 2}, answer(true));
    ASSERT_EQ(result.status, TextExportResult::Status::Written) << result.message;
    EXPECT_EQ(result.message, "出力しました。");
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(result.file, programDir / "令和8年01月02日【1234】見本.qte");
    const auto lines = readTextLines(result.file).value();
    ASSERT_EQ(lines.size(), 11u + 31u);
    EXPECT_EQ(lines[0], "顧客");
    EXPECT_EQ(lines[10], "1"); // memo column shown
    EXPECT_EQ(lines[11], "№,大,中,小,,,,摘要,,形状・寸法,数量,単位,単価,原単価,見積金額,原価計,率,");
    EXPECT_EQ(lines[12], "1,,,,,,,\"品, 名\",,,,,,,,,,");
    EXPECT_EQ(lines.back(), "30,,,,,,,,,,,,,,,,,");
}

TEST_F(TextExport, ExistingFileIsReplacedOnlyAfterYes)
{
    const Date today{2026, 1, 2};
    const auto target = programDir / textExportFileName(doc, today);
    writeLines(target, {"old"});
    auto result = TXT_DATA_WRITE(doc, programDir, today, answer(false));
    EXPECT_EQ(result.status, TextExportResult::Status::Cancelled);
    EXPECT_EQ(questions, std::vector<std::string>{"同名ファイルが存在します。\r\n上書きしますか？"});
    EXPECT_EQ(readTextLines(target).value(), std::vector<std::string>{"old"});

    result = TXT_DATA_WRITE(doc, programDir, today, answer(true));
    EXPECT_EQ(result.status, TextExportResult::Status::Written);
    EXPECT_EQ(readTextLines(target).value()[0], "顧客");
}

TEST_F(TextExport, NumberOrNameThatWouldLeaveTheFolderIsRefused)
{
    struct Case {
        const char *bangou, *title;
    };
    const Case cases[] = {{"../../x", "見本"}, {"12/3", "見本"}, {"1234", "a/b"}, {"1234", "a\\b"}, {"1.2", "見本"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.bangou) + " " + c.title);
        doc.Bangou = c.bangou;
        doc.TITLE = c.title;
        const auto result = TXT_DATA_WRITE(doc, programDir, {2026, 1, 2}, answer(true));
        EXPECT_EQ(result.status, TextExportResult::Status::Refused);
        EXPECT_EQ(result.message, kUnusableNameMessage);
    }
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(filesIn(programDir).empty());
    EXPECT_TRUE(filesIn(programDir.parent_path()).size() == 2u); // prog and data only
}
