#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace yorozu {

// The window, display and editing state the program keeps in "SET2.INI"
// between runs. Colours are Windows colour values (0x00BBGGRR, system
// colours negative).
struct Set2Settings {
    // Slots of the colour table of the screen grids.
    enum Slot { Editor = 0, Fixed = 1, Stripe = 2, FixedFont = 3, Fixed2 = 4, Stripe2 = 5, FixedFont2 = 6,
                ColorBar = 7, ColorBarStored = 8, FirstColumnFont = 9, MemoFont = 20, SlotCount = 21 };
    static std::array<std::int32_t, SlotCount> defaultColors();

    std::optional<int> GYOUKAN;   // set only by "1" or "2"
    std::optional<int> PRN_S;     // set only by "1" or "2"
    bool Sunpou = true;
    bool wide = false;            // "[画面ワイド]=" above 1024: the window takes the screen's width
    int windowWidth = 1024;       // written
    int MUKI = 0;
    std::array<std::int32_t, SlotCount> colors = defaultColors();
    bool keyBarShown = true;      // written only
    std::string dataPath;         // empty: the start-up folder
    std::string KAKERITU;
    std::string MARUME = "0";
    int top = 0, left = 0;
    bool partsAutoOpen = true;
    bool partsInsertMode = true;
    std::string netPath;
    // Main-menu position holding function key F1..F12, or nothing.
    std::array<std::optional<int>, 12> functionKeys;
    std::array<std::string, 12> labelHints;
    bool memoText = true;         // "[MEMO_MOJI]=": text memo mode
    bool RIEKI_RITU = false;
    int partsLayout = 0;          // written only: 0 wide bar, 1 632 pixels, 2 715 pixels
};

// Reads programDir/"SET2.INI" over the defaults. Lines apply in file order,
// so the later of two lines with the same key wins. A colour that is not an
// integer keeps its default. screenWidth decides the wide window and the
// reset of the position on a 1024-pixel screen.
Set2Settings readSet2(const std::filesystem::path& programDir, int screenWidth, int windowHeight);

// Rewrites programDir/"SET2.INI" whole. Throws std::runtime_error when the
// file cannot be written.
void writeSet2(const std::filesystem::path& programDir, const Set2Settings& settings);

} // namespace yorozu
