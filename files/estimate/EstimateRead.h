#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace yorozu {

class Estimate;

// The outcome of reading an estimate file into the document.
struct EstimateReadResult {
    bool ok = true;
    // Why the read stopped, naming the file ("見積ファイルを読み込めませんでした。" + path).
    // The window stops silently; a headless caller reports it.
    std::string error;
    // Information messages in the order they arose, exact texts; the window
    // shows each in an information box with OK.
    std::vector<std::string> messages;
    // MUKI changed: the window reloads the orientation's company settings and
    // images and recalculates.
    bool orientationChanged = false;
    // Where the cursor goes afterwards.
    int cursorCol = 1;
    int cursorRow = 1;
};

// TXT_DATA_READ2: reads `file` into `doc`, which the caller has cleared.
// Header fields, options and rows are set through the document's setters so
// every option rule runs as for a click; the heading of the memo column and
// the remark-row comparison read the company settings of `programDir`.
// Ends with the full recalculation. The browser's current file index is the
// caller's to set.
EstimateReadResult TXT_DATA_READ2(Estimate& doc, const std::filesystem::path& file,
                                  const std::filesystem::path& programDir);

// Mode names of the fraction-mode message: as the file states it (empty for
// an unknown text) and as the current setting is called.
std::string fileHasuModeName(const std::string& lineText);
std::string currentHasuModeName(int hasuMode);

} // namespace yorozu
