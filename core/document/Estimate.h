#pragma once

#include "core/document/Date.h"
#include "core/document/StringGrid.h"
#include "core/calc/Money.h"
#include "core/calc/RunningTotals.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace yorozu {

// Column numbers of the sheet and of every grid that shares its layout.
namespace col {
inline constexpr int No = 0, Dai = 1, Cyu = 2, Syo = 3, Description = 7, TaxExempt = 8, Shape = 9,
                     Quantity = 10, Unit = 11, UnitPrice = 12, CostPrice = 13, Amount = 14, CostTotal = 15,
                     Rate = 16, Memo = 17;
}

enum class MemoMode { Text, Numeric };

// What changed, for the views that show the document.
enum class Change { Cells, Layout, Header, Options, Totals };

// One estimate: the sheet SG1 with its header fields and options, the money
// fields and status texts derived from it, and the copies the printing and
// the totals view are built into. The window shows and edits it; every rule
// between the options lives here so that setting an option in code does
// exactly what a click does.
class Estimate {
public:
    Estimate();

    // ---- grids
    StringGrid SG1;    // the sheet
    StringGrid SGP;    // print copy
    StringGrid SGS;    // quantity-survey copy
    StringGrid SG_KEI; // totals by classification
    StringGrid SG2;    // parts catalogue page (same columns)

    // ---- header fields
    std::string KNAME, Kouji, TITLE, Bangou;
    Date DTP1 = Date::today();
    bool DATE_CHECK = false;
    std::string Nouki, Basyo, Joken, Kigen, Tanto;

    // ---- options (read freely; change through the setters so the rules run)
    int MUKI = 0;    // 0 portrait "タテ", 1 landscape "ヨコ"
    int GYOUKAN = 0; // 0 "大", 1 "中", 2 "小"; -1 none selected
    int PRN_S = 0;   // 0 "通常", 1 "積算", 2 "小計"; -1 none selected
    bool SEIQ = false, NOHIN = false, GAISAN = false, TANKA = false, GENKA_P = false;
    bool UTIZEI = false, HIKAZEI = false, RIEKI_RITU = false;
    bool Sunpou = true;
    bool SG_KEI_visible = false;
    std::string KAKERITU; // multiplier value text of the rate conversion
    std::string MARUME;   // rounding digit of the rate conversion
    MemoMode memoMode = MemoMode::Text;

    // ---- calculation state
    int HASU_MODE = 0;      // 0 truncate, 1 round up (away from zero), 2 round half away from zero
    int editorDecimals = 2; // decimal length of the sheet's numeric editor, used by STR_COMMA
    Money KINGAKU_KEI = 0, KAZEI_KEI = 0, GENKA_KEI = 0, ZEI_GAKU = 0, ZEIKOMI_KEI = 0; // yen x 10,000
    std::string TOTALKIN;               // text of the total field
    std::array<std::string, 8> panels;  // status-bar panel texts; 0 and 1 belong to the window
    RunningTotals lineSums;             // what each row of SG1 adds to the sums, for the line recalculation

    // ---- option setters with their rules
    void setSEIQ(bool on);
    void setNOHIN(bool on);
    void setGAISAN(bool on);
    void setTANKA(bool on);
    void setGENKA_P(bool on);
    void setGYOUKAN(int index);
    void setPRN_S(int index);
    void setMUKI(int index);              // the window reloads the orientation's settings on Options
    void UTIZEIClick(bool on);            // recalculates, hides SG_KEI
    void HIKAZEIClick(bool on);           // recalculates
    void RIEKI_RITUMouseUp(bool on);      // recalculates
    void SunpouClick(bool on);            // shape-column width rule on SG1 and SG2
    void setMemoVisible(bool show);       // memo-column width rule
    bool memoVisible() const { return SG1.colWidth(col::Memo) > 0; }

    // ---- sheet queries
    bool rowIsEmpty(int row) const; // cells 1 to 16 empty
    int SG1_END() const;            // last used data row, 0 when none
    int SG1_KARA() const { return SG1_END(); }

    // Back to a new sheet: 31 rows, numbered, header fields empty, today's date.
    // Options and widths stay as they are.
    void clear();

    // The full recalculation: KINGAKU_KEI := KEISAN_ALL, then KEISAN_DISP.
    void recalculateAll();
    // The line recalculation after one row changed: KEISAN for the row,
    // KINGAKU_KEI := URI_KEISAN (kept up to date by that row's difference
    // alone), then KEISAN_DISP.
    void recalculateLine(int row);

    // ---- change notices
    using Listener = std::function<void(Change)>;
    // A listener stays until it is removed by the number addListener gave it.
    std::size_t addListener(Listener listener)
    {
        listeners_.push_back(std::move(listener));
        return listeners_.size() - 1;
    }
    void removeListener(std::size_t id)
    {
        if (id < listeners_.size())
            listeners_[id] = nullptr;
    }
    void notify(Change change) const;

private:
    std::vector<Listener> listeners_;
};

// The column layout every grid starts with (headings, widths, row count).
void setUpSheetGrid(StringGrid& grid, bool shapeShown);
void setUpPrintCopyGrid(StringGrid& grid, bool shapeShown);
void setUpSurveyGrid(StringGrid& grid, bool shapeShown);
void setUpTotalsGrid(StringGrid& grid, bool shapeShown);
void setUpPartsGrid(StringGrid& grid, bool shapeShown);
// The parts grid's widths at start and after its "default widths" command.
void setPartsGridWidths(StringGrid& grid, bool shapeShown);

} // namespace yorozu
