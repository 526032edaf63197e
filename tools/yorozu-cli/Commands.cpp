#include "Commands.h"

#include "files/library/ContentSearch.h"
#include "files/library/EstimateList.h"

#include "CellEscape.h"
#include "LoadEstimate.h"

#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"
#include "core/copies/PrintCopy.h"
#include "core/copies/Survey.h"
#include "files/settings/CompanySettings.h"
#include "files/settings/CompanySettingsSlots.h"
#include "files/estimate/EstimateFile.h"
#include "files/estimate/EstimateLayout.h"
#include "files/settings/ReadSetting.h"
#include "files/text/TextFile.h"

#include <cstdint>
#include <exception>
#include <ostream>

namespace yorozu::cli {

namespace {

// Messages are built for a message box with CR LF; a terminal wants LF.
std::string forTerminal(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

void writeRows(const StringGrid& grid, int first, int last, std::ostream& out)
{
    for (int r = first; r <= last; ++r)
        out << joinRecord(grid.row(r)) << '\n';
}

// A fixed-point money value (yen x 10,000) as a decimal with four decimals,
// or the out-of-range text where the sums could not hold it.
std::string fixedText(Money value)
{
    return moneyHeld(value) ? fixedDecimalText(value) : kOutOfRangeText;
}

bool totalsHeld(const Estimate& doc)
{
    return moneyHeld(doc.KINGAKU_KEI) && moneyHeld(doc.KAZEI_KEI) && moneyHeld(doc.GENKA_KEI) &&
           moneyHeld(doc.ZEI_GAKU) && moneyHeld(doc.ZEIKOMI_KEI);
}

int writeTotals(const Estimate& doc, std::ostream& out, std::ostream& err)
{
    out << "KINGAKU_KEI=" << fixedText(doc.KINGAKU_KEI) << '\n'
        << "KAZEI_KEI=" << fixedText(doc.KAZEI_KEI) << '\n'
        << "GENKA_KEI=" << fixedText(doc.GENKA_KEI) << '\n'
        << "ZEI_GAKU=" << fixedText(doc.ZEI_GAKU) << '\n'
        << "ZEIKOMI_KEI=" << fixedText(doc.ZEIKOMI_KEI) << '\n'
        << "TOTALKIN=" << doc.TOTALKIN << '\n';
    for (int p = 2; p <= 7; ++p)
        out << "PANEL" << p << '=' << doc.panels[static_cast<size_t>(p)] << '\n';
    if (totalsHeld(doc))
        return kExitOk;
    err << forTerminal(kTotalsOutOfRangeMessage) << '\n';
    return kExitOutOfRange;
}

// The keys of the orientation's company settings the print copy depends on,
// looked up as the print command looks them up.
PrintCopySettings printCopySettings(const std::filesystem::path& programDir, int MUKI)
{
    return OrientationSettings::ofMUKI(programDir, MUKI).printCopy();
}

int refused(const PrintCopyResult& result, std::ostream& err)
{
    err << forTerminal(result.message) << '\n';
    return kExitRefused;
}

int rewrite(const Estimate& doc, const CliOptions& options, std::ostream& err)
{
    // Save's lines, remark rows included; the number is the window's to advance, not ours.
    const auto written = writeEstimateFile(options.outFile, doc, remarkRowsSetting(options.programDir));
    if (written)
        return kExitOk;
    err << "yorozu-cli: " << options.outFile.string() << ": 書き込めませんでした。";
    if (!written.unmappable.empty())
        err << " 保存できない文字: " << written.unmappable;
    err << '\n';
    return kExitFile;
}

int run(Estimate& doc, const CliOptions& options, std::ostream& out, std::ostream& err)
{
    switch (options.command) {
    case Command::Sheet:
        writeRows(doc.SG1, 1, doc.SG1_END(), out);
        return kExitOk;
    case Command::Totals:
        return writeTotals(doc, out, err);
    case Command::PrintCopy: {
        const auto result = SYOKEI_MAKE(doc, printCopySettings(options.programDir, doc.MUKI));
        if (!result.completed)
            return refused(result, err);
        writeRows(doc.SGP, 1, doc.SGP.rowCount() - 1, out);
        return kExitOk;
    }
    case Command::Survey: {
        const auto settings = printCopySettings(options.programDir, doc.MUKI);
        const auto result = SYUKEI_MAKE(doc, settings);
        if (!result.completed)
            return refused(result, err);
        SEKISAN_MAKE(doc, settings);
        writeRows(doc.SG_KEI, 1, doc.SG_KEI.rowCount() - 1, out);
        out << "--\n";
        writeRows(doc.SGS, 1, doc.SGS.rowCount() - 1, out);
        return kExitOk;
    }
    case Command::Rewrite:
        return rewrite(doc, options, err);
    case Command::Messages:
        return kExitOk;
    case Command::Pages:
    case Command::Pdf:
        return runPrintCommand(doc, options, out, err);
    case Command::Search:
        break; // runs on a folder, not an estimate
    }
    return kExitUsage;
}

} // namespace

namespace {

// The estimates of the folder, newest first as the panel's search examines
// them, that contain every term. An unreadable file is reported and skipped.
int search(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(options.file, ec)) {
        err << "yorozu-cli: フォルダがありません: " << options.file.string() << '\n';
        return kExitFile;
    }
    const auto files = listFiles(options.file);
    ContentMatcher matcher(options.terms);
    int status = kExitOk;
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        switch (matcher.examine(*it)) {
        case ContentMatcher::Result::Match:
            out << it->string() << '\n';
            break;
        case ContentMatcher::Result::NoMatch:
            break;
        case ContentMatcher::Result::Unreadable:
            err << "yorozu-cli: 読み込めません: " << it->string() << '\n';
            status = kExitFile;
            break;
        }
    }
    out.flush();
    if (!out) {
        err << "yorozu-cli: 標準出力に書き込めませんでした。\n";
        return kExitFile;
    }
    return status;
}

} // namespace

int runCommand(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    if (options.command == Command::Search)
        return search(options, out, err);
    Estimate doc;
    const auto loaded = loadEstimate(doc, options.programDir, options.file);
    for (const auto& m : loaded.messages) {
        if (options.command == Command::Messages)
            out << escapeCell(m) << '\n';
        else
            err << forTerminal(m) << '\n';
    }
    if (!loaded.ok) {
        err << "yorozu-cli: " << forTerminal(loaded.error) << '\n';
        return kExitFile;
    }
    int status = kExitOk;
    try {
        status = run(doc, options, out, err);
    } catch (const std::exception& e) {
        // A settings file that exists but cannot be read ends the command, as in the window.
        err << "yorozu-cli: " << forTerminal(e.what()) << '\n';
        return kExitFile;
    }
    out.flush();
    if (!out) {
        err << "yorozu-cli: 標準出力に書き込めませんでした。\n";
        return kExitFile;
    }
    return status;
}

} // namespace yorozu::cli
