#include "core/calc/RunningTotals.h"

#include "core/calc/Numbers.h"
#include "core/document/Estimate.h"

namespace yorozu {

RunningTotals::Share RunningTotals::shareOf(const std::vector<std::string>& cells)
{
    Share s;
    const std::string& amountText = cells[col::Amount];
    if (!amountText.empty()) {
        s.amount = cellToFixed(amountText);
        if (cells[col::TaxExempt].empty())
            s.taxable = s.amount;
    }
    const std::string& costText = cells[col::CostTotal];
    if (!costText.empty())
        s.cost = cellToFixed(costText);
    return s;
}

RunningTotals::Sums RunningTotals::recount(const StringGrid& sheet)
{
    sums_ = {};
    shares_.assign(static_cast<size_t>(sheet.rowCount()), Share{});
    const bool fullRows = sheet.colCount() > col::CostTotal;
    for (int row = 1; fullRows && row < sheet.rowCount(); ++row) {
        const Share s = shareOf(sheet.row(row));
        shares_[static_cast<size_t>(row)] = s;
        sums_.amount = addFixed(sums_.amount, s.amount);
        sums_.taxable = addFixed(sums_.taxable, s.taxable);
        sums_.cost = addFixed(sums_.cost, s.cost);
    }
    grid_ = fullRows ? &sheet : nullptr;
    layout_ = sheet.layoutVersion();
    return sums_;
}

std::optional<RunningTotals::Sums> RunningTotals::update(const StringGrid& sheet, int row)
{
    if (grid_ != &sheet || layout_ != sheet.layoutVersion() || shares_.size() != static_cast<size_t>(sheet.rowCount()))
        return std::nullopt;
    // A sum out of range keeps no record of what went into it.
    if (!moneyHeld(sums_.amount) || !moneyHeld(sums_.taxable) || !moneyHeld(sums_.cost))
        return std::nullopt;
    if (row < 1 || row >= sheet.rowCount())
        return sums_;
    Share& old = shares_[static_cast<size_t>(row)];
    const Share now = shareOf(sheet.row(row));
    sums_.amount = addFixed(sums_.amount - old.amount, now.amount);
    sums_.taxable = addFixed(sums_.taxable - old.taxable, now.taxable);
    sums_.cost = addFixed(sums_.cost - old.cost, now.cost);
    old = now;
    return sums_;
}

} // namespace yorozu
