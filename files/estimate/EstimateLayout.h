#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

class Estimate;

// The fixed lines at the top of an estimate file, 1-based as in the file.
// The grid rows follow from line kFirstRowLine on, one row per line.
namespace qte {
inline constexpr int KNAME = 1, Kouji = 2, TITLE = 3, Bangou = 4, DTP1 = 5, Nouki = 6, Basyo = 7, Joken = 8,
                     Kigen = 9, MemoMode = 10, MemoShown = 11, GYOUKAN = 12, PRN_S = 13, MUKI = 14, UTIZEI = 15,
                     HIKAZEI = 16, Sunpou = 17, HASU_MODE = 18, RemarkRows = 19, Headings = 20;
inline constexpr int kHeaderLines = 20;
inline constexpr int kFirstRowLine = 21;
} // namespace qte

// The integer value of a line: optional leading blanks, an optional sign and
// decimal digits that fit an int; anything else gives `fallback`.
int integerValue(std::string_view text, int fallback = 0);

// The number of remark rows of the print layout: "[備考枠]=" of "SET3.INI"
// as an integer, 0 when missing. Throws when the file cannot be read.
int remarkRowsSetting(const std::filesystem::path& programDir);

// Lines 1 to `count` of the layout for the document (count 11 for the text
// export, 20 for the saved file). remarkRows goes into line 19.
std::vector<std::string> estimateHeaderLines(const Estimate& doc, int remarkRows, int count = qte::kHeaderLines);

// The saved file: lines 1 to 20, then every data row of SG1 (row 1 on).
std::vector<std::string> estimateFileLines(const Estimate& doc, int remarkRows);

} // namespace yorozu
