#include "core/calc/Totals.h"

#include "core/document/Estimate.h"
#include "core/calc/Format.h"
#include "core/calc/Keisan.h"
#include "core/calc/Numbers.h"

#include <limits>

namespace yorozu {

namespace {

__extension__ typedef __int128 Int128;

constexpr std::int64_t kScale = 10000; // fixed-point money: yen x 10,000

enum class Rounding { TowardZero, AwayFromZero, HalfAwayFromZero };

// n / d in whole units for d > 0, rounded exactly. The tax figures are
// ratios of the fixed-point sums (Q x 0.05 = Q / 20, Q - Q / 1.05 = Q / 21);
// in binary floating point an exact multiple such as 31,500 / 21 can land a
// hair below 1,500 and lose a yen, so they are divided as integers.
std::int64_t divide(Int128 n, Int128 d, Rounding rounding)
{
    Int128 q = n / d;
    const Int128 r = n % d;
    const Int128 magnitude = r < 0 ? -r : r;
    const bool up = rounding == Rounding::AwayFromZero ? r != 0
                    : rounding == Rounding::HalfAwayFromZero ? 2 * magnitude >= d
                                                             : false;
    if (up)
        q += n < 0 ? -1 : 1;
    constexpr Int128 kMax = std::numeric_limits<std::int64_t>::max();
    constexpr Int128 kMin = std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(q > kMax ? kMax : q < kMin ? kMin : q);
}

Rounding roundingOf(int hasuMode)
{
    return hasuMode == 1 ? Rounding::AwayFromZero : hasuMode == 2 ? Rounding::HalfAwayFromZero : Rounding::TowardZero;
}

// Whole yen of a sum, truncated toward zero, still in fixed point.
std::int64_t wholeYen(std::int64_t fixed)
{
    return fixed / kScale * kScale;
}

std::int64_t yenToFixed(std::int64_t yen)
{
    return divide(static_cast<Int128>(yen) * kScale, 1, Rounding::TowardZero);
}

std::string totalText(std::int64_t fixed)
{
    return concat({"\\", formatMoney(fixed), "-"});
}

// The tax is computed once, on the taxable sum, never per line.
void setTaxFigures(Estimate& doc, std::int64_t amountSum)
{
    const std::int64_t q = doc.KAZEI_KEI;
    if (doc.UTIZEI) {
        // T = Int(Q - Q / 1.05) = Int(Q / 21)
        const std::int64_t t = yenToFixed(divide(q, 21 * kScale, Rounding::TowardZero));
        doc.TOTALKIN = totalText(wholeYen(amountSum - t));
        doc.panels[2] = concat({"消費税 = ", formatMoney(t)});
        doc.ZEI_GAKU = t;
        doc.panels[3] = concat({"税込合計 = ", formatMoney(wholeYen(amountSum))});
        doc.ZEIKOMI_KEI = wholeYen(amountSum);
    } else if (doc.HIKAZEI) {
        doc.TOTALKIN = totalText(amountSum);
        doc.panels[2] = "消費税 = 0";
        doc.ZEI_GAKU = 0;
        doc.panels[3] = concat({"税込合計 = ", formatMoney(wholeYen(amountSum))});
        doc.ZEIKOMI_KEI = wholeYen(amountSum);
    } else {
        doc.TOTALKIN = totalText(amountSum);
        // T = Q x 0.05 = Q / 20, rounded by the fraction mode
        const std::int64_t t = yenToFixed(divide(q, 20 * kScale, roundingOf(doc.HASU_MODE)));
        doc.ZEI_GAKU = t;
        doc.ZEIKOMI_KEI = divide(static_cast<Int128>(amountSum) + t, 1, Rounding::TowardZero);
        doc.panels[2] = concat({"消費税 = ", formatMoney(t)});
        doc.panels[3] = concat({"税込合計 = ", formatMoney(doc.ZEIKOMI_KEI)});
    }
}

} // namespace

std::int64_t KEISAN_ALL(Estimate& doc)
{
    StringGrid& g = doc.SG1;
    doc.GENKA_KEI = 0;
    doc.KAZEI_KEI = 0;
    std::int64_t r = 0;
    // With the amount and cost total columns present, the cells hold exactly
    // the whole numbers KEISAN gives back; without them they read as empty.
    const bool amountColumn = g.colCount() > col::Amount;
    const bool costTotalColumn = g.colCount() > col::CostTotal;
    for (int row = 1; row < g.rowCount(); ++row) {
        const LineFigures figures = recalculateLineFigures(doc, row);
        const bool hasQuantity = !g.cell(col::Quantity, row).empty();
        if (hasQuantity && !g.cell(col::UnitPrice, row).empty()) {
            const Extended amount = amountColumn ? static_cast<Extended>(figures.amount) : 0;
            r = addToFixed(r, amount);
            if (g.cell(col::TaxExempt, row).empty())
                doc.KAZEI_KEI = addToFixed(doc.KAZEI_KEI, amount);
        }
        if (hasQuantity && !g.cell(col::CostPrice, row).empty())
            doc.GENKA_KEI = addToFixed(doc.GENKA_KEI, costTotalColumn ? static_cast<Extended>(figures.costTotal) : 0);
    }
    setTaxFigures(doc, r);
    return r;
}

std::int64_t URI_KEISAN(Estimate& doc)
{
    // Runs on every keystroke in a numeric cell: one pass over the cells as
    // they stand, a fast reader, no allocation.
    const StringGrid& g = doc.SG1;
    doc.GENKA_KEI = 0;
    doc.KAZEI_KEI = 0;
    std::int64_t r = 0;
    const bool fullRows = g.colCount() > col::CostTotal;
    for (int row = 1; fullRows && row < g.rowCount(); ++row) {
        const std::vector<std::string>& cells = g.row(row);
        const std::string& amountText = cells[col::Amount];
        if (!amountText.empty()) {
            const Extended amount = readNumber(amountText);
            r = addToFixed(r, amount);
            if (cells[col::TaxExempt].empty())
                doc.KAZEI_KEI = addToFixed(doc.KAZEI_KEI, amount);
        }
        const std::string& costText = cells[col::CostTotal];
        if (!costText.empty())
            doc.GENKA_KEI = addToFixed(doc.GENKA_KEI, readNumber(costText));
    }
    setTaxFigures(doc, r);
    return r;
}

void KEISAN_DISP(Estimate& doc)
{
    const Extended k = fixedToExtended(doc.KINGAKU_KEI);
    const Extended g = fixedToExtended(doc.GENKA_KEI);
    doc.panels[4] = concat({"原価計 = ", formatMoney(doc.GENKA_KEI)});
    if (doc.UTIZEI) {
        // Ceil_New2(K / 1.05 - G) = (20 K - 21 G) / 21, rounded away from zero
        const Int128 n = static_cast<Int128>(doc.KINGAKU_KEI) * 20 - static_cast<Int128>(doc.GENKA_KEI) * 21;
        doc.panels[5] = concat({"粗利計 = ", formatMoney(yenToFixed(divide(n, 21 * kScale, Rounding::AwayFromZero)))});
    } else {
        const Int128 profit = static_cast<Int128>(doc.KINGAKU_KEI) - doc.GENKA_KEI;
        doc.panels[5] = concat({"粗利計 = ", formatMoney(divide(profit, 1, Rounding::TowardZero))});
    }
    const char* label = doc.RIEKI_RITU ? "利益率 = " : "原価率 = ";
    doc.panels[6] = label;
    if (doc.KINGAKU_KEI != 0 && doc.GENKA_KEI != 0) {
        const Extended ratio = doc.RIEKI_RITU ? (k - g) / k * 100 : g / k * 100;
        doc.panels[6] = concat({label, formatPicture(ratio, "##0.0"), "%"});
    }
    doc.panels[7] = hasuModeName(doc.HASU_MODE);
}

void Estimate::recalculateAll()
{
    KINGAKU_KEI = KEISAN_ALL(*this);
    KEISAN_DISP(*this);
    notify(Change::Cells);
    notify(Change::Totals);
}

void Estimate::recalculateLine(int row)
{
    KEISAN(*this, row);
    KINGAKU_KEI = URI_KEISAN(*this);
    KEISAN_DISP(*this);
    notify(Change::Cells);
    notify(Change::Totals);
}

} // namespace yorozu
