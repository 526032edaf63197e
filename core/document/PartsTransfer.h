#pragma once

namespace yorozu {

class StringGrid;

// Lines between the parts grid SG2 and the sheet SG1. Both share the
// sheet's columns; each way carries the columns that make sense there.

// A part into an existing sheet row: description, tax-exempt mark, shape,
// unit, unit price and cost price. The quantity stays as it was.
void copyPartToSheetRow(const StringGrid& SG2, int partRow, StringGrid& SG1, int sheetRow);

// A part dropped onto the sheet (DRAG_DROP): an empty row is inserted at
// sheetRow and receives description, shape, unit, unit price and cost price.
void DRAG_DROP(const StringGrid& SG2, int partRow, StringGrid& SG1, int sheetRow);

// A sheet line dropped onto the parts grid (BUHIN_DROP): an empty row is
// inserted at partRow and receives description, shape, unit, unit price and
// cost price; its cost ratio is computed.
void BUHIN_DROP(const StringGrid& SG1, int sheetRow, StringGrid& SG2, int partRow);

} // namespace yorozu
