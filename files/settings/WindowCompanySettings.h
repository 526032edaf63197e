#pragma once

#include "core/document/Estimate.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace yorozu {

// What the main window takes from the company settings of the current
// orientation. When the file is missing nothing changes (fileFound false,
// and only partsMemoHeading may be set).
struct WindowCompanySettings {
    bool fileFound = false;

    // Captions of the header-field labels; the window moves each so that its
    // right edge is 4 pixels left of its field.
    std::string KoujiLabel = "タイトル";
    std::string NoukiLabel = "納期";
    std::string BasyoLabel = "納入場所";
    std::string JokenLabel = "支払条件";
    std::string KigenLabel = "有効期限";

    std::string descriptionHeading = "摘要";  // column 7 of SG1 and SG2
    std::string shapeHeading = "形状・寸法";  // column 9 of SG1 and SG2
    std::optional<std::string> SunpouCaption; // only a non-empty "[形状]=" renames the box
    // Column 17 of SG1 and SG2 and the memo-mode caption, when the key of the
    // current memo mode is in the file (an empty value empties the heading).
    std::optional<std::string> memoHeading;
    std::optional<std::string> MEMO_FLG_CAP;
    // Portrait only, and even without a file: column 17 of SG2 first becomes "メモ".
    std::optional<std::string> partsMemoHeading;

    int HASU_MODE = 0;
    bool exitConfirmation = false;
    int verticalLinePosition = 0;  // page units (1/14 mm) for printing
    std::array<std::string, 7> partsButtonCaptions{"部品－Ⅰ", "部品－Ⅱ", "部品－Ⅲ", "部品－Ⅳ",
                                                   "部品－Ⅴ", "部品－Ⅵ", "部品－Ⅶ"};
};

// Reads the window's keys of "SET.INI" (SET1_YOMIKOMI) or "SET3.INI"
// (SET3_YOMIKOMI); each key takes the first line that holds it. A file that
// exists but cannot be read throws std::runtime_error.
WindowCompanySettings SET1_YOMIKOMI(const std::filesystem::path& programDir, MemoMode memoMode);
WindowCompanySettings SET3_YOMIKOMI(const std::filesystem::path& programDir, MemoMode memoMode);
// The one for the orientation, as OrientationSettings::window reads it.
WindowCompanySettings readWindowCompanySettings(const std::filesystem::path& programDir, int MUKI,
                                                MemoMode memoMode);

// Puts the headings of SG1 and SG2 and HASU_MODE into the estimate. Labels,
// captions, the exit switch and the vertical line stay with the window.
void applyWindowCompanySettings(const WindowCompanySettings& settings, Estimate& estimate);

} // namespace yorozu
