#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace yorozu {

// The single-key lookup of the settings files: the text after the first
// occurrence of `key` in the first line of programDir/fileName that holds it,
// at most 200 code page 932 bytes (never half a character). The empty text
// when the file or the key is missing. A file that exists but cannot be read
// throws std::runtime_error, which ends the calling command.
std::string ReadSetting(const std::filesystem::path& programDir, std::string_view fileName, std::string_view key);

} // namespace yorozu
