#pragma once

#include "files/settings/CompanySettings.h"
#include "files/settings/CompanySettingsFile.h"
#include "files/settings/OrientationSettings.h"

#include <filesystem>
#include <string>

namespace yorozu {

// Slot n (1 to 5) of an orientation: "1_SET.INI" … "5_SET.INI" for
// landscape, "1_SET3.INI" … "5_SET3.INI" for portrait. Any other n throws
// std::invalid_argument.
std::string settingsSlotFileName(int slot, Orientation orientation);

// The settings of the orientation, read from its file in the program folder.
CompanySettings readCurrentCompanySettings(const std::filesystem::path& programDir, Orientation orientation,
                                           SettingsReader reader);

// The register command: writes the file of the orientation.
SettingsSaveResult registerCompanySettings(const std::filesystem::path& programDir, Orientation orientation,
                                           const CompanySettings& settings);

// Saves the settings into slot n of the orientation, in the same format.
SettingsSaveResult saveSettingsSlot(const std::filesystem::path& programDir, Orientation orientation, int slot,
                                    const CompanySettings& settings);

// Slot n as the dialog fills its controls from it: a slot never saved gives
// the dialog's defaults. No file changes; the loaded settings reach the
// orientation's file only when the user registers them.
CompanySettings loadSettingsSlot(const std::filesystem::path& programDir, Orientation orientation, int slot);

// At start: when "SET3.INI" is missing and "SET.INI" exists, the portrait
// settings start as a byte-for-byte copy of the landscape ones. An existing
// "SET3.INI" is never touched, and nothing is ever copied the other way.
// True when a copy was made. A failed copy leaves no "SET3.INI" behind, so
// the next start tries again.
bool copyLandscapeSettingsToPortrait(const std::filesystem::path& programDir);

} // namespace yorozu
