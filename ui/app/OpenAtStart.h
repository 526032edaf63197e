#pragma once

#include <filesystem>

namespace yorozu {

class TYorozu;

// Opens the estimate named on the command line (a double-click on a ".qte"
// in the file manager) once the window has started: the window is cleared
// without asking, the file is read as the file panel reads it, and the
// messages of the read are shown. The one place where the start hands a file
// to the window.
void openEstimateAtStart(TYorozu& window, const std::filesystem::path& file);

} // namespace yorozu
