#pragma once

#include "files/text/AtomicFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace yorozu {

// The parts catalogue's name lists in the program folder: list 0
// ("BUMON0.LST") names the 20 departments, list d (1 to 20, "BUMON" d
// ".LST") the 20 pages of department d. Only the first 20 lines count.
inline constexpr int kCatalogueNames = 20;

std::string nameListFileName(int list);

// The program folder's file of that name, matched without regard to case
// (the lists were made where file names ignore case); the name as given
// when no such file exists yet.
std::filesystem::path catalogueFile(const std::filesystem::path& programDir, const std::string& name);

// The first 20 lines of list `list`, each taken whole; nothing when the file
// is missing. A file that exists but cannot be read throws std::runtime_error,
// so that it is never taken for an empty list and written over.
std::optional<std::vector<std::string>> readNameList(const std::filesystem::path& programDir, int list);

// Writes the first 20 names, one a line, replacing the file whole.
WriteResult writeNameList(const std::filesystem::path& programDir, int list, const std::vector<std::string>& names);

} // namespace yorozu
