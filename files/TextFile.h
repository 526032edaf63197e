#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace yorozu {

// Reads a code page 932 text file into UTF-8 lines. Accepts CR LF, LF alone
// and a last line without a line end. Nothing when the file is missing or
// cannot be read.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

struct WriteResult {
    bool ok = true;
    std::string error;      // what went wrong, for the log and the tests
    std::string unmappable; // characters code page 932 cannot hold (the file was not touched)
    explicit operator bool() const { return ok; }
};

// Writes the lines whole, each ending in CR LF, in code page 932, atomically:
// a new file in the same folder is flushed and renamed over the old one, so
// a failure half-way leaves the previous content in place.
WriteResult writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace yorozu
