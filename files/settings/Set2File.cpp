#include "files/settings/Set2File.h"

#include "files/text/Cp932.h"
#include "files/settings/ReadSetting.h"
#include "files/settings/Set2Keys.h"

namespace yorozu {

Set2ReadResult SET2_YOMIKOMI(const std::filesystem::path& programDir, const Set2Screen& screen)
{
    Set2ReadResult result;
    const auto lines = readSettingLines(programDir, kSet2FileName, &result.fileFound);
    auto& s = result.settings;
    for (const auto& line : lines) {
        const auto eq = line.find('=');
        const std::string_view afterEq =
            eq == std::string::npos ? std::string_view{} : std::string_view(line).substr(eq + 1);
        for (const auto& k : set2Keys()) {
            if (!k.conversion.read || line.find(k.key) == std::string::npos)
                continue;
            const auto value = cp932::truncateBytes(afterEq, k.readBytes);
            if (!k.conversion.read(s, value, screen))
                result.rejectedLines.push_back(line);
        }
        // On a screen of the design width the window always opens at the corner.
        if (screen.screenWidth == 1024) {
            s.windowTop = 0;
            s.windowLeft = 0;
        }
    }
    return result;
}

std::vector<std::string> set2Lines(const Set2Settings& settings)
{
    std::vector<std::string> lines;
    for (const auto& k : set2Keys()) {
        if (k.conversion.write)
            k.conversion.write(settings, k.key, lines);
    }
    return lines;
}

WriteResult SET2_KAKIDASI(const std::filesystem::path& programDir, const Set2Settings& settings)
{
    return writeTextLines(programDir / kSet2FileName, set2Lines(settings));
}

int startupPartsBarWidth(const std::filesystem::path& programDir)
{
    const auto v = ReadSetting(programDir, kSet2FileName, "[分類幅]=");
    if (v == "1")
        return 632;
    if (v == "2" || v.empty())
        return 715;
    return 997;
}

} // namespace yorozu
