#pragma once

#include "core/calc/Money.h"

#include <optional>
#include <string>
#include <vector>

namespace yorozu {

class StringGrid;

// The sums of the sheet kept up to date line by line. It remembers what each
// row added at the last pass, so that a changed line moves the sums by its
// own difference and a keystroke costs the same on ten rows as on ten
// thousand. The sums are exact integers: taking a row's share out and putting
// its new share in gives the very figures a pass over every row gives.
class RunningTotals {
public:
    struct Sums {
        Money amount = 0;  // every non-empty amount cell
        Money taxable = 0; // those of lines without the tax-exempt mark
        Money cost = 0;    // every non-empty cost-total cell
    };

    // A pass over the cells as they stand (the sums of URI_KEISAN).
    Sums recount(const StringGrid& sheet);
    // The sums when only `row` changed since the last recount or update;
    // empty when that cannot be known (no pass yet, another grid, rows
    // inserted, removed or cleared since, a sum out of range).
    std::optional<Sums> update(const StringGrid& sheet, int row);
    // The next update recounts.
    void forget() { grid_ = nullptr; }

private:
    struct Share {
        Money amount = 0, taxable = 0, cost = 0;
    };
    static Share shareOf(const std::vector<std::string>& cells);

    std::vector<Share> shares_;
    Sums sums_;
    const StringGrid* grid_ = nullptr; // compared, never read through
    unsigned long layout_ = 0;
};

} // namespace yorozu
