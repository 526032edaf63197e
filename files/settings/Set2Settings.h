#pragma once

#include "core/document/Estimate.h"

#include <array>
#include <cstdint>
#include <string>

namespace yorozu {

// The window, display and editing state kept in "SET2.INI" between runs,
// with the values a first start uses. The window fills its widgets from it
// after reading and fills it from its widgets before writing.
struct Set2Settings {
    static constexpr int kMenuItems = 25;     // positions 0 to 24 of the hidden main menu
    static constexpr int kFunctionKeys = 12;  // F1 to F12

    int GYOUKAN = 0;           // 0 "大", 1 "中", 2 "小"
    int PRN_S = 0;             // 0 "通常", 1 "積算", 2 "小計"
    bool Sunpou = true;        // shape column shown
    int windowWidth = 1024;
    int MUKI = 0;              // 0 "タテ", 1 "ヨコ"

    // Windows colour values (red in the low byte; high byte set for system colours).
    std::int32_t editorColor = 0x00FFFF;     // editors, their panels, the colour dialog
    std::int32_t fixedColor = 0xFF8080;      // fixed cells of SG1
    std::int32_t stripeColor = 0xFED3D1;     // stripes of SG1
    std::int32_t fixedFontColor = 0xFFFFFF;  // text of the fixed cells of SG1
    // Text colours of the sheet's columns 1, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16.
    std::array<std::int32_t, 11> columnTextColors{};
    std::int32_t memoTextColor = 0xFF0000;   // text of column 17

    bool functionKeyBarShown = true;  // written only; the window decides at start

    std::string DATA_PATH;            // the browser's folder; empty: the current folder
    std::string KAKERITU;
    std::string MARUME = "0";
    int windowTop = 0;
    int windowLeft = 0;

    std::int32_t partsFixedColor = -16777201;  // the system button-face colour; also the parts button bars
    std::int32_t partsStripeColor = 0xF2F3F4;
    std::int32_t partsFixedFontColor = 0;
    std::int32_t partsBarColor = 0x00FF00;     // current-row bar of SG2
    bool partsAutoOpen = true;                 // AUTOBTN "入" / "切"
    bool partsInsertMode = true;               // INSBTN "挿" / "次"
    std::string NETPATH;

    // The function key held by each main-menu item: 0 none, k for Fk.
    std::array<int, kMenuItems> menuItemFunctionKeys{};
    // Hints of the function-key labels 1 to 12 ("F-1" to "F-12" or empty).
    std::array<std::string, kFunctionKeys> labelHints;

    MemoMode memoMode = MemoMode::Text;
    bool RIEKI_RITU = false;
    int partsBarWidth = 997;  // 997, 632 or 715 pixels; written only

    bool operator==(const Set2Settings&) const = default;
};

// Inputs of the reading that are not in the file.
struct Set2Screen {
    int screenWidth = 1024;   // pixels of the screen the window opens on
    int windowHeight = 740;   // the window's height when the settings are read
};

} // namespace yorozu
