#include "core/document/RowOps.h"

#include "core/document/StringGrid.h"

#include <string>

namespace yorozu {

void SG_INS(StringGrid& grid, int row)
{
    if (row < 1 || row >= grid.rowCount())
        return;
    grid.insertRow(row);
    grid.renumber(row);
}

void SG_DEL(StringGrid& grid, int row)
{
    if (row < 1 || row >= grid.rowCount())
        return;
    const int count = grid.rowCount();
    // The count is raised by one before the shift and lowered again only when it then exceeds 27.
    const int finalCount = count + 1 > 27 ? count : count + 1;
    grid.removeRow(row);
    grid.setRowCount(finalCount);
    grid.renumber(row);
}

} // namespace yorozu
