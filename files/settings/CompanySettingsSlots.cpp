#include "files/settings/CompanySettingsSlots.h"

#include <stdexcept>

namespace yorozu {

namespace fs = std::filesystem;


std::string settingsSlotFileName(int slot, Orientation orientation)
{
    if (slot < 1 || slot > 5)
        throw std::invalid_argument("settings slot " + std::to_string(slot) + " does not exist");
    return std::to_string(slot) + "_" + companySettingsFileName(orientation);
}

CompanySettings readCurrentCompanySettings(const fs::path& programDir, Orientation orientation,
                                           SettingsReader reader)
{
    return readCompanySettings(programDir / companySettingsFileName(orientation), orientation, reader);
}

SettingsSaveResult registerCompanySettings(const fs::path& programDir, Orientation orientation,
                                           const CompanySettings& settings)
{
    return writeCompanySettings(programDir / companySettingsFileName(orientation), settings);
}

SettingsSaveResult saveSettingsSlot(const fs::path& programDir, Orientation orientation, int slot,
                                    const CompanySettings& settings)
{
    return writeCompanySettings(programDir / settingsSlotFileName(slot, orientation), settings);
}

CompanySettings loadSettingsSlot(const fs::path& programDir, Orientation orientation, int slot)
{
    return readCompanySettings(programDir / settingsSlotFileName(slot, orientation), orientation,
                               SettingsReader::Dialog);
}

bool copyLandscapeSettingsToPortrait(const fs::path& programDir)
{
    const auto landscape = programDir / companySettingsFileName(Orientation::Landscape);
    const auto portrait = programDir / companySettingsFileName(Orientation::Portrait);
    std::error_code ec;
    if (fs::exists(portrait, ec) || ec || !fs::is_regular_file(landscape, ec))
        return false;
    // Copy beside the target and rename, so that a copy cut short never
    // stands as "SET3.INI" (which would then never be replaced).
    auto partial = portrait;
    partial += ".tmp";
    if (!fs::copy_file(landscape, partial, fs::copy_options::overwrite_existing, ec)) {
        fs::remove(partial, ec);
        return false;
    }
    fs::rename(partial, portrait, ec);
    if (ec) {
        fs::remove(partial, ec);
        return false;
    }
    return true;
}

} // namespace yorozu
