#include "files/parts/PartsWidths.h"

#include "core/document/Estimate.h"
#include "files/parts/ProgramFileName.h"
#include "files/settings/ReadSetting.h"
#include "files/text/TextFile.h"

#include <charconv>
#include <stdexcept>
#include <string>
#include <vector>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

struct WidthKey {
    const char* key;
    int column;
    int fallback;
};

constexpr WidthKey kKeys[] = {
    {"[品名幅]=", col::Description, 225}, {"[寸法幅]=", col::Shape, 180},     {"[単位幅]=", col::Unit, 35},
    {"[単価幅]=", col::UnitPrice, 60},    {"[原単価幅]=", col::CostPrice, 60}, {"[原価率幅]=", col::Rate, 39},
};

} // namespace

WriteResult writePartsWidths(const fs::path& programDir, const StringGrid& SG2)
{
    std::vector<std::string> lines;
    for (const auto& k : kKeys)
        lines.push_back(std::string(k.key) + std::to_string(SG2.colWidth(k.column)));
    return writeTextLines(programFilePath(programDir, kPartsWidthFile), lines);
}

bool readPartsWidths(const fs::path& programDir, StringGrid& SG2)
{
    const fs::path path = programFilePath(programDir, kPartsWidthFile);
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() == fs::file_type::not_found)
        return false;
    const auto lines = readTextLines(path);
    if (!lines)
        throw std::runtime_error("cannot read " + path.string());
    for (const auto& line : *lines) {
        for (const auto& k : kKeys) {
            if (line.find(k.key) == std::string::npos)
                continue;
            const auto eq = line.find('=');
            const std::string value = line.substr(eq + 1, 3);
            if (value.empty())
                continue;
            int width = 0;
            const auto [end, err] = std::from_chars(value.data(), value.data() + value.size(), width);
            SG2.setColWidth(k.column, err == std::errc{} && end == value.data() + value.size() ? width : k.fallback);
        }
    }
    return true;
}

} // namespace yorozu
