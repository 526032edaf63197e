#pragma once

#include <string>
#include <vector>

namespace yorozu {

class StringGrid;

// Rows of a grid held outside it while a pass rebuilds them; index 0 is the
// heading row. The print passes sweep forward from one such vector into a new
// one, so a subtotal or continuation row costs one push instead of shifting
// every row below it.
using GridRow = std::vector<std::string>;
using GridRows = std::vector<GridRow>;

GridRow emptyGridRow();

// Rows 0 to count - 1 of the grid; rows beyond the grid come out empty.
GridRows copyGridRows(const StringGrid& grid, int count);

// Makes the grid's data rows those of `rows` (from index 1); the grid's own
// heading row stays. The cell texts are moved, not copied.
void storeGridRows(StringGrid& grid, GridRows&& rows);

// Writes the row index into column 0 of the rows from `from` up to `to` (exclusive).
void renumberGridRows(GridRows& rows, int from, int to);

// The insert primitive on held rows: an empty row at `at`, the rows from
// `at` on moving down and renumbered. `at` == size() appends without a number.
void insertGridRow(GridRows& rows, int at);

} // namespace yorozu
