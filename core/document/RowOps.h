#pragma once

namespace yorozu {

class StringGrid;

// Inserts an empty row at `row`: the row count grows by one, `row` and every
// row below move down one place and are renumbered.
void SG_INS(StringGrid& grid, int row);

// Deletes `row`: the rows below move up and are renumbered, the last row
// becomes empty and keeps its number. A grid of at least 27 rows keeps its
// row count; a smaller one gains an empty numbered row at the end.
void SG_DEL(StringGrid& grid, int row);

} // namespace yorozu
