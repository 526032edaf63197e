#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace yorozu {
class Estimate;
}

namespace yorozu::cli {

struct LoadResult {
    bool ok = true;
    std::string error;                 // names the file that could not be read
    std::vector<std::string> messages; // information messages of the read, in order
};

// Brings `doc` to the state the window is in after it has started with the
// settings of `programDir` and has opened `file` from the browser: the
// options kept in "SET2.INI", the company settings of the orientation
// (HASU_MODE and the headings), then clearing and openEstimate, the
// window's own way of opening a file.
// Nothing in the program folder is written.
LoadResult loadEstimate(Estimate& doc, const std::filesystem::path& programDir, const std::filesystem::path& file);

} // namespace yorozu::cli
