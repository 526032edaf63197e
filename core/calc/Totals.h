#pragma once

#include "core/calc/Money.h"

namespace yorozu {

class Estimate;

// Runs the per-line steps on every sheet row, sums amounts, taxable amounts
// and cost totals, and sets the tax figures (ZEI_GAKU, ZEIKOMI_KEI,
// TOTALKIN, panels 2 and 3). Returns the sum of amounts (yen x 10,000) for
// the caller to store in KINGAKU_KEI.
Money KEISAN_ALL(Estimate& doc);

// The same sums and tax figures from the amounts and cost totals already in
// the sheet, recomputing no line: the cheap pass after one line changed.
Money URI_KEISAN(Estimate& doc);
// The same when only `changedRow` changed since the last sums: moved by that
// line's difference, or a whole pass when the rows are not those of the last
// pass (inserted, removed, cleared).
Money URI_KEISAN(Estimate& doc, int changedRow);

// Status-bar panels 4 to 7 (cost total, gross profit, ratio, fraction mode)
// from KINGAKU_KEI and GENKA_KEI.
void KEISAN_DISP(Estimate& doc);

} // namespace yorozu
