#pragma once

#include "files/settings/Set2Settings.h"
#include "files/text/TextFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace yorozu {

inline constexpr const char* kSet2FileName = "SET2.INI";

// Shown by the browser when the stored data folder cannot be used.
inline constexpr const char* kDataPathFailedMessage =
    "前回使用ディレクトリを設定出来ませんでした。\r\n起動ディレクトリを使用します。";

struct Set2ReadResult {
    Set2Settings settings;  // the defaults, overridden by the file
    bool fileFound = false;
    // Lines holding a value that could not be converted (a colour or a
    // function-key position that is not a valid integer). Their fields keep
    // the default and the rest of the file is still read: stopping there
    // would drop every setting after one damaged line.
    std::vector<std::string> rejectedLines;
};

// Reads "SET2.INI" of the program folder over the defaults. Every line is
// tested for every key; the value is the text after the line's first "=",
// cut to the key's byte limit, and lines are applied in file order, so a key
// given twice takes its later value. A file that exists but cannot be read
// throws std::runtime_error.
Set2ReadResult SET2_YOMIKOMI(const std::filesystem::path& programDir, const Set2Screen& screen);

// The lines of the file, one per key in the fixed order.
std::vector<std::string> set2Lines(const Set2Settings& settings);

// Rewrites "SET2.INI" whole.
WriteResult SET2_KAKIDASI(const std::filesystem::path& programDir, const Set2Settings& settings);

// The width of the parts button bars the start-up lays out from "[分類幅]="
// (looked up on its own, after the grids are placed): "1" 632 pixels, "2" or
// nothing 715, anything else keeps the full 997.
int startupPartsBarWidth(const std::filesystem::path& programDir);

} // namespace yorozu
