#pragma once

#include "files/settings/CompanySettings.h"

#include <filesystem>
#include <string>
#include <vector>

namespace yorozu {

// Every key at its default: what a missing file reads as.
CompanySettings defaultCompanySettings(Orientation orientation, SettingsReader reader);

// The settings held by these lines. Each key is looked up as a single-key
// lookup does it: the first line that contains the key anywhere, the text
// after the key's first occurrence, at most 200 bytes. A value that holds
// another key's text can therefore shadow that key's own, later line.
CompanySettings companySettingsFromLines(const std::vector<std::string>& lines, Orientation orientation,
                                         SettingsReader reader);

// The file content: one line per key, in file order; the keys that are only
// ever added by hand are not written.
std::vector<std::string> companySettingsLines(const CompanySettings& settings);

// Reads the whole file at once. A missing file gives the defaults; a file
// that exists but cannot be read throws std::runtime_error, which ends the
// calling command.
CompanySettings readCompanySettings(const std::filesystem::path& file, Orientation orientation,
                                    SettingsReader reader);

inline constexpr const char* kSettingsSaved = "登録しました。";
inline constexpr const char* kSettingsNotSaved = "設定ファイルは保存できませんでした。\r\n";

struct SettingsSaveResult {
    bool ok = true;
    std::string message;    // kSettingsSaved or kSettingsNotSaved, for the caller to show
    std::string error;      // what went wrong, for the log and the tests
    std::string unmappable; // characters code page 932 cannot hold
    explicit operator bool() const { return ok; }
};

// Writes the file whole. It is replaced in one step, so on any failure the
// previous content stays as it was.
SettingsSaveResult writeCompanySettings(const std::filesystem::path& file, const CompanySettings& settings);

} // namespace yorozu
