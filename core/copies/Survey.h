#pragma once

#include "core/copies/PrintCopy.h"

namespace yorozu {

class Estimate;

// The quantity-survey summary: SG_KEI lists every classification heading of
// the sheet with its subtotal, cost, rate figure and gross profit, then the
// discount and total rows of the print copy; SGS is what the survey sheet
// prints from it.

// SYOKEI_MAKE, then SEKI_MIDASI and SYUKEI_KEI; nothing further when the copy did not complete.
PrintCopyResult SYUKEI_MAKE(Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress = {});

// Fills SG_KEI with the heading rows of SG1 and the discount and summary rows of SGP.
void SEKI_MIDASI(Estimate& doc, const PrintCopySettings& settings);

// Writes the subtotals of SGP into the matching heading rows of SG_KEI.
void SYUKEI_KEI(Estimate& doc);

// Fills SGS: the "#" lines of the sheet, the rows of SG_KEI, the "@" lines, then the continuation rows.
void SEKISAN_MAKE(Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress = {});

// The button "集計" builds and shows SG_KEI only for the kinds with subtotals and a sheet with lines.
bool totalsViewWanted(const Estimate& doc);

// The on-screen size of SG_KEI for its row count; the window applies it.
struct GridSize {
    int width = 0;
    int height = 0;
};
GridSize totalsGridSize(int rowCount, int verticalScrollBarWidth);

// Whole yen of amount minus cost (both cell texts, read leniently), cut toward zero.
std::string grossProfitText(std::string_view amount, std::string_view cost);

} // namespace yorozu
