#include "core/document/PartsSort.h"

#include "core/document/Estimate.h"
#include "core/document/GridRows.h"
#include "core/document/RowOps.h"

#include <algorithm>

namespace yorozu {

void SORT_STR(StringGrid& SG2, int keyColumn, const KeyLess& less)
{
    const int count = SG2.rowCount();
    GridRows rows = copyGridRows(SG2, count);
    const auto key = static_cast<std::size_t>(keyColumn);
    std::stable_sort(rows.begin() + 1, rows.end(),
                     [&](const GridRow& a, const GridRow& b) { return less(a[key], b[key]); });
    storeGridRows(SG2, std::move(rows));
    for (int r = SG2.rowCount() - 1; r >= 1; --r) {
        if (!SG2.cell(col::Description, r).empty() || !SG2.cell(col::Shape, r).empty())
            continue;
        if (r == SG2.rowCount() - 1)
            return;
        SG_DEL(SG2, r);
    }
    SG2.renumber();
}

void sortParts(StringGrid& SG2, const KeyLess& less)
{
    SORT_STR(SG2, col::Shape, less);
    SORT_STR(SG2, col::Description, less);
}

} // namespace yorozu
