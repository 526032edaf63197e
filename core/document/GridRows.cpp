#include "core/document/GridRows.h"

#include "core/document/StringGrid.h"

#include <algorithm>
#include <utility>

namespace yorozu {

GridRow emptyGridRow()
{
    return GridRow(static_cast<size_t>(StringGrid::kColumns));
}

GridRows copyGridRows(const StringGrid& grid, int count)
{
    GridRows rows;
    rows.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int r = 0; r < count; ++r) {
        GridRow row = emptyGridRow();
        if (r < grid.rowCount()) {
            const auto& src = grid.row(r);
            std::copy_n(src.begin(), std::min(src.size(), row.size()), row.begin());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void storeGridRows(StringGrid& grid, GridRows&& rows)
{
    grid.setRowCount(std::max(static_cast<int>(rows.size()), 1));
    for (int r = 1; r < static_cast<int>(rows.size()); ++r) {
        auto& row = rows[static_cast<size_t>(r)];
        for (int c = 0; c < grid.colCount(); ++c)
            grid.setCell(c, r, c < static_cast<int>(row.size()) ? std::move(row[static_cast<size_t>(c)]) : std::string());
    }
}

void renumberGridRows(GridRows& rows, int from, int to)
{
    to = std::min(to, static_cast<int>(rows.size()));
    for (int r = std::max(from, 1); r < to; ++r)
        rows[static_cast<size_t>(r)][0] = std::to_string(r);
}

void insertGridRow(GridRows& rows, int at)
{
    const int size = static_cast<int>(rows.size());
    at = std::clamp(at, 1, size);
    rows.insert(rows.begin() + at, emptyGridRow());
    if (at < size)
        renumberGridRows(rows, at, size + 1);
}

} // namespace yorozu
