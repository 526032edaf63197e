#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// Longest value a single-key lookup returns, in code page 932 bytes.
inline constexpr std::size_t kSettingValueBytes = 200;

// The single-key lookup of the settings files: the text after the first
// occurrence of `key` in the first line of programDir/fileName that holds it,
// at most 200 code page 932 bytes (never half a character). The empty text
// when the file or the key is missing. A file that exists but cannot be read
// throws std::runtime_error, which ends the calling command.
//
// The key is matched on characters, not raw bytes, so that the trail byte of
// a double-byte character (which may be "[", "]" or "\") can never start or
// end a match.
std::string ReadSetting(const std::filesystem::path& programDir, std::string_view fileName, std::string_view key);

// The same lookup over lines already read (UTF-8), for readers that take
// many keys from one file and should not open it once per key.
std::string findSetting(const std::vector<std::string>& lines, std::string_view key);
// As findSetting, telling a missing key (nothing) from an empty value.
std::optional<std::string> findSettingIfPresent(const std::vector<std::string>& lines, std::string_view key);

// Whether programDir/fileName is there. Throws std::runtime_error when that
// cannot be told, or when the name is taken by a folder.
bool settingFileExists(const std::filesystem::path& programDir, std::string_view fileName);

// The UTF-8 lines of programDir/fileName; an empty vector when the file is
// missing. A file that exists but cannot be read throws std::runtime_error.
// `found` (when given) tells a missing file from an empty one.
std::vector<std::string> readSettingLines(const std::filesystem::path& programDir, std::string_view fileName,
                                          bool* found = nullptr);

} // namespace yorozu
