#pragma once

#include <functional>

namespace yorozu {

// Steps inside the window's own sequences that other rooms carry out (the
// commands themselves are in CommandTable). The window calls them at the
// right moment; a hook left empty does nothing.
struct CommandHooks {
    std::function<void()> savedFile;         // after a Save: the browser shows the new file
    std::function<void()> selectLastFile;    // start-up: the browser's last file
    std::function<void()> partsSave;         // BUHIN_KAKIDASI of the current page
    // After the settings dialog: the parts panel and both bars hidden, the
    // first department and page pressed, nothing loaded (the grid is not written).
    std::function<void()> partsReset;
    std::function<void()> SYUKEI_MAKE;       // aggregation into SG_KEI
    std::function<void()> showTotalsGrid;
    std::function<void()> ENZAN;             // completes a pending in-cell operation

    static void run(const std::function<void()>& hook)
    {
        if (hook)
            hook();
    }
};

} // namespace yorozu
