#include "files/settings/WidthProfile.h"

#include "files/text/IntText.h"
#include "files/settings/ReadSetting.h"

#include <algorithm>

namespace yorozu {

namespace {

constexpr const char* kShapeKey = "[形状]=";

// A width is what a user can drag a column to; a file edited by hand may
// hold any integer, and the grid's views add widths up in int. Below -1 is
// hidden like -1; the widest column is far beyond any screen and 18 of them
// still sum without overflow.
constexpr int kWidestColumn = 32767;

int columnWidth(std::string_view text)
{
    return std::clamp(intOr(text, -1), -1, kWidestColumn);
}

} // namespace

std::vector<std::string> widthProfileLines(bool shapeShown, const std::vector<int>& widths)
{
    std::vector<std::string> lines;
    lines.push_back(std::string(kShapeKey) + (shapeShown ? "1" : "0"));
    for (std::size_t k = 0; k < widths.size(); ++k)
        lines.push_back(std::to_string(k) + "=" + std::to_string(widths[k]));
    return lines;
}

const std::vector<std::string>& defaultWidthProfileLines()
{
    static const std::vector<std::string> lines = widthProfileLines(
        true, {25, 20, 20, 20, -1, -1, -1, 284, -1, 128, 50, 40, 60, 60, 70, 70, 39, 60});
    return lines;
}

WriteResult writeWidthProfile(const std::filesystem::path& programDir, std::string_view fileName, bool shapeShown,
                              const std::vector<int>& widths)
{
    return writeTextLines(programDir / std::string(fileName), widthProfileLines(shapeShown, widths));
}

WidthProfileResult CEL_WIDTH_SET(const std::filesystem::path& programDir, Estimate& estimate,
                                 std::string_view fileName)
{
    WidthProfileResult result;
    bool found = false;
    // One read for all nineteen keys; each is looked up as ReadSetting would.
    const auto lines = readSettingLines(programDir, fileName, &found);
    if (!found) {
        estimate.SunpouClick(true);
        result.wroteDefaults = true;
        result.write = writeTextLines(programDir / std::string(fileName), defaultWidthProfileLines());
        return result;
    }
    estimate.SunpouClick(intOr(findSetting(lines, kShapeKey), 1) == 1);
    for (int k = 0; k < StringGrid::kColumns; ++k)
        estimate.SG1.setColWidth(k, columnWidth(findSetting(lines, std::to_string(k) + "=")));
    estimate.notify(Change::Layout);
    result.applied = true;
    return result;
}

} // namespace yorozu
