#pragma once

#include <filesystem>

class QWidget;

namespace yorozu {

// Says where this copy keeps its settings: the hint of the manual button
// ("解説") gains a line naming the program folder, the about text of the
// program. Does nothing to a window without that button.
void showProgramFolder(QWidget& window, const std::filesystem::path& programDir);

} // namespace yorozu
