// Runs the built yorozu-cli on the committed estimates and compares its whole
// output with the committed results, so that the companion keeps computing
// what the window computes and keeps its interface (records, escapes, exit
// statuses) stable for the scripts that call it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(YOROZU_CLI_TESTS) / "fixtures";
const fs::path kExpected = fs::path(YOROZU_CLI_TESTS) / "expected";

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

// A scratch folder per test, removed afterwards.
class Scratch {
public:
    Scratch()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        dir_ = fs::temp_directory_path() / ("yorozu-cli-test-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~Scratch() { fs::remove_all(dir_); }
    const fs::path& dir() const { return dir_; }

private:
    fs::path dir_;
};

// Runs the companion in the fixtures folder with standard output and error in
// files; `program` and `env` replace the built companion and the environment.
Run runCli(const std::vector<std::string>& args, const Scratch& scratch, const fs::path& program = YOROZU_CLI_PATH,
           char** env = environ)
{
    const fs::path outFile = scratch.dir() / "stdout";
    const fs::path errFile = scratch.dir() / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, kFixtures.c_str());
    std::vector<std::string> all = {program.string()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    Run run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), env);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program;
        return run;
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    run.out = fileBytes(outFile);
    run.err = fileBytes(errFile);
    return run;
}

struct OutputCase {
    const char* name;
    std::vector<std::string> args;
    const char* expected; // file of kExpected holding the whole standard output
};

// Each command on each estimate: the portrait one (print kind "小計", fraction
// mode of SET3.INI, escapes in cells, a stale amount the read must recompute,
// a continuation row) and the landscape one (print kind "積算", tax included,
// the orientation's own fraction mode and keys, notes and closing lines,
// double-byte characters whose second byte is 0x5C, the backslash).
const OutputCase kOutputCases[] = {
    {"subtotals_sheet", {"--program-dir", "program", "sheet", "subtotals.qte"}, "subtotals.sheet.txt"},
    {"subtotals_totals", {"--program-dir", "program", "totals", "subtotals.qte"}, "subtotals.totals.txt"},
    {"subtotals_print_copy", {"--program-dir", "program", "print-copy", "subtotals.qte"}, "subtotals.print-copy.txt"},
    {"subtotals_survey", {"--program-dir", "program", "survey", "subtotals.qte"}, "subtotals.survey.txt"},
    {"subtotals_messages", {"--program-dir", "program", "messages", "subtotals.qte"}, "subtotals.messages.txt"},
    {"survey_sheet", {"--program-dir", "program", "sheet", "survey.qte"}, "survey.sheet.txt"},
    {"survey_totals", {"--program-dir=program", "totals", "survey.qte"}, "survey.totals.txt"},
    {"survey_print_copy", {"--program-dir", "program", "print-copy", "survey.qte"}, "survey.print-copy.txt"},
    {"survey_survey", {"--program-dir", "program", "survey", "survey.qte"}, "survey.survey.txt"},
    {"survey_messages", {"--program-dir", "program", "messages", "survey.qte"}, "survey.messages.txt"},
    {"both_tax_boxes_messages", {"--program-dir", "program", "messages", "two-discounts.qte"},
     "two-discounts.messages.txt"},
    // Another folder: no company settings (truncation) and the profit ratio from SET2.INI.
    {"profit_ratio_totals", {"--program-dir", "program-profit", "totals", "subtotals.qte"},
     "subtotals.profit.totals.txt"},
    {"profit_ratio_sheet", {"--program-dir", "program-profit", "sheet", "subtotals.qte"},
     "subtotals.profit.sheet.txt"},
};

class CliOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(CliOutput, WholeOutputAsCommitted)
{
    Scratch scratch;
    const auto run = runCli(GetParam().args, scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, fileBytes(kExpected / GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Commands, CliOutput, ::testing::ValuesIn(kOutputCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(CliMessages, GoToStandardErrorForOtherCommandsWithRealLineBreaks)
{
    Scratch scratch;
    const auto run = runCli({"--program-dir", "program", "totals", "subtotals.qte"}, scratch);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "端数処理方法が現在の設定と異なります。\n\n読込みデータは [ 切り捨て ] です。\n"
                       "現在の設定は　[ 四捨五入 ] です。\n\n変更が必要な場合は 「設定」 で変更してください。\n");
    EXPECT_EQ(run.out.find("端数"), std::string::npos);
}

TEST(CliRewrite, WritesWhatSaveWritesAndIsStable)
{
    for (const char* name : {"subtotals", "survey"}) {
        SCOPED_TRACE(name);
        Scratch scratch;
        const fs::path out = scratch.dir() / "out.qte";
        auto run = runCli({"--program-dir", "program", "rewrite", std::string(name) + ".qte", out.string()}, scratch);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(run.out.empty());
        const std::string written = fileBytes(out);
        EXPECT_EQ(written, fileBytes(kExpected / (std::string(name) + ".rewrite.qte")));

        // A rewritten file reads back to the same document and writes the same bytes.
        const fs::path again = scratch.dir() / "again.qte";
        run = runCli({"--program-dir", "program", "rewrite", out.string(), again.string()}, scratch);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(fileBytes(again), written);
    }
}

TEST(CliRewrite, InPlaceKeepsTheFileWhole)
{
    Scratch scratch;
    const fs::path file = scratch.dir() / "in-place.qte";
    fs::copy_file(kFixtures / "subtotals.qte", file);
    const auto run = runCli({"--program-dir", "program", "rewrite", file.string(), file.string()}, scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(fileBytes(file), fileBytes(kExpected / "subtotals.rewrite.qte"));
}

TEST(CliRewrite, UnwritableOutputFailsAndSaysSo)
{
    Scratch scratch;
    const fs::path out = scratch.dir() / "no-such-folder" / "out.qte";
    const auto run = runCli({"--program-dir", "program", "rewrite", "subtotals.qte", out.string()}, scratch);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(out.string()), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
}

TEST(CliRefusal, TwoDiscountLinesStopThePrintCopyAndTheSurvey)
{
    for (const char* command : {"print-copy", "survey"}) {
        SCOPED_TRACE(command);
        Scratch scratch;
        const auto run = runCli({"--program-dir", "program", command, "two-discounts.qte"}, scratch);
        EXPECT_EQ(run.status, 3);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find("値引きが複数あります。\n処理を中止します。\n"), std::string::npos) << run.err;
    }
}

// The largest lines the editors take (nine integer digits and their
// decimals), on a sheet of 10,000 lines: every figure exact to the yen.
TEST(CliFigures, TenThousandLargestLinesTotalTaxAndPrintExactly)
{
    Scratch scratch;
    // The header of the committed estimate, then 10,000 copies of its first line.
    const std::string fixture = fileBytes(kFixtures / "huge.qte");
    std::string header;
    size_t at = 0;
    for (int line = 0; line < 20; ++line) {
        const size_t end = fixture.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        header += fixture.substr(at, end + 2 - at);
        at = end + 2;
    }
    std::string file = header;
    for (int row = 1; row <= 10000; ++row)
        file += std::to_string(row) + ",,,,,,,,,,999999999.999,,999999999.99,999999999.99,,,,\r\n";
    const fs::path big = scratch.dir() / "big.qte";
    std::ofstream(big, std::ios::binary) << file;

    auto run = runCli({"--program-dir", "program", "totals", big.string()}, scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    // 10,000 x 999,999,999,989,000,000 yen; 5 % on top, rounded half up (SET3.INI).
    EXPECT_EQ(run.out, "KINGAKU_KEI=9999999999890000000000.0000\n"
                       "KAZEI_KEI=9999999999890000000000.0000\n"
                       "GENKA_KEI=9999999999890000000000.0000\n"
                       "ZEI_GAKU=499999999994500000000.0000\n"
                       "ZEIKOMI_KEI=10499999999884500000000.0000\n"
                       "TOTALKIN=\\9,999,999,999,890,000,000,000-\n"
                       "PANEL2=消費税 = 499,999,999,994,500,000,000\n"
                       "PANEL3=税込合計 = 10,499,999,999,884,500,000,000\n"
                       "PANEL4=原価計 = 9,999,999,999,890,000,000,000\n"
                       "PANEL5=粗利計 = 0\n"
                       "PANEL6=原価率 = 100.0%\n"
                       "PANEL7=四捨五入\n");

    run = runCli({"--program-dir", "program", "print-copy", big.string()}, scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* row : {"\t%\t\t\t\t\t\t【　税抜き合計　】\t\t\t\t\t\t\t9999999999890000000000\t",
                            "\t%\t\t\t\t\t\t【　消　費　税　】\t\t\t\t\t\t\t499999999994500000000\t",
                            "\t%\t\t\t\t\t\t【　総　合　計　】\t\t\t\t\t\t\t10499999999884500000000\t"}) {
        SCOPED_TRACE(row);
        EXPECT_NE(run.out.find(row), std::string::npos);
    }
}

TEST(CliFigures, LargestLinesWithDecimalsAndATaxExemptLine)
{
    Scratch scratch;
    for (const char* command : {"totals", "print-copy"}) {
        SCOPED_TRACE(command);
        const auto run = runCli({"--program-dir", "program", command, "huge.qte"}, scratch);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, fileBytes(kExpected / (std::string("huge.") + command + ".txt")));
    }
}

// A file may hold a line whose product no sum can hold: no figure is shown
// for it, the status says so, and nothing is printed from it.
TEST(CliFigures, ASumBeyondRangeIsNamedNeverShownWrong)
{
    Scratch scratch;
    auto run = runCli({"--program-dir", "program", "totals", "beyond-range.qte"}, scratch);
    EXPECT_EQ(run.status, 5);
    EXPECT_NE(run.out.find("KINGAKU_KEI=桁あふれ\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("TOTALKIN=桁あふれ\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("PANEL3=税込合計 = 桁あふれ\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("合計が扱える桁数を超えています。"), std::string::npos) << run.err;

    for (const char* command : {"print-copy", "survey"}) {
        SCOPED_TRACE(command);
        run = runCli({"--program-dir", "program", command, "beyond-range.qte"}, scratch);
        EXPECT_EQ(run.status, 3);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find("合計が扱える桁数を超えています。\n処理を中止します。\n"), std::string::npos) << run.err;
    }
}

TEST(CliErrors, UnreadableEstimateNamesTheFile)
{
    for (const char* file : {"missing.qte", "program"}) {
        SCOPED_TRACE(file);
        Scratch scratch;
        const auto run = runCli({"--program-dir", "program", "sheet", file}, scratch);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
    }
}

TEST(CliErrors, UsageErrorsShowTheUsage)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"sheet"},
        {"print", "subtotals.qte"},
        {"rewrite", "subtotals.qte"},
        {"sheet", "subtotals.qte", "extra"},
        {"--program-dir"},
        {"--colour", "sheet", "subtotals.qte"},
        {"--program-dir", "no-such-folder", "sheet", "subtotals.qte"},
    };
    for (const auto& args : cases) {
        std::string joined;
        for (const auto& a : args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        Scratch scratch;
        const auto run = runCli(args, scratch);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("usage: yorozu-cli"), std::string::npos) << run.err;
    }
}

// Without --program-dir the companion takes the window's program folder: a
// copy in its own folder uses that folder; an installed copy (its folder
// marked as the package's) uses the user's data folder, which its first start
// creates with the site-wide settings of the executable's folder.
TEST(CliProgramFolder, ResolvedAsTheWindowResolvesIt)
{
    for (const bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "installed copy" : "copy in its own folder");
        Scratch scratch;
        const fs::path exe = scratch.dir() / "exe";
        const fs::path home = scratch.dir() / "home";
        fs::create_directories(exe);
        fs::create_directories(home);
        fs::copy_file(YOROZU_CLI_PATH, exe / "yorozu-cli");
        for (const auto& f : fs::directory_iterator(kFixtures / "program"))
            fs::copy_file(f.path(), exe / f.path().filename());
        if (installed)
            std::ofstream(exe / "SITE-DEFAULTS.txt") << "site\n";
        std::string homeVar = "HOME=" + home.string();
        char* env[] = {homeVar.data(), nullptr};
        const auto run = runCli({"totals", "subtotals.qte"}, scratch, exe / "yorozu-cli", env);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, fileBytes(kExpected / "subtotals.totals.txt"));
        const fs::path userFolder = home / ".local" / "share" / "yorozu";
        EXPECT_EQ(fs::exists(userFolder / "SET3.INI"), installed);
        EXPECT_EQ(fs::exists(home / ".local"), installed);
    }
}

