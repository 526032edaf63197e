#pragma once

#include "files/text/AtomicFile.h"

#include <filesystem>

namespace yorozu {

class StringGrid;

// The parts grid's saved column widths: six lines, "[品名幅]=" column 7,
// "[寸法幅]=" 9, "[単位幅]=" 11, "[単価幅]=" 12, "[原単価幅]=" 13,
// "[原価率幅]=" 16, each a decimal width (-1 hidden). They have a file of
// their own, so that saving them leaves the sheet's default widths alone.
inline constexpr const char* kPartsWidthFile = "BUHIN_WIDTH.INI";

WriteResult writePartsWidths(const std::filesystem::path& programDir, const StringGrid& SG2);

// Applies the saved widths: every line holding one of the six keys sets its
// column from the (at most three) characters after the line's first "=";
// an empty value changes nothing, a value that is no number gives the
// column's default (225, 180, 35, 60, 60, 39). False when there is no file.
// A file that exists but cannot be read throws std::runtime_error.
bool readPartsWidths(const std::filesystem::path& programDir, StringGrid& SG2);

} // namespace yorozu
