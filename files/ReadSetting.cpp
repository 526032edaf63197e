#include "files/ReadSetting.h"

#include "files/Cp932.h"
#include "files/TextFile.h"

#include <stdexcept>

namespace yorozu {

std::string ReadSetting(const std::filesystem::path& programDir, std::string_view fileName, std::string_view key)
{
    const auto path = programDir / std::filesystem::path(std::string(fileName));
    if (!std::filesystem::exists(path))
        return {};
    const auto lines = readTextLines(path);
    if (!lines)
        throw std::runtime_error("cannot read " + path.string());
    for (const auto& line : *lines) {
        const auto at = line.find(key);
        if (at != std::string::npos)
            return cp932::truncateBytes(std::string_view(line).substr(at + key.size()), 200);
    }
    return {};
}

} // namespace yorozu
