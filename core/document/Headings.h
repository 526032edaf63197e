#pragma once

#include <string>
#include <string_view>

namespace yorozu {

class StringGrid;

// The commands that rewrite the descriptions (column 7) of every data row
// from the heading marks of columns 1 to 3.

// "番号付け": strips a previous number (anything up to a "．" that starts
// within the first six code page bytes), then numbers the item lines 1, 2,
// ... when the sheet has no headings, or puts the marks of columns 1 to 3
// in front of the descriptions when it has. Stops after the first row
// marked "@" or "\".
void numberDescriptions(StringGrid& grid);

// "ｲﾝﾃﾞﾝﾄ" on rows 1 to lastRow: full-width spaces in front of the
// descriptions by heading level. True when the third pass (small headings)
// ran, which is when the command beeps.
bool indentDescriptions(StringGrid& grid, int lastRow);

// "ｲﾝﾃﾞﾝﾄ削除": every leading full-width space off every description.
void unindentDescriptions(StringGrid& grid);

// Length of UTF-8 text in code page 932 bytes: ASCII and half-width
// katakana one byte, every other character two.
size_t cp932Length(std::string_view text);
// The longest prefix of the text that fits into `bytes` code page bytes.
std::string cp932Prefix(std::string_view text, size_t bytes);

} // namespace yorozu
