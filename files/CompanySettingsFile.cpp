#include "files/CompanySettingsFile.h"

#include "files/CompanySettingsTable.h"
#include "files/Cp932.h"
#include "files/TextFile.h"

#include <stdexcept>

namespace yorozu {

namespace {

// What a single-key lookup returns at most.
constexpr std::size_t kLookupBytes = 200;

} // namespace

CompanySettings defaultCompanySettings(Orientation orientation, SettingsReader reader)
{
    return companySettingsFromLines({}, orientation, reader);
}

CompanySettings companySettingsFromLines(const std::vector<std::string>& lines, Orientation orientation,
                                         SettingsReader reader)
{
    CompanySettings settings;
    for (const auto& row : companySettingRows()) {
        std::string value;
        bool found = false;
        for (const auto& line : lines) {
            const auto at = line.find(row.key);
            if (at != std::string::npos) {
                value = cp932::truncateBytes(std::string_view(line).substr(at + row.key.size()), kLookupBytes);
                found = true;
                break;
            }
        }
        readSettingValue(row, found ? &value : nullptr, orientation, reader, settings);
    }
    return settings;
}

std::vector<std::string> companySettingsLines(const CompanySettings& settings)
{
    std::vector<std::string> lines;
    lines.reserve(kCompanySettingKeyCount);
    for (const auto& row : companySettingRows())
        lines.push_back(std::string(row.key) + writeSettingValue(row, settings));
    return lines;
}

CompanySettings readCompanySettings(const std::filesystem::path& file, Orientation orientation,
                                    SettingsReader reader)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return defaultCompanySettings(orientation, reader);
    if (!std::filesystem::is_regular_file(file, ec))
        throw std::runtime_error("not a file: " + file.string());
    const auto lines = readTextLines(file);
    if (!lines)
        throw std::runtime_error("cannot read " + file.string());
    return companySettingsFromLines(*lines, orientation, reader);
}

SettingsSaveResult writeCompanySettings(const std::filesystem::path& file, const CompanySettings& settings)
{
    const auto written = writeTextLines(file, companySettingsLines(settings));
    if (!written)
        return {false, kSettingsNotSaved, written.error, written.unmappable};
    return {true, kSettingsSaved, {}, {}};
}

} // namespace yorozu
