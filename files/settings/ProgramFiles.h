#pragma once

#include "files/settings/OrientationSettings.h"

#include <filesystem>
#include <string>

namespace yorozu {

// Integer value of a setting, 0 when it is missing or not an integer.
int settingInt(const std::filesystem::path& programDir, const std::string& fileName, const std::string& key);

} // namespace yorozu
