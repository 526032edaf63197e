#pragma once

#include <functional>

namespace yorozu {

// Commands of the window that other rooms carry out (saving, printing, the
// browser, the parts panel, the aggregation, the settings dialog...). The
// window calls them at the right moment; a hook left empty does nothing.
struct CommandHooks {
    std::function<void()> save;              // replaces the window's own Save
    std::function<void()> savedFile;         // after a Save: the browser shows the new file
    std::function<void()> textExport;        // replaces the window's own text export (Ctrl+0)
    std::function<void()> print, printCover, preview, previewCover;
    std::function<void()> filePanel;         // show or hide the browser
    std::function<void()> browseFirst, browsePrevious, browseNext, browseLast;
    std::function<void()> selectLastFile;    // start-up: the browser's last file
    std::function<void()> search;
    std::function<void()> partsPanel;
    std::function<void()> partsSave;         // BUHIN_KAKIDASI of the current page
    std::function<void()> settingsDialog;
    std::function<void()> SYUKEI_MAKE;       // aggregation into SG_KEI
    std::function<void()> showTotalsGrid;
    std::function<void()> rateFromCost, rateFromPrice; // the two rate conversions
    std::function<void()> colourMenu;
    std::function<void()> ENZAN;             // completes a pending in-cell operation
    std::function<void()> insertRow, deleteRow; // replace the plain row commands

    static void run(const std::function<void()>& hook)
    {
        if (hook)
            hook();
    }
};

} // namespace yorozu
