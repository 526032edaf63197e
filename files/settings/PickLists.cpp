#include "files/settings/PickLists.h"

#include "files/settings/ReadSetting.h"

namespace yorozu {

std::string_view pickListFileName(PickList list)
{
    for (const auto& f : kPickListFiles) {
        if (f.list == list)
            return f.fileName;
    }
    return {};
}

std::optional<std::vector<std::string>> COMBO_YOMIKOMI(const std::filesystem::path& programDir, PickList list)
{
    bool found = false;
    auto lines = readSettingLines(programDir, pickListFileName(list), &found);
    if (!found)
        return std::nullopt;
    return lines;
}

WriteResult COMBO_KAKIDASI(const std::filesystem::path& programDir, PickList list,
                           const std::vector<std::string>& entries)
{
    return writeTextLines(programDir / std::string(pickListFileName(list)), entries);
}

} // namespace yorozu
