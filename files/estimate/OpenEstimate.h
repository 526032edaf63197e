#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace yorozu {

class Estimate;

struct OpenEstimateResult {
    bool ok = true;
    std::string error;                 // names the file that could not be read
    std::vector<std::string> messages; // information messages of the read, in order
};

// Opens `file` into `doc`, which the caller has cleared, as the window opens
// an estimate: TXT_DATA_READ2 with its full recalculation. When the file
// turns the paper, the company settings of the new orientation (HASU_MODE
// and the headings) apply at once, as a click on the orientation does, so
// the read's fraction-mode comparison and its recalculation see them. A
// settings file that cannot be read ends the read, which reports it. The
// window and the command-line companion both open estimates through here.
OpenEstimateResult openEstimate(Estimate& doc, const std::filesystem::path& programDir,
                                const std::filesystem::path& file);

} // namespace yorozu
