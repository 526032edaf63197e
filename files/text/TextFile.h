#pragma once

#include "files/text/AtomicFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// Reads a code page 932 text file into UTF-8 lines. Accepts CR LF, LF alone
// and a last line without a line end. Nothing when the file is missing or
// cannot be read.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

// The whole file decoded to UTF-8, line ends as they stand. Nothing when the
// file is missing or cannot be read.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

// The raw bytes of a file; nothing when it is missing or cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Code page 932 bytes already in memory, decoded and split as readTextLines
// does: a line ends at LF, a CR just before it (or at the very end) belongs
// to the line end, and a final line end adds no empty line. A CR elsewhere
// stays in its line, so it is written back in place.
std::vector<std::string> splitLines(std::string_view bytes);
// The same lines, not decoded: views into `bytes`, for a reader that decodes
// one line at a time into a buffer it reuses.
std::vector<std::string_view> splitLineViews(std::string_view bytes);

// Writes the lines whole, each ending in CR LF, in code page 932, atomically
// (see writeFileAtomic): a failure half-way leaves the previous content in
// place. A line holding a character the code page cannot hold, or a line
// feed (which would read back as two lines), leaves the file untouched and
// is reported; the characters concerned are in `unmappable`.
WriteResult writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                           const FileOps& ops = {});

// The bytes writeTextLines writes, or the reason it would refuse them.
WriteResult encodeTextLines(const std::vector<std::string>& lines, std::string& bytes);

} // namespace yorozu
