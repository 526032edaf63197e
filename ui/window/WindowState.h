#pragma once

#include "files/settings/Set2Settings.h"
#include "ui/colors/ColorTable.h"
#include "print/images/PrintImages.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <string>

namespace yorozu {

// The main window's working state besides the estimate. The window's own
// part comes first; the slots below it belong to the rooms named, which
// take them into their own state when they land (the window then keeps
// only what start-up and close read and write for them).
struct WindowState {
    bool exitConfirmation = false; // "[確認]=1" of the orientation's company settings
    bool reminderOpen = false;     // the save reminder's question is open
    // The save reminder asks only once the user has paused this long, so
    // that no keystroke meant for the sheet lands in its question.
    std::chrono::milliseconds reminderPause{3000};
    std::chrono::steady_clock::time_point lastInput{}; // the last key press or click in the window
    bool reminderDue = false;      // a tick came while the user was typing
    bool escFlag = false;          // any Esc; the search loops poll it
    bool shiftFlag = false;        // Shift state of the last key press
    std::filesystem::path currentFile; // the estimate file loaded or last saved; empty for a new one
    // The values "SET2.INI" carries, as last read; the window's own part is
    // refreshed from the widgets before writing.
    Set2Settings settings;
    ColorTable colors;

    // ---- the browser's slots
    int currentFileIndex = -1;     // the current file
    std::string dataPath;          // the data folder; Save writes into it

    // ---- printing's slots
    int verticalLine = 0;          // the vertical-line position
    PrintImages images;            // the five images, reloaded on every activation

    // ---- the parts panel's slots
    std::array<std::string, 7> partsCaptions;
    // (The parts panel keeps its department, page, remembered rows and bar
    // layout itself.)
};

} // namespace yorozu
