#pragma once

#include <string>
#include <vector>

namespace yorozu {

class StringGrid;

// A rectangle of sheet cells kept for a later paste: where it was copied
// from and the text of every cell, indexed [row offset][column offset].
struct RowBlock {
    int left = 0, top = 0, right = -1, bottom = -1;
    std::vector<std::vector<std::string>> cells;

    bool empty() const { return cells.empty(); }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// The cells of the rectangle (corners in any order, clipped to the grid's data rows).
RowBlock copyBlock(const StringGrid& grid, int left, int top, int right, int bottom);

// Whether a sheet column holds a number that a text column must not feed.
constexpr bool isBlockNumberColumn(int col) { return col == 10 || col >= 12; }

// Pastes the block with its top-left on (col, row). Insert mode opens an
// empty row for each block row first; overwrite mode changes only the cells
// under the block. The sheet grows when the block runs past its last row.
// A number column fed from a text column is emptied instead; columns past
// the grid's last one are dropped, and so is column 0. The rows from `row`
// down are numbered again.
void pasteBlock(StringGrid& grid, const RowBlock& block, int col, int row, bool insert);

// The block as tab-separated text, one line per row (CR LF between rows),
// the way a spreadsheet takes it. Tabs and line breaks inside a cell become
// spaces, so the shape survives.
std::string blockToTabText(const RowBlock& block);
// A tab-separated block (CR LF, LF or CR between rows; a trailing line break
// ends the last row) as cell texts, unconverted. Empty text gives no rows.
std::vector<std::vector<std::string>> splitTabText(const std::string& text);

// Moves the row `from` to the place `to` (the rows between shift by one)
// and numbers every data row again.
void moveSheetRow(StringGrid& grid, int from, int to);

// Paste row: the row is emptied and filled from comma text (column 0 then
// numbered again). Text that is not comma text splits at commas, spaces and tabs.
void pasteRowText(StringGrid& grid, int row, const std::string& text);

} // namespace yorozu
