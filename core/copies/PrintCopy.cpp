#include "core/copies/PrintCopy.h"

#include "core/copies/Continuation.h"
#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"

#include <algorithm>
#include <charconv>

namespace yorozu {

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

bool isDiscount(const GridRow& row) { return row[col::Dai] == "\\"; }
bool endsGrouping(const GridRow& row) { return row[col::Dai] == "@" || row[col::Dai] == "\\"; }

// Fills the code of `column` down over the rows below the one that set it,
// inside the group of `parentColumn` (none for the large classification).
void fillDown(GridRows& rows, int column, int parentColumn)
{
    std::string current, parent;
    for (size_t r = 1; r < rows.size() && !endsGrouping(rows[r]); ++r) {
        auto& row = rows[r];
        if (parentColumn < 0) {
            if (row[static_cast<size_t>(column)].empty())
                row[static_cast<size_t>(column)] = current;
            else if (row[static_cast<size_t>(column)] != "#")
                current = row[static_cast<size_t>(column)];
            continue;
        }
        const auto& rowParent = row[static_cast<size_t>(parentColumn)];
        if (rowParent != parent) {
            current.clear();
            parent.clear();
        }
        auto& code = row[static_cast<size_t>(column)];
        if (!code.empty()) {
            current = code;
            parent = rowParent;
        } else if (rowParent == parent) {
            code = current;
        }
    }
}

} // namespace

PrintCopySettings PrintCopySettings::fromValues(std::string_view tanka, std::string_view syohizei,
                                                std::string_view tuzuku, std::string_view bikouwaku)
{
    PrintCopySettings s;
    s.hideUnitPriceOfOne = trimmed(tanka) == "1";
    s.taxRows = trimmed(syohizei) == "True";
    s.noContinuation = trimmed(tuzuku) == "1";
    // A count that is missing, not a number or out of range keeps the remarks box closed
    // or at its largest, never a negative count of rows.
    const auto b = trimmed(bikouwaku);
    int value = 0;
    const auto [end, ec] = std::from_chars(b.data(), b.data() + b.size(), value);
    if (ec != std::errc() || end != b.data() + b.size())
        value = 0;
    s.remarkRows = std::clamp(value, 0, 29);
    return s;
}

std::string wholeYenText(Money fixed)
{
    return moneyHeld(fixed) ? wholeYenDigits(fixed) : kOutOfRangeText;
}

GridRows SGP_CLEAR(int lastUsedRow)
{
    GridRows rows(static_cast<size_t>(std::max(lastUsedRow + 1, 2)), emptyGridRow());
    return rows;
}

void SGP_COPY(GridRows& rows, const Estimate& doc)
{
    const int n = static_cast<int>(rows.size()) - 1;
    for (int r = 1; r <= n && r < doc.SG1.rowCount(); ++r) {
        const auto& src = doc.SG1.row(r);
        auto& dst = rows[static_cast<size_t>(r)];
        std::copy_n(src.begin(), std::min(src.size(), dst.size()), dst.begin());
        if (!doc.Sunpou)
            dst[col::Shape].clear();
    }
}

void TANKA_DEL(GridRows& rows)
{
    for (size_t r = 1; r < rows.size(); ++r)
        if (rows[r][col::Quantity] == "1")
            rows[r][col::UnitPrice].clear();
}

bool NEBIKI_TANKA(GridRows& rows, PrintCopyFlags& flags)
{
    flags.NEBIKI_ARI = false;
    int count = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        if (!isDiscount(rows[r]))
            continue;
        rows[r][col::UnitPrice].clear();
        flags.NEBIKI_ARI = true;
        const Money amount = cellToFixed(rows[r][col::Amount]);
        flags.NEBIKI_GAKU = moneyHeld(amount) ? amount / 10000 * 10000 : kMoneyOutOfRange;
        ++count;
    }
    return count < 2;
}

void DAI_CYU_SYO(GridRows& rows, PrintCopyFlags& flags)
{
    flags.DAI_ARI = flags.CYU_ARI = flags.SYO_ARI = false;
    for (size_t r = 1; r < rows.size(); ++r) {
        const auto& dai = rows[r][col::Dai];
        if (!dai.empty() && dai != "@" && dai != "#" && dai != "\\")
            flags.DAI_ARI = true;
        if (!rows[r][col::Cyu].empty())
            flags.CYU_ARI = true;
        if (!rows[r][col::Syo].empty())
            flags.SYO_ARI = true;
    }
    for (size_t r = 1; r < rows.size(); ++r) {
        if (!flags.DAI_ARI)
            rows[r][col::Cyu].clear();
        if (!flags.DAI_ARI || !flags.CYU_ARI)
            rows[r][col::Syo].clear();
    }
    if (flags.DAI_ARI)
        fillDown(rows, col::Dai, -1);
    if (flags.DAI_ARI && flags.CYU_ARI)
        fillDown(rows, col::Cyu, col::Dai);
    if (flags.DAI_ARI && flags.CYU_ARI && flags.SYO_ARI)
        fillDown(rows, col::Syo, col::Cyu);
    if (!flags.DAI_ARI)
        flags.CYU_ARI = flags.SYO_ARI = false;
    if (!flags.CYU_ARI)
        flags.SYO_ARI = false;
}

PrintCopyResult SYOKEI_MAKE(Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress)
{
    PrintCopyResult result;
    if (!moneyHeld(doc.KINGAKU_KEI) || !moneyHeld(doc.GENKA_KEI) || !moneyHeld(doc.ZEI_GAKU) ||
        !moneyHeld(doc.ZEIKOMI_KEI)) {
        result.completed = false;
        result.message = kTotalsOutOfRangeMessage;
        return result;
    }
    GridRows rows = SGP_CLEAR(doc.SG1_END());
    SGP_COPY(rows, doc);
    if (settings.hideUnitPriceOfOne)
        TANKA_DEL(rows);
    if (!NEBIKI_TANKA(rows, result.flags)) {
        // The copy stays as far as it got; nothing is printed from it.
        storeGridRows(doc.SGP, std::move(rows));
        result.completed = false;
        result.message = kSeveralDiscountsMessage;
        return result;
    }
    if (result.flags.NEBIKI_ARI && !moneyHeld(result.flags.NEBIKI_GAKU)) {
        storeGridRows(doc.SGP, std::move(rows));
        result.completed = false;
        result.message = kTotalsOutOfRangeMessage;
        return result;
    }
    auto& flags = result.flags;
    if (doc.PRN_S == 1 || doc.PRN_S == 2) {
        DAI_CYU_SYO(rows, flags);
        if (flags.SYO_ARI)
            SYO_KEI(rows, flags, doc, progress);
        if (flags.CYU_ARI)
            CYU_KEI(rows, flags, doc, progress);
        if (flags.DAI_ARI)
            DAI_KEI(rows, flags, doc, progress);
    } else {
        flags.DAI_ARI = flags.CYU_ARI = flags.SYO_ARI = false;
    }
    if (flags.NEBIKI_ARI)
        NEBIKI_WRITE(rows, flags, settings, doc);
    const bool taxRowsWanted = settings.taxRows || doc.SEIQ || doc.NOHIN;
    if (!doc.HIKAZEI && (taxRowsWanted || doc.UTIZEI))
        ZEI_TO_KEI(rows, flags, doc);
    else if (!flags.NEBIKI_ARI)
        KEI_WRITE(rows, doc);
    TUZUKU(rows, doc, settings, progress);
    storeGridRows(doc.SGP, std::move(rows));
    return result;
}

} // namespace yorozu
