#include "core/document/Estimate.h"

#include <algorithm>

namespace yorozu {

namespace {

constexpr int kSheetRows = 31;

void setHeadings(StringGrid& grid)
{
    static const char* const headings[StringGrid::kColumns] = {
        "№", "大", "中", "小", "", "", "", "摘要", "", "形状・寸法", "数量", "単位", "単価", "原単価", "見積金額", "原価計", "率", ""};
    for (int c = 0; c < StringGrid::kColumns; ++c)
        grid.setCell(c, 0, headings[c]);
}

void setSheetWidths(StringGrid& grid, bool shapeShown)
{
    static const int widths[StringGrid::kColumns] = {25, 20, 20, 20, -1, -1, -1, 223, -1, 128, 50, 40, 60, 60, 70, 70, 39, 60};
    for (int c = 0; c < StringGrid::kColumns; ++c)
        grid.setColWidth(c, widths[c]);
    grid.setColWidth(col::Description, shapeShown ? 223 : 494);
    grid.setColWidth(col::Shape, shapeShown ? 128 : -1);
}

void setUpCommon(StringGrid& grid, int rows, bool shapeShown)
{
    grid.setColCount(StringGrid::kColumns);
    grid.setRowCount(rows);
    setHeadings(grid);
    setSheetWidths(grid, shapeShown);
    grid.renumber();
}

} // namespace

void setUpSheetGrid(StringGrid& grid, bool shapeShown)
{
    setUpCommon(grid, kSheetRows, shapeShown);
}

void setUpPrintCopyGrid(StringGrid& grid, bool shapeShown)
{
    setUpCommon(grid, kSheetRows, shapeShown);
    grid.setColWidth(col::Description, shapeShown ? 284 : 433);
}

void setUpSurveyGrid(StringGrid& grid, bool shapeShown)
{
    setUpCommon(grid, kSheetRows, shapeShown);
    grid.setColWidth(col::Description, shapeShown ? 223 : 433);
    grid.setColWidth(col::Shape, shapeShown ? 189 : -1);
}

void setUpTotalsGrid(StringGrid& grid, bool shapeShown)
{
    setUpCommon(grid, 2, shapeShown);
    grid.setCell(col::Amount, 0, "金　額");
    grid.setCell(col::CostTotal, 0, "原価計");
    grid.setCell(col::Rate, 0, "率");
    grid.setCell(col::Memo, 0, "粗　利");
    grid.setColWidth(col::Description, shapeShown ? 284 : 494);
    grid.setColWidth(col::Shape, shapeShown ? 189 : -1);
    grid.setColWidth(col::UnitPrice, -1);
    grid.setColWidth(col::CostPrice, -1);
    grid.setColWidth(col::Amount, 80);
    grid.setColWidth(col::CostTotal, 80);
    grid.setColWidth(col::Memo, 80);
    grid.setColWidth(col::Rate, 39);
}

void setPartsGridWidths(StringGrid& grid, bool shapeShown)
{
    // Only the part's name, shape, unit, prices and cost ratio are shown.
    static const int widths[StringGrid::kColumns] = {25, -1, -1, -1, -1, -1, -1, 225, -1, 180, -1, 40, 60, 60, -1, -1, 39, -1};
    for (int c = 0; c < StringGrid::kColumns; ++c)
        grid.setColWidth(c, widths[c]);
    grid.setColWidth(col::Description, shapeShown ? 225 : 406);
    grid.setColWidth(col::Shape, shapeShown ? 180 : -1);
}

void setUpPartsGrid(StringGrid& grid, bool shapeShown)
{
    setUpCommon(grid, kSheetRows, shapeShown);
    grid.setDefaultRowHeight(18);
    setPartsGridWidths(grid, shapeShown);
}

Estimate::Estimate()
{
    setUpSheetGrid(SG1, Sunpou);
    setUpPrintCopyGrid(SGP, Sunpou);
    setUpSurveyGrid(SGS, Sunpou);
    setUpTotalsGrid(SG_KEI, Sunpou);
    setUpPartsGrid(SG2, Sunpou);
}

void Estimate::notify(Change change) const
{
    for (const auto& l : listeners_)
        if (l)
            l(change);
}

void Estimate::setSEIQ(bool on)
{
    SEIQ = on;
    if (on)
        GAISAN = TANKA = NOHIN = GENKA_P = false;
    notify(Change::Options);
}

void Estimate::setNOHIN(bool on)
{
    NOHIN = on;
    if (on)
        GAISAN = TANKA = SEIQ = GENKA_P = false;
    notify(Change::Options);
}

void Estimate::setTANKA(bool on)
{
    TANKA = on;
    if (on)
        GAISAN = SEIQ = NOHIN = false;
    notify(Change::Options);
}

void Estimate::setGAISAN(bool on)
{
    GAISAN = on;
    if (on)
        TANKA = SEIQ = NOHIN = false;
    notify(Change::Options);
}

void Estimate::setGENKA_P(bool on)
{
    GENKA_P = on;
    if (on) {
        GYOUKAN = 0;
        SEIQ = NOHIN = false;
    }
    notify(Change::Options);
}

void Estimate::setGYOUKAN(int index)
{
    GYOUKAN = index < 0 ? -1 : std::min(index, 2);
    if (GYOUKAN == 1 || GYOUKAN == 2)
        GENKA_P = false;
    notify(Change::Options);
}

void Estimate::setPRN_S(int index)
{
    PRN_S = index < 0 ? -1 : std::min(index, 2);
    notify(Change::Options);
}

void Estimate::setMUKI(int index)
{
    MUKI = index < 0 ? -1 : std::min(index, 1);
    notify(Change::Options);
}

void Estimate::UTIZEIClick(bool on)
{
    UTIZEI = on;
    if (on)
        HIKAZEI = false;
    recalculateAll();
    SG_KEI_visible = false;
    notify(Change::Options);
}

void Estimate::HIKAZEIClick(bool on)
{
    HIKAZEI = on;
    if (on)
        UTIZEI = false;
    recalculateAll();
    notify(Change::Options);
}

void Estimate::RIEKI_RITUMouseUp(bool on)
{
    RIEKI_RITU = on;
    recalculateAll();
    notify(Change::Options);
}

void Estimate::SunpouClick(bool on)
{
    Sunpou = on;
    if (on) {
        if (SG1.colWidth(col::Shape) == -1) {
            const int w = SG1.colWidth(col::Description);
            const int d = w - w / 2;
            SG1.setColWidth(col::Description, d);
            SG1.setColWidth(col::Shape, d - 2);
        }
        if (SG2.colWidth(col::Shape) == -1) {
            SG2.setColWidth(col::Description, 225);
            SG2.setColWidth(col::Shape, 180);
        }
    } else {
        if (SG1.colWidth(col::Shape) != -1) {
            SG1.setColWidth(col::Description, SG1.colWidth(col::Description) + SG1.colWidth(col::Shape) + 1);
            SG1.setColWidth(col::Shape, -1);
        }
        if (SG2.colWidth(col::Shape) != -1) {
            SG2.setColWidth(col::Description, 406);
            SG2.setColWidth(col::Shape, -1);
        }
    }
    notify(Change::Options);
    notify(Change::Layout);
}

void Estimate::setMemoVisible(bool show)
{
    if (show == memoVisible())
        return;
    // The memo column's room comes from the shape column; while that column
    // is hidden it comes from the description instead, so the hidden column
    // stays at -1 and shows again properly when the shape box is ticked.
    const int donor = SG1.colWidth(col::Shape) > 0 ? col::Shape : col::Description;
    if (show) {
        SG1.setColWidth(donor, SG1.colWidth(donor) - 61);
        SG1.setColWidth(col::Memo, 60);
    } else {
        SG1.setColWidth(donor, SG1.colWidth(donor) + SG1.colWidth(col::Memo) + 1);
        SG1.setColWidth(col::Memo, 0);
    }
    notify(Change::Layout);
}

bool Estimate::rowIsEmpty(int row) const
{
    for (int c = 1; c <= 16; ++c)
        if (!SG1.cell(c, row).empty())
            return false;
    return true;
}

int Estimate::SG1_END() const
{
    for (int r = SG1.rowCount() - 1; r >= 1; --r)
        if (!rowIsEmpty(r))
            return r;
    return 0;
}

void Estimate::clear()
{
    SG1.setRowCount(1);
    SG1.setRowCount(kSheetRows);
    SG1.renumber();
    KNAME.clear();
    Kouji.clear();
    TITLE.clear();
    Bangou.clear();
    DTP1 = Date::today();
    Nouki.clear();
    Basyo.clear();
    Joken.clear();
    Kigen.clear();
    notify(Change::Header);
    notify(Change::Cells);
}

} // namespace yorozu