TEST(CliErrors, HelpGoesToStandardOutput)
{
    Scratch scratch;
    const auto run = runCli({"--help"}, scratch);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: yorozu-cli", 0), 0u);
}

} // namespace

TEST(CliSearch, PrintsTheFilesWithEveryTermNewestFirst)
{
    Scratch scratch;
    const auto dir = scratch.dir() / "data";
    fs::create_directories(dir);
    // "山田" and "張替" in code page 932, in separate lines or alone.
    const std::string yamada = "\x8E\x52\x93\x63", harikae = "\x92\xA3\x91\xD6";
    const auto put = [&dir](const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    };
    put("20250101000000_a.qte", yamada + "\r\n1,,,,,,," + harikae + "\r\n");
    put("20260101000000_b.qte", yamada + "\r\n");
    put("20261201000000_c.qte", harikae + "\r\n" + yamada + "\r\n");
    put("notes.txt", yamada + harikae);
    auto run = runCli({"search", dir.string(), "山田", "張替"}, scratch);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (dir / "20261201000000_c.qte").string() + "\n" + (dir / "20250101000000_a.qte").string() + "\n");

    run = runCli({"search", dir.string(), "存在しない"}, scratch);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(runCli({"search", dir.string()}, scratch).status, 2);
    EXPECT_EQ(runCli({"search", (dir / "missing").string(), "山田"}, scratch).status, 1);
}
