#pragma once

#include "core/document/GridRows.h"
#include "core/copies/PrintCopy.h"

namespace yorozu {

class Estimate;

// Rows of a print copy per page: the first page (less the remarks rows) and every later one.
struct PageCapacity {
    int first = 0;
    int later = 0;
};

// MUKI 0 portrait, 1 landscape; GYOUKAN 0 "大", 1 "中", 2 "小" (none selected counts as "大").
PageCapacity pageCapacity(int MUKI, int GYOUKAN, int remarkRows);

// Inserts the "次頁へつづく" rows into the estimate's print copy, so that
// every page ends with one.
void TUZUKU(GridRows& rows, const Estimate& doc, const PrintCopySettings& settings,
            const PassProgress& progress = {});

// The same for the survey copy: the count of the first page starts at 0 and
// the first-page break applies whatever the print kind.
void TUZUKU_SGS(GridRows& rows, const Estimate& doc, const PrintCopySettings& settings,
                const PassProgress& progress = {});

} // namespace yorozu
