#pragma once

#include <filesystem>
#include <string_view>

namespace yorozu {

// The path of a file of the program folder, with its name matched without
// regard to case. Folders copied from other systems carry the catalogue
// under names such as "buhin1_1.lst" or "BUHIN1_1.Lst"; whatever the case,
// an existing file is the file, so a page is read from and written back to
// the same one. The name as given wins when it exists; among several other
// spellings the first in byte order is taken. When none exists, the name as
// given is the path of the new file.
std::filesystem::path programFilePath(const std::filesystem::path& programDir, std::string_view name);

} // namespace yorozu
