#pragma once

#include "files/text/AtomicFile.h"

#include <filesystem>
#include <string>

namespace yorozu {

class Estimate;

// The bytes of the saved file: estimateFileLines encoded as writeTextLines
// encodes them, with the same refusals, but each row's comma text goes
// through one reused buffer into one byte buffer sized once, with no line
// kept on the way. Ten thousand rows make ten thousand lines.
WriteResult estimateFileBytes(const Estimate& doc, int remarkRows, std::string& bytes);

// writeTextLines(path, estimateFileLines(doc, remarkRows), ops), built as above.
WriteResult writeEstimateFile(const std::filesystem::path& path, const Estimate& doc, int remarkRows,
                              const FileOps& ops = {});

// The same bytes into a new file that must not exist yet (createFileExclusive).
WriteResult createEstimateFile(const std::filesystem::path& path, const Estimate& doc, int remarkRows,
                               const FileOps& ops = {});

} // namespace yorozu
