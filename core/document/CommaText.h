#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

class StringGrid;

// The row encoding shared by the estimate file, the parts files, the row
// clipboard and every row move between grids: cells joined by commas, a cell
// quoted when it holds a space, a control character, a quote or a comma.
// Text is UTF-8; a character of U+0001..U+0020 is exactly a code page 932
// byte in 1..32, and no byte of a double-byte character falls in that range
// or is a comma or quote, so working on UTF-8 gives the same result.
std::string encodeCommaText(const std::vector<std::string>& cells);
// Whether a byte makes its cell need quotes.
constexpr bool needsQuoting(unsigned char byte)
{
    return (byte >= 1 && byte <= 32) || byte == ',' || byte == '"';
}
// The same text appended to `out`, for a writer that reuses one buffer.
void appendCommaText(const std::vector<std::string>& cells, std::string& out);
std::vector<std::string> decodeCommaText(std::string_view line);

// The comma text of a whole grid row (column 0 first).
std::string rowCommaText(const StringGrid& grid, int row);
// Empties the row, then fills columns 0, 1, ... from the line's items;
// items beyond the last column are dropped.
void setRowFromCommaText(StringGrid& grid, int row, std::string_view line);

} // namespace yorozu
