#pragma once

#include <cstdint>
#include <filesystem>

namespace yorozu {

// "[データ文字色]=" of "PRINT.INI": the font colour set before the detail
// rows of every page; black when the file, the key or a number is missing.
std::uint32_t dataTextColour(const std::filesystem::path& programDir);

} // namespace yorozu
