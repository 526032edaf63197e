#pragma once

#include "files/text/TextFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// "BANGO.INI" holds the number the next new estimate shows in `Bangou`.
// Numbering is on exactly when the file exists.
inline constexpr const char* kBangoFileName = "BANGO.INI";

// Shown when `Bangou` holds no usable number and numbering starts over.
inline constexpr const char* kBangouRestartMessage = "10001より開始します。\r\n";

struct NumberingResult {
    std::vector<std::string> messages;  // information boxes to show, in order
    bool written = false;               // the file was (to be) rewritten
    WriteResult write;                  // the outcome when written; the caller warns on failure
    std::string number;                 // the line written
};

// The number for a new estimate: the file's first line when the file exists
// and that line is not empty; nothing otherwise (leave `Bangou` as it is).
// A file that exists but cannot be read throws std::runtime_error.
std::optional<std::string> BANGOU_CALL(const std::filesystem::path& programDir);

// After saving an estimate numbered `Bangou`: when numbering is on, the file
// receives the following number.
NumberingResult BANGOU_KOUSIN(const std::filesystem::path& programDir, std::string_view Bangou);

// "見積№保存": stores `Bangou` itself as the next number, creating the file
// (which turns numbering on).
NumberingResult N53Click(const std::filesystem::path& programDir, std::string_view Bangou);

} // namespace yorozu
