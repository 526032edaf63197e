#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace yorozu::cli {

enum class Command { Sheet, Totals, PrintCopy, Survey, Rewrite, Messages, Pages, Pdf, Search };

// The options of a print that the estimate file does not hold.
struct PrintFlags {
    std::string kind;                  // "", invoice, delivery, rough, unit-price, cost
    bool noDate = false;
    std::string startPage = "1", endPage = "9999"; // answers to the two page prompts
    bool cover = false;
    int dpi = 600;
    std::string paper = "A4";
};

struct CliOptions {
    std::filesystem::path programDir; // the folder of the settings and lists
    Command command = Command::Sheet;
    std::filesystem::path file;       // the estimate read; search: the folder searched
    std::vector<std::string> terms;   // search only: every one must occur
    std::filesystem::path outFile;    // rewrite and pdf
    PrintFlags print;
};

struct ParseResult {
    std::optional<CliOptions> options; // nothing on a usage error
    std::string error;                 // why, for a usage error
    bool helpRequested = false;        // --help: usage on standard output, status 0
};

// The program folder used when --program-dir is not given: chosen as the
// window chooses it; empty with `error` set when there is none.
struct DefaultProgramDir {
    std::filesystem::path path;
    std::string error;
};

// Parses the arguments after the program name. `defaultProgramDir` is asked
// only when --program-dir is missing (never for --help). A program folder
// that does not exist is a usage error.
ParseResult parseArguments(const std::vector<std::string>& args,
                           const std::function<DefaultProgramDir()>& defaultProgramDir);

std::string usageText();

} // namespace yorozu::cli
