#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"
#include "core/copies/PrintCopy.h"

#include <utility>

namespace yorozu {

namespace {

struct Level {
    int keyColumn;
    bool (*passedOver)(const GridRow&);
    int markColumn; // besides column 1; 0 for none
    const char* label;
};

bool passedOverSmall(const GridRow& row) { return row[col::Syo] == "$"; }
bool passedOverMiddle(const GridRow& row) { return row[col::Dai] == "$"; }
bool passedOverLarge(const GridRow& row) { return row[col::Dai] == "#" || row[col::Dai] == "$"; }

GridRow subtotalRow(const Level& level, Money amount, Money cost, const Estimate& doc)
{
    GridRow row = emptyGridRow();
    row[col::Dai] = "$";
    if (level.markColumn != 0)
        row[static_cast<size_t>(level.markColumn)] = "$";
    row[col::Description] = level.label;
    row[col::Amount] = wholeYenText(amount);
    row[col::CostTotal] = wholeYenText(cost);
    row[col::Rate] = RITU_CALL(row[col::Amount], row[col::CostTotal], doc);
    return row;
}

// One subtotal pass. The walk inserts a subtotal row in front of the line
// that closes a group; here the result is swept into a new vector instead,
// which gives the same rows (numbers in column 0 included) without moving
// every row below each insertion.
void subtotalPass(GridRows& rows, const Level& level, const Estimate& doc, const PassProgress& progress)
{
    GridRows out;
    out.reserve(rows.size() + rows.size() / 2 + 2);
    out.push_back(std::move(rows[0]));

    bool open = false;
    std::string label;
    Money amount = 0, cost = 0;
    int firstInsert = -1;
    auto closeGroup = [&] {
        if (firstInsert < 0)
            firstInsert = static_cast<int>(out.size());
        out.push_back(subtotalRow(level, amount, cost, doc));
        open = false;
        amount = cost = 0;
        label.clear();
    };

    const size_t total = rows.size();
    size_t i = 1;
    while (i < total) {
        const int position = static_cast<int>(out.size());
        if (progress)
            progress(position, position + static_cast<int>(total - i));
        auto& row = rows[i];
        if (row[col::Dai] == "@" || row[col::Dai] == "\\")
            break;
        const std::string& v = row[static_cast<size_t>(level.keyColumn)];
        const bool passed = level.passedOver(row);
        if (!passed && !v.empty() && v != label) {
            label = v;
            if (open) {
                closeGroup();
                continue; // the line is read again and opens its own group
            }
        } else if (!passed && v.empty() && open) {
            closeGroup();
            continue;
        }
        if (!passed && !v.empty()) {
            open = true;
            amount = addCellToFixed(amount, row[col::Amount]);
            cost = addCellToFixed(cost, row[col::CostTotal]);
        }
        out.push_back(std::move(row));
        ++i;
    }

    int numberedEnd = -1; // rows from firstInsert up to here carry their index
    if (open) {
        if (i < total) {
            closeGroup(); // in front of the discount or closing line
        } else {
            numberedEnd = static_cast<int>(out.size());
            out.push_back(subtotalRow(level, amount, cost, doc)); // appended: no number
        }
    }
    for (; i < total; ++i)
        out.push_back(std::move(rows[i]));
    if (firstInsert >= 0)
        renumberGridRows(out, firstInsert, numberedEnd >= 0 ? numberedEnd : static_cast<int>(out.size()));
    rows = std::move(out);
}

} // namespace

void SYO_KEI(GridRows& rows, const PrintCopyFlags&, const Estimate& doc, const PassProgress& progress)
{
    subtotalPass(rows, Level{col::Syo, passedOverSmall, col::Syo, label::Syokei}, doc, progress);
}

void CYU_KEI(GridRows& rows, const PrintCopyFlags& flags, const Estimate& doc, const PassProgress& progress)
{
    subtotalPass(rows, Level{col::Cyu, passedOverMiddle, col::Cyu, flags.SYO_ARI ? label::Cyukei : label::Syokei}, doc,
                 progress);
}

void DAI_KEI(GridRows& rows, const PrintCopyFlags& flags, const Estimate& doc, const PassProgress& progress)
{
    const char* text = flags.SYO_ARI && flags.CYU_ARI ? label::Daikei : flags.CYU_ARI ? label::Cyukei : label::Syokei;
    subtotalPass(rows, Level{col::Dai, passedOverLarge, 0, text}, doc, progress);
}

} // namespace yorozu
