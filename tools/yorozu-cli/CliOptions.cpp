#include "CliOptions.h"

#include <map>
#include <system_error>

namespace yorozu::cli {

namespace {

const std::map<std::string, Command>& commandNames()
{
    static const std::map<std::string, Command> names = {
        {"sheet", Command::Sheet},         {"totals", Command::Totals},   {"print-copy", Command::PrintCopy},
        {"survey", Command::Survey},       {"rewrite", Command::Rewrite}, {"messages", Command::Messages},
        {"pages", Command::Pages},         {"pdf", Command::Pdf},
        {"search", Command::Search},
    };
    return names;
}

ParseResult usageError(std::string why)
{
    ParseResult r;
    r.error = std::move(why);
    return r;
}

} // namespace

std::string usageText()
{
    return "usage: yorozu-cli [--program-dir DIR] COMMAND FILE.qte [ARGS]\n"
           "       yorozu-cli search FOLDER TERM...\n"
           "\n"
           "Reads FILE.qte as the window does, recalculates it under the settings of DIR\n"
           "(default: the program folder the window uses: the folder of this program\n"
           "when it can be written there and is not an installed copy, else\n"
           "$XDG_DATA_HOME/yorozu or ~/.local/share/yorozu) and prints, as UTF-8 records of\n"
           "TAB-separated cells (TAB, line break and backslash written as \\t, \\n, \\\\):\n"
           "\n"
           "  sheet            the data rows of the sheet, 18 cells each\n"
           "  totals           the money fields, the total field and the status texts\n"
           "  print-copy       the print copy with subtotal, total and continuation rows\n"
           "  survey           the classification summary, a line \"--\", the survey copy\n"
           "  rewrite OUT.qte  writes the estimate as Save writes it (number not advanced)\n"
           "  messages         the messages shown while reading the file\n"
           "  pages            the drawing items of every printed page, one per line:\n"
           "                   page, kind, x, y, x2, y2, face, size, bold, colour,\n"
           "                   pen width, pen style, corner, text (device pixels)\n"
           "  pdf OUT.pdf      writes the printed pages as a PDF file\n"
           "\n"
           "Print options (pages, pdf): --kind invoice|delivery|rough|unit-price|cost,\n"
           "--no-date, --pages S-E, --cover, --dpi N (default 600),\n"
           "--paper A4|B5|A3 (default A4).\n"
           "\n"
           "search prints the estimates of FOLDER, newest first, whose text contains\n"
           "every TERM, one path a line.\n"
           "\n"
           "Exit status: 0 done, 1 the file cannot be read or written, 2 usage error,\n"
           "3 the print copy refused (two discount lines, a sum out of range),\n"
           "4 nothing to print, 5 a total cannot be held (shown as 桁あふれ).\n";
}

ParseResult parseArguments(const std::vector<std::string>& args,
                           const std::function<DefaultProgramDir()>& defaultProgramDir)
{
    CliOptions options;
    bool programDirGiven = false;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!optionsEnded && (a == "--help" || a == "-h")) {
            ParseResult r;
            r.helpRequested = true;
            return r;
        }
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a == "--program-dir") {
            if (i + 1 >= args.size())
                return usageError("--program-dir needs a folder");
            options.programDir = args[++i];
            programDirGiven = true;
        } else if (!optionsEnded && a.rfind("--program-dir=", 0) == 0) {
            options.programDir = a.substr(sizeof("--program-dir=") - 1);
            programDirGiven = true;
        } else if (!optionsEnded && a == "--kind") {
            if (i + 1 >= args.size())
                return usageError("--kind needs a kind");
            const std::string& k = args[++i];
            if (k != "invoice" && k != "delivery" && k != "rough" && k != "unit-price" && k != "cost")
                return usageError("unknown kind " + k);
            options.print.kind = k;
        } else if (!optionsEnded && a == "--no-date") {
            options.print.noDate = true;
        } else if (!optionsEnded && a == "--cover") {
            options.print.cover = true;
        } else if (!optionsEnded && a == "--pages") {
            if (i + 1 >= args.size())
                return usageError("--pages needs S-E");
            const std::string& range = args[++i];
            // The answers go to the page prompts as typed: "-2", "abc" and
            // full-width digits are read there.
            const auto dash = range.find('-', 1);
            if (dash == std::string::npos)
                return usageError("--pages needs S-E");
            options.print.startPage = range.substr(0, dash);
            options.print.endPage = range.substr(dash + 1);
        } else if (!optionsEnded && a == "--dpi") {
            if (i + 1 >= args.size())
                return usageError("--dpi needs a number");
            const std::string& d = args[++i];
            int dpi = 0;
            for (char ch : d) {
                if (ch < '0' || ch > '9' || dpi > 10000) {
                    dpi = 0;
                    break;
                }
                dpi = dpi * 10 + (ch - '0');
            }
            if (dpi < 72 || dpi > 2400)
                return usageError("--dpi needs a number from 72 to 2400");
            options.print.dpi = dpi;
        } else if (!optionsEnded && a == "--paper") {
            if (i + 1 >= args.size())
                return usageError("--paper needs A4, B5 or A3");
            const std::string& p = args[++i];
            if (p != "A4" && p != "B5" && p != "A3")
                return usageError("unknown paper " + p);
            options.print.paper = p;
        } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
            return usageError("unknown option " + a);
        } else {
            positional.push_back(a);
        }
    }
    if (programDirGiven && options.programDir.empty())
        return usageError("--program-dir needs a folder");
    if (!programDirGiven) {
        auto found = defaultProgramDir();
        if (found.path.empty())
            return usageError(found.error.empty() ? "no program folder" : found.error);
        options.programDir = std::move(found.path);
    }
    // A mistyped folder would otherwise read as "no settings" and quietly
    // give the defaults' figures.
    std::error_code ec;
    if (!std::filesystem::is_directory(options.programDir, ec))
        return usageError("program folder not found: " + options.programDir.string());
    if (positional.empty())
        return usageError("no command given");
    const auto found = commandNames().find(positional[0]);
    if (found == commandNames().end())
        return usageError("unknown command " + positional[0]);
    options.command = found->second;
    if (options.command == Command::Search) {
        if (positional.size() < 2)
            return usageError("no folder given");
        if (positional.size() < 3)
            return usageError("search needs at least one term");
        options.file = positional[1];
        options.terms.assign(positional.begin() + 2, positional.end());
        for (const auto& t : options.terms)
            if (t.empty())
                return usageError("an empty search term");
        ParseResult r;
        r.options = std::move(options);
        return r;
    }
    const bool withOutput = options.command == Command::Rewrite || options.command == Command::Pdf;
    const size_t wanted = withOutput ? 3 : 2;
    if (positional.size() < 2)
        return usageError("no estimate file given");
    if (positional.size() < wanted)
        return usageError(positional[0] + " needs the output file");
    if (positional.size() > wanted)
        return usageError("too many arguments");
    options.file = positional[1];
    if (withOutput)
        options.outFile = positional[2];
    ParseResult r;
    r.options = std::move(options);
    return r;
}

} // namespace yorozu::cli
