#pragma once

#include <cstdint>

namespace yorozu {

class Estimate;

// Fills the sheet with `lines` realistic line items from a fixed seed:
// Japanese descriptions and units, quantities with decimals, prices and
// costs, large/middle/small classifications every 10 to 30 lines, one
// discount line, "@" closing lines at the end and a few memos.
void generateEstimate(Estimate& estimate, int lines, std::uint32_t seed = 20261210);

} // namespace yorozu
