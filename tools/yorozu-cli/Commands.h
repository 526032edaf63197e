#pragma once

#include "CliOptions.h"

#include <iosfwd>

namespace yorozu::cli {

// Exit statuses of the companion.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFile = 1;  // the estimate (or a settings file, or the output) cannot be read or written
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3; // the print copy refused to build (two discount lines)

// Loads the estimate as the window does and runs the command, writing its
// records to `out` and everything meant for a person to `err`.
int runCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace yorozu::cli
