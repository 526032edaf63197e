#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace yorozu {

// The file masks the browser's list uses.
inline constexpr std::string_view kEstimateMask = "*.qte";
inline constexpr std::string_view kAnyFileMask = "*.*";
inline constexpr std::string_view kBackupMask = "*.qtb;*.qtc";

// True when the file name matches one of the ";"-separated patterns of
// `mask` ("*" any run, "?" one byte), letters compared without case as a
// file list of the desktop does. "*.*" matches every name.
bool matchesMask(std::string_view fileName, std::string_view mask);

// The files of `dir` (not its folders, not hidden files) whose names match
// `mask`, in byte order of the names. Saved estimates are named after the
// moment they were saved, so this is age order with the newest last. An
// unreadable or missing folder lists nothing.
std::vector<std::filesystem::path> listFiles(const std::filesystem::path& dir,
                                             std::string_view mask = kEstimateMask);

} // namespace yorozu
