#include "bench/GoalTable.h"

namespace yorozu::bench {

// Goals at 10,000 lines, Release, one core. A floor row has no goal of its
// own (maxMs 0); it is what a ratio row is measured against.
const std::vector<Goal>& goals()
{
    static const std::vector<Goal> table = {
        // The totals follow a keystroke by the change of its line alone, so
        // its cost must not grow with the sheet: a constant cost gives a
        // growth of 300 / 10,000 = 0.03.
        {"BM_LineRecalculation", "keystroke: KEISAN + running totals + KEISAN_DISP", 0.05, "", 0, 0.2},
        {"BM_WindowKeystroke", "keystroke in the window: digit -> row, totals, status", 2, "", 0, 0},
        {"BM_FullRecalculation", "KEISAN_ALL + KEISAN_DISP", 5, "", 0, 0},
        {"BM_PrintCopy", "SYOKEI_MAKE: subtotals at 3 levels, continuation rows", 20, "", 0, 0},
        {"BM_Survey", "SYUKEI_MAKE + SEKISAN_MAKE", 30, "", 0, 0},
        {"BM_ReadQte", "read .qte: TXT_DATA_READ2 + full recalculation", 30, "BM_ReadFloorIconv", 2, 0},
        {"BM_ReadFloorIconv", "  floor: iconv CP932 -> UTF-8 of the file's bytes", 0, "", 0, 0},
        // A save is durable, so its floor is a durable write: one fsync.
        {"BM_WriteQte", "save .qte: lines + atomic write (fsync, rename)", 20, "BM_WriteFloorDurable", 3, 0},
        {"BM_WriteFloorDurable", "  floor: new file, write, fsync, close", 0, "", 0, 0},
        {"BM_WriteFloor", "  (no fsync: plain open/write/close, for reference)", 0, "", 0, 0},
        {"BM_RowMove", "drag a row by its number (there and back)", 20, "", 0, 0},
        {"BM_BlockPaste100", "block paste (insert) of 100 rows", 20, "", 0, 0},
        {"BM_Numbering", "numbering every description", 20, "", 0, 0},
        // The browser's cases count files (60 rows each) instead of lines.
        {"BM_ListEstimates", "file list: *.qte of a folder, by name (files)", 300, "", 0, 0},
        {"BM_ContentSearch", "search: 2 terms, no match, every file (files)", 0, "BM_SearchFloorGrep", 2, 0},
        {"BM_SearchFloorGrep", "  floor: grep -lF for the first term", 0, "", 0, 0},
    };
    return table;
}

} // namespace yorozu::bench
