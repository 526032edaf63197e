#pragma once

#include "files/settings/Set2Settings.h"
#include "ui/colors/ColorTable.h"
#include "print/images/PrintImages.h"

#include <array>
#include <filesystem>
#include <string>

namespace yorozu {

// The main window's working state besides the estimate.
struct WindowState {
    bool exitConfirmation = false; // "[確認]=1" of the orientation's company settings
    bool reminderOpen = false;     // the save reminder's question is open
    bool escFlag = false;          // any Esc; the search loops poll it
    bool shiftFlag = false;        // Shift state of the last key press
    int currentFileIndex = -1;     // the browser's current file
    std::string dataPath;          // the browser's data folder
    std::filesystem::path currentFile; // the estimate file loaded or last saved; empty for a new one
    int verticalLine = 0;          // printing's vertical-line position
    std::array<std::string, 7> partsCaptions;
    // The values "SET2.INI" carries, as last read; the window's own part is
    // refreshed from the widgets before writing.
    Set2Settings settings;
    ColorTable colors;
    int partsBarWidth = 997;
    PrintImages images;
    // The parts panel: current department and page (0: none loaded), and the
    // remembered grid row of every department and page.
    int partsDepartment = 0;
    int partsPage = 0;
    std::array<std::array<int, 20>, 20> partsRows{};
};

} // namespace yorozu
