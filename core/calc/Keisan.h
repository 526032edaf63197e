#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace yorozu {

class Estimate;

// Tax treatment and ratio kind a rate figure depends on.
struct RateOptions {
    bool UTIZEI = false;     // prices include tax
    bool HIKAZEI = false;    // the whole estimate is tax exempt
    bool RIEKI_RITU = false; // profit ratio instead of cost ratio
};
RateOptions rateOptions(const Estimate& doc);

// The rate column text of a line from its price and cost texts: the cost
// (or profit) ratio in per cent in "###.#", empty when the texts do not make
// a ratio or the text would be longer than 5 characters. A line is taken as
// tax-inclusive (net price = price / 1.05 rounded away from zero) unless it
// is marked exempt or the estimate is not tax-inclusive.
std::string rateFigure(std::string_view price, std::string_view cost, bool taxExempt, const RateOptions& options);

// Recomputes the amount (14), the rate (16) and the cost total (15) of a
// sheet row, in that order. Touches nothing else.
void KEISAN(Estimate& doc, int row);

// KEISAN, also giving the whole numbers it wrote into the amount and cost
// total cells (0 for an empty cell): what readNumber of those cells gives
// when the sheet has those columns.
struct LineFigures {
    std::int64_t amount = 0;
    std::int64_t costTotal = 0;
};
LineFigures recalculateLineFigures(Estimate& doc, int row);

// Toggles the tax-exempt mark of a row: a marked row is unmarked, an unmarked
// row is marked only when it has an amount; then the line recalculation.
// The beep is the window's.
void N54Click(Estimate& doc, int row);

} // namespace yorozu
