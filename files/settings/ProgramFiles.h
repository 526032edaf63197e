#pragma once

#include <filesystem>
#include <string>

namespace yorozu {

// The company settings file of an orientation (`MUKI` 1 "ヨコ": "SET.INI",
// otherwise "SET3.INI").
std::string companyFileName(int MUKI);

// Integer value of a setting, 0 when it is missing or not an integer.
int settingInt(const std::filesystem::path& programDir, const std::string& fileName, const std::string& key);

} // namespace yorozu
