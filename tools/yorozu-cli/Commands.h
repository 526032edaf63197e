#pragma once

#include "CliOptions.h"

#include <iosfwd>

namespace yorozu {
class Estimate;
}

namespace yorozu::cli {

// Exit statuses of the companion.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFile = 1;  // the estimate (or a settings file, or the output) cannot be read or written
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3; // the print copy refused to build (two discount lines, a sum out of range)
inline constexpr int kExitNothing = 4; // a print that gives no pages (empty sheet, a print not available)
inline constexpr int kExitOutOfRange = 5; // a total cannot be held: it is printed as "桁あふれ"

// pages and pdf: the print of the window, laid out for the reference printer.
int runPrintCommand(yorozu::Estimate& doc, const CliOptions& options, std::ostream& out, std::ostream& err);

// Loads the estimate as the window does and runs the command, writing its
// records to `out` and everything meant for a person to `err`.
int runCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace yorozu::cli
