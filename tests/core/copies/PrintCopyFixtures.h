#pragma once

#include "core/document/Estimate.h"
#include "core/document/GridRows.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace yorozu::testing {

// One sheet line as the print tests need it: codes or mark, description, the
// computed amount and cost total (written directly, as a recalculation would).
struct Line {
    std::string dai, cyu, syo, description, amount, cost;
    std::string quantity = "1", unitPrice = "", costPrice = "", memo = "";
};

inline void fillSheet(Estimate& doc, const std::vector<Line>& lines)
{
    doc.SG1.setRowCount(std::max<int>(31, static_cast<int>(lines.size()) + 1));
    doc.SG1.renumber();
    int r = 1;
    for (const auto& l : lines) {
        doc.SG1.setCell(col::Dai, r, l.dai);
        doc.SG1.setCell(col::Cyu, r, l.cyu);
        doc.SG1.setCell(col::Syo, r, l.syo);
        doc.SG1.setCell(col::Description, r, l.description);
        if (!l.amount.empty() || !l.unitPrice.empty())
            doc.SG1.setCell(col::Quantity, r, l.quantity);
        doc.SG1.setCell(col::UnitPrice, r, l.unitPrice.empty() ? l.amount : l.unitPrice);
        doc.SG1.setCell(col::CostPrice, r, l.costPrice.empty() ? l.cost : l.costPrice);
        doc.SG1.setCell(col::Amount, r, l.amount);
        doc.SG1.setCell(col::CostTotal, r, l.cost);
        doc.SG1.setCell(col::Memo, r, l.memo);
        ++r;
    }
}

// The money fields of a recalculation with tax added on top in truncation mode.
inline void setOuterTaxMoney(Estimate& doc)
{
    std::int64_t amount = 0, taxable = 0, cost = 0;
    for (int r = 1; r < doc.SG1.rowCount(); ++r) {
        const auto& a = doc.SG1.cell(col::Amount, r);
        const auto& c = doc.SG1.cell(col::CostTotal, r);
        if (!a.empty()) {
            amount += std::stoll(a) * 10000;
            if (doc.SG1.cell(col::TaxExempt, r).empty())
                taxable += std::stoll(a) * 10000;
        }
        if (!c.empty())
            cost += std::stoll(c) * 10000;
    }
    doc.KINGAKU_KEI = amount;
    doc.KAZEI_KEI = taxable;
    doc.GENKA_KEI = cost;
    doc.ZEI_GAKU = doc.HIKAZEI ? 0 : taxable * 5 / 100 / 10000 * 10000;
    doc.ZEIKOMI_KEI = amount + doc.ZEI_GAKU;
}

// The cells of a print-copy row that tell its kind and figures.
struct CopyRow {
    std::string dai, cyu, syo, description, amount, cost, rate;
    bool operator==(const CopyRow&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const CopyRow& r)
{
    return os << "[" << r.dai << "|" << r.cyu << "|" << r.syo << "|" << r.description << "|" << r.amount << "|"
              << r.cost << "|" << r.rate << "]";
}

inline std::vector<CopyRow> copyRows(const StringGrid& grid)
{
    std::vector<CopyRow> rows;
    for (int r = 1; r < grid.rowCount(); ++r)
        rows.push_back({grid.cell(col::Dai, r), grid.cell(col::Cyu, r), grid.cell(col::Syo, r),
                        grid.cell(col::Description, r), grid.cell(col::Amount, r), grid.cell(col::CostTotal, r),
                        grid.cell(col::Rate, r)});
    return rows;
}

inline std::vector<std::string> rowTexts(const StringGrid& grid)
{
    std::vector<std::string> texts;
    for (int r = 0; r < grid.rowCount(); ++r) {
        std::string line;
        for (const auto& c : grid.row(r))
            line += c + ",";
        texts.push_back(line);
    }
    return texts;
}

} // namespace yorozu::testing
