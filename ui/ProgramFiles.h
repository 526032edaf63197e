#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace yorozu {

class Estimate;

// The files of the program folder the main window reads and writes besides
// "SET2.INI": pick lists, the estimate number, the width profiles and the
// main-window keys of the company settings. Every function takes the program
// folder; a missing file means the defaults apply. Writers throw
// std::runtime_error when a file cannot be written.

// The company settings file of an orientation: "SET3.INI" portrait, "SET.INI" landscape.
std::string companyFileName(int MUKI);

// Portrait settings start as a copy of the landscape ones.
void copyLandscapeSettingsIfMissing(const std::filesystem::path& programDir);

// ---- pick lists: one entry a line, empty lines included.
std::optional<std::vector<std::string>> readPickList(const std::filesystem::path& programDir, const std::string& fileName);
void writePickList(const std::filesystem::path& programDir, const std::string& fileName,
                   const std::vector<std::string>& entries);

// ---- "BANGO.INI": the number of the next new estimate; nothing when the
// file is missing or its first line is empty.
std::optional<std::string> readNextNumber(const std::filesystem::path& programDir);

// ---- width profiles (CEL_WIDTH_SET): applies programDir/fileName to the
// sheet (the shape-column rule runs), or, when the file is missing, ticks
// the shape column and writes the default profile, leaving the widths.
void CEL_WIDTH_SET(const std::filesystem::path& programDir, const std::string& fileName, Estimate& estimate);

// ---- the main-window keys of a company settings file.
struct CompanyWindowKeys {
    std::string titleLabel = "タイトル", noukiLabel = "納期", basyoLabel = "納入場所", jokenLabel = "支払条件",
                kigenLabel = "有効期限";
    std::string descriptionHeading = "摘要", shapeHeading = "形状・寸法";
    std::optional<std::string> memoHeading; // only when the key of the memo mode is present
    int HASU_MODE = 0;
    bool exitConfirmation = false;
    int verticalLine = 0;
    std::array<std::string, 7> partsCaptions{"部品－Ⅰ", "部品－Ⅱ", "部品－Ⅲ", "部品－Ⅳ", "部品－Ⅴ", "部品－Ⅵ", "部品－Ⅶ"};
};
// Nothing when the file is missing (the window keeps what it shows).
std::optional<CompanyWindowKeys> readCompanyWindowKeys(const std::filesystem::path& programDir,
                                                       const std::string& fileName, bool memoText);

// Integer value of a setting, 0 when it is missing or not an integer.
int settingInt(const std::filesystem::path& programDir, const std::string& fileName, const std::string& key);

} // namespace yorozu
