#include "core/copies/Survey.h"

#include "core/copies/Continuation.h"
#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"

#include <utility>

namespace yorozu {

namespace {

bool isLargeCode(const std::string& text)
{
    return !text.empty() && text != "#" && text != "\\" && text != "@";
}

bool isSummaryRow(const StringGrid& grid, int r)
{
    return grid.cell(col::Dai, r) == "\\" || grid.cell(col::Dai, r) == "%";
}

// The next heading row of SG_KEI after `cursor` that carries a code in `column`; 0 when none.
int nextHeading(const StringGrid& grid, int column, int cursor)
{
    for (int r = cursor + 1; r < grid.rowCount(); ++r)
        if (!grid.cell(column, r).empty() && !isSummaryRow(grid, r))
            return r;
    return 0;
}

void fillHeading(StringGrid& kei, int r, const StringGrid& sgp, int sgpRow, const Estimate& doc)
{
    const auto& amount = sgp.cell(col::Amount, sgpRow);
    const auto& cost = sgp.cell(col::CostTotal, sgpRow);
    kei.setCell(col::Amount, r, amount);
    kei.setCell(col::CostTotal, r, cost);
    kei.setCell(col::Memo, r, grossProfitText(amount, cost));
    kei.setCell(col::Rate, r, RITU_CALL(amount, cost, doc));
}

} // namespace

std::string grossProfitText(std::string_view amount, std::string_view cost)
{
    // Exact on the texts: subtotals of a large sheet have more digits than an
    // extended value holds.
    const Money profit = addFixed(cellToFixed(amount), -cellToFixed(cost));
    return wholeYenText(profit);
}

PrintCopyResult SYUKEI_MAKE(Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress)
{
    PrintCopyResult result = SYOKEI_MAKE(doc, settings, progress);
    if (!result.completed)
        return result;
    SEKI_MIDASI(doc, settings);
    SYUKEI_KEI(doc);
    return result;
}

void SEKI_MIDASI(Estimate& doc, const PrintCopySettings& settings)
{
    GridRows rows;
    rows.push_back(emptyGridRow()); // the grid keeps its own headings
    auto append = [&rows](GridRow row) {
        row[col::No] = std::to_string(rows.size());
        rows.push_back(std::move(row));
    };

    // A line that carries codes of several levels is listed once per level;
    // each listing keeps only its own level's code, so the subtotals of the
    // levels below cannot land on the listing of the level above.
    const StringGrid& sheet = doc.SG1;
    for (int r = 1; r < sheet.rowCount(); ++r) {
        const auto& line = sheet.row(r);
        const bool large = isLargeCode(line[col::Dai]);
        const bool middle = !line[col::Cyu].empty();
        const bool small = !line[col::Syo].empty();
        if (large) {
            GridRow copy = line;
            if (middle)
                copy[col::Cyu].clear();
            if (small)
                copy[col::Syo].clear();
            append(std::move(copy));
        }
        if (middle) {
            GridRow copy = line;
            if (large)
                copy[col::Dai].clear();
            if (small)
                copy[col::Syo].clear();
            append(std::move(copy));
        }
        if (small) {
            GridRow copy = line;
            if (large)
                copy[col::Dai].clear();
            if (middle)
                copy[col::Cyu].clear();
            append(std::move(copy));
        }
    }
    // The memo waits in column 8 while column 17 shows the gross profit.
    auto memoAside = [](GridRow& row) {
        row[col::TaxExempt] = std::move(row[col::Memo]);
        row[col::Memo].clear();
    };
    for (size_t r = 1; r < rows.size(); ++r)
        memoAside(rows[r]);

    const StringGrid& sgp = doc.SGP;
    for (int r = 1; r < sgp.rowCount(); ++r) {
        const auto& mark = sgp.cell(col::Dai, r);
        if (mark == "\\") {
            GridRow copy = sgp.row(r);
            memoAside(copy);
            copy[col::No].clear();
            rows.push_back(std::move(copy));
        } else if (mark == "%") {
            GridRow copy = sgp.row(r);
            copy[col::No].clear();
            const auto& text = copy[col::Description];
            if (text == label::NebikiMae || text == label::NebikiAto || !settings.taxRows)
                copy[col::Memo] = grossProfitText(copy[col::Amount], copy[col::CostTotal]);
            else
                copy[col::Memo].clear();
            rows.push_back(std::move(copy));
        }
    }
    if (rows.size() < 2)
        rows.push_back(emptyGridRow());
    storeGridRows(doc.SG_KEI, std::move(rows));
}

void SYUKEI_KEI(Estimate& doc)
{
    StringGrid& kei = doc.SG_KEI;
    const StringGrid& sgp = doc.SGP;
    struct Pass {
        int keiColumn;
        bool (*isSubtotal)(const StringGrid&, int);
    };
    static constexpr Pass passes[] = {
        {col::Dai,
         [](const StringGrid& g, int r) {
             return g.cell(col::Dai, r) == "$" && g.cell(col::Cyu, r).empty() && g.cell(col::Syo, r).empty();
         }},
        {col::Cyu, [](const StringGrid& g, int r) { return g.cell(col::Cyu, r) == "$"; }},
        {col::Syo, [](const StringGrid& g, int r) { return g.cell(col::Syo, r) == "$"; }},
    };
    for (const auto& pass : passes) {
        int cursor = 0;
        for (int r = 1; r < sgp.rowCount(); ++r) {
            if (!pass.isSubtotal(sgp, r))
                continue;
            const int found = nextHeading(kei, pass.keiColumn, cursor);
            if (found == 0)
                continue; // a subtotal without its heading is dropped
            fillHeading(kei, found, sgp, r, doc);
            cursor = found;
        }
    }
}

void SEKISAN_MAKE(Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress)
{
    GridRows rows;
    rows.push_back(emptyGridRow());
    const StringGrid& sheet = doc.SG1;
    for (int r = 1; r < sheet.rowCount(); ++r)
        if (sheet.cell(col::Dai, r) == "#")
            rows.push_back(sheet.row(r));
    const StringGrid& kei = doc.SG_KEI;
    for (int r = 1; r < kei.rowCount(); ++r) {
        GridRow copy = kei.row(r);
        copy[col::Memo] = copy[col::TaxExempt]; // the memo back in its column
        rows.push_back(std::move(copy));
    }
    for (int r = 1; r < sheet.rowCount(); ++r)
        if (sheet.cell(col::Dai, r) == "@")
            rows.push_back(sheet.row(r));
    if (rows.size() < 2)
        rows.push_back(emptyGridRow());
    TUZUKU_SGS(rows, doc, settings, progress);
    storeGridRows(doc.SGS, std::move(rows));
}

bool totalsViewWanted(const Estimate& doc)
{
    return (doc.PRN_S == 1 || doc.PRN_S == 2) && doc.SG1_END() != 0;
}

GridSize totalsGridSize(int rowCount, int verticalScrollBarWidth)
{
    GridSize size;
    size.width = rowCount < 27 ? 938 : 941 + verticalScrollBarWidth;
    size.height = rowCount > 25 ? 548 : rowCount * 21 + 2;
    return size;
}

} // namespace yorozu
