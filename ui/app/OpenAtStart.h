#pragma once

#include <filesystem>

namespace yorozu {

class TYorozu;

// Opens the estimate named on the command line (a double-click on a ".qte"
// in the file manager) once the window has started, through the file panel:
// its folder becomes the data folder, the window is cleared without asking,
// the file is read and the messages of the read are shown. A file the panel
// cannot list (a missing one, say) is read directly, and a read that fails says so. The one place where the start hands a file
// to the window.
void openEstimateAtStart(TYorozu& window, const std::filesystem::path& file);

} // namespace yorozu
