#include "ui/app/OpenAtStart.h"

#include "files/estimate/OpenEstimate.h"
#include "ui/browser/Browser.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/window/Yorozu1.h"

namespace yorozu {

void openEstimateAtStart(TYorozu& window, const std::filesystem::path& file)
{
    // As from the file panel: its folder becomes the data folder, the file the current one.
    if (window.browser().openFromCommandLine(file))
        return;
    window.SpeedButton11Click(false);
    const auto read = openEstimate(window.estimate(), window.programDir(), file);
    for (const auto& m : read.messages)
        window.dialogs().information(QString::fromStdString(m));
    // The file panel stops silently on a file it cannot read; a file handed
    // over by the desktop that does not open must say so, or the double-click
    // would seem to do nothing.
    if (!read.ok)
        window.dialogs().warning(QString::fromStdString(read.error));
    window.recalculateAll();
}

} // namespace yorozu
