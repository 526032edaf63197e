#pragma once

#include "files/text/AtomicFile.h"

#include <array>
#include <filesystem>
#include <string>

namespace yorozu {

class StringGrid;

// The parts catalogue in the program folder: "BUMON0.LST" names the
// departments, "BUMON<d>.LST" the pages of department d, and
// "BUHIN<d>_<p>.LST" holds the parts of department d, page p, one part a
// line in comma text with the columns of the sheet. Names are matched
// without regard to case (programFilePath).
inline constexpr int kPartsDepartments = 20;
inline constexpr int kPartsPages = 20;
// Rows written to a parts file at most; later rows are not saved.
inline constexpr int kPartsFileRows = 301;

std::string partsListName(int department);            // "BUMON0.LST" for the departments
std::string partsFileName(int department, int page);  // "BUHIN3_15.LST"

// The captions of the department and page buttons.
struct PartsCaptions {
    std::array<std::string, kPartsDepartments> departments;
    std::array<std::string, kPartsPages> pages;
};

// An empty page: every data row emptied, 31 rows, rows 1 to 30 numbered.
// The caller puts the grid's cursor on row 1, column 9.
void SG2_HAKUSI(StringGrid& SG2);

enum class PartsFileRead { Loaded, Missing, Unreadable };

// Resets the grid and fills row k from line k of the parts file, growing
// the grid so every line has a row, and numbering the rows by line order.
// A missing file leaves the empty page; so does one that exists but cannot
// be read, which the caller must not overwrite with that empty page.
PartsFileRead SG_YOMIKOMI(StringGrid& SG2, const std::filesystem::path& path);

// Writes data rows 1 up to the last, but no further than row 301, whole and
// atomically to the parts file of (department, page).
WriteResult BUHIN_KAKIDASI(const std::filesystem::path& programDir, const StringGrid& SG2, int department, int page);

// Reads the name list of `list` (0: the departments, 1 to 20: the pages of
// that department). The page captions are always emptied first; when the
// file exists its first 20 lines become the captions, for list 0 the
// department captions (emptied first as well). Missing lines leave empty
// captions. Returns false when the file is missing. A file that exists but
// cannot be read throws std::runtime_error.
bool BUMON_YOMIKOMI(const std::filesystem::path& programDir, int list, PartsCaptions& captions);

} // namespace yorozu
