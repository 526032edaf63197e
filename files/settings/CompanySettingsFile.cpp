#include "files/settings/CompanySettingsFile.h"

#include "files/settings/CompanySettingsTable.h"
#include "files/text/Cp932.h"
#include "files/text/TextFile.h"

#include <optional>
#include <stdexcept>

namespace yorozu {

namespace {

// What a single-key lookup returns at most.
constexpr std::size_t kLookupBytes = 200;

std::optional<std::string> lookUp(const std::vector<std::string>& lines, std::string_view key)
{
    for (const auto& line : lines) {
        const auto at = line.find(key);
        if (at != std::string::npos)
            return cp932::truncateBytes(std::string_view(line).substr(at + key.size()), kLookupBytes);
    }
    return std::nullopt;
}

} // namespace

CompanySettings defaultCompanySettings(Orientation orientation, SettingsReader reader)
{
    return companySettingsFromLines({}, orientation, reader);
}

CompanySettings companySettingsFromLines(const std::vector<std::string>& lines, Orientation orientation,
                                         SettingsReader reader)
{
    CompanySettings settings;
    for (auto rows : {companySettingRows(), companySettingReadOnlyRows()})
        for (const auto& row : rows) {
            const auto value = lookUp(lines, row.key);
            readSettingValue(row, value ? &*value : nullptr, orientation, reader, settings);
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
