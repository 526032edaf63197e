#include "files/estimate/Numbering.h"

#include "files/text/IntText.h"
#include "files/settings/ReadSetting.h"

#include <limits>

namespace yorozu {

namespace {

// The integer value of `Bangou`, 0 when it is not an integer. The largest
// value counts as not an integer too, so that adding one cannot overflow.
std::int64_t bangouValue(std::string_view Bangou)
{
    const auto n = parseInt64(Bangou).value_or(0);
    return n == std::numeric_limits<std::int64_t>::max() ? 0 : n;
}

NumberingResult store(const std::filesystem::path& programDir, std::int64_t next, NumberingResult result)
{
    result.number = std::to_string(next);
    result.written = true;
    result.write = writeTextLines(programDir / kBangoFileName, {result.number});
    return result;
}

} // namespace

std::optional<std::string> BANGOU_CALL(const std::filesystem::path& programDir)
{
    bool found = false;
    const auto lines = readSettingLines(programDir, kBangoFileName, &found);
    if (!found || lines.empty() || lines.front().empty())
        return std::nullopt;
    return lines.front();
}

NumberingResult BANGOU_KOUSIN(const std::filesystem::path& programDir, std::string_view Bangou)
{
    NumberingResult result;
    if (!settingFileExists(programDir, kBangoFileName))
        return result;
    auto n = bangouValue(Bangou);
    if (n == 0) {
        result.messages.emplace_back(kBangouRestartMessage);
        n = 10000;
    }
    return store(programDir, n + 1, std::move(result));
}

NumberingResult N53Click(const std::filesystem::path& programDir, std::string_view Bangou)
{
    NumberingResult result;
    auto n = bangouValue(Bangou);
    if (n == 0) {
        result.messages.emplace_back(kBangouRestartMessage);
        n = 10001;
    }
    return store(programDir, n, std::move(result));
}

} // namespace yorozu
