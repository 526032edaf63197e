#include "core/calc/Totals.h"

#include "core/document/Estimate.h"
#include "core/calc/Format.h"
#include "core/calc/Keisan.h"
#include "core/calc/Numbers.h"


namespace yorozu {

namespace {

constexpr Money kScale = 10000; // fixed-point money: yen x 10,000

enum class Rounding { TowardZero, AwayFromZero, HalfAwayFromZero };

// n / d in whole units for d > 0, rounded exactly. The tax figures are
// ratios of the fixed-point sums (Q x 0.05 = Q / 20, Q - Q / 1.05 = Q / 21);
// in binary floating point an exact multiple such as 31,500 / 21 can land a
// hair below 1,500 and lose a yen, so they are divided as integers.
Money divide(Money n, Money d, Rounding rounding)
{
    Money q = n / d;
    const Money r = n % d;
    const Money magnitude = r < 0 ? -r : r;
    const bool up = rounding == Rounding::AwayFromZero ? r != 0
                    : rounding == Rounding::HalfAwayFromZero ? 2 * magnitude >= d
                                                             : false;
    if (up)
        q += n < 0 ? -1 : 1;
    return q;
}

Rounding roundingOf(int hasuMode)
{
    return hasuMode == 1 ? Rounding::AwayFromZero : hasuMode == 2 ? Rounding::HalfAwayFromZero : Rounding::TowardZero;
}

// Whole yen of a sum, truncated toward zero, still in fixed point.
Money wholeYen(Money fixed)
{
    return fixed / kScale * kScale;
}

std::string totalText(Money fixed)
{
    return concat({"\\", formatMoney(fixed), "-"});
}

// The tax is computed once, on the taxable sum, never per line.
void setTaxFigures(Estimate& doc, Money amountSum)
{
    const Money q = doc.KAZEI_KEI;
    if (!moneyHeld(q) || !moneyHeld(amountSum)) {
        // No figure is shown that the sums could not hold.
        doc.TOTALKIN = kOutOfRangeText;
        doc.ZEI_GAKU = doc.ZEIKOMI_KEI = kMoneyOutOfRange;
        doc.panels[2] = concat({"消費税 = ", kOutOfRangeText});
        doc.panels[3] = concat({"税込合計 = ", kOutOfRangeText});
    } else if (doc.UTIZEI) {
        // T = Int(Q - Q / 1.05) = Int(Q / 21)
        const Money t = divide(q, 21 * kScale, Rounding::TowardZero) * kScale;
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
        const Money t = divide(q, 20 * kScale, roundingOf(doc.HASU_MODE)) * kScale;
        doc.ZEI_GAKU = t;
        doc.ZEIKOMI_KEI = amountSum + t;
        doc.panels[2] = concat({"消費税 = ", formatMoney(t)});
        doc.panels[3] = concat({"税込合計 = ", formatMoney(doc.ZEIKOMI_KEI)});
    }
}

} // namespace

Money KEISAN_ALL(Estimate& doc)
{
    StringGrid& g = doc.SG1;
    doc.GENKA_KEI = 0;
    doc.KAZEI_KEI = 0;
    Money r = 0;
    // With the amount and cost total columns present, the cells hold exactly
    // the whole numbers KEISAN gives back; without them they read as empty.
    // A product pinned at the 64-bit range puts its sum out of range.
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
    // The cells now hold what the sums were made of; the next line
    // recalculation counts them once and then follows line by line.
    doc.lineSums.forget();
    return r;
}

Money URI_KEISAN(Estimate& doc)
{
    const RunningTotals::Sums sums = doc.lineSums.recount(doc.SG1);
    doc.KAZEI_KEI = sums.taxable;
    doc.GENKA_KEI = sums.cost;
    setTaxFigures(doc, sums.amount);
    return sums.amount;
}

Money URI_KEISAN(Estimate& doc, int changedRow)
{
    // Runs on every keystroke in a numeric cell: the sums move by the
    // changed line's difference, whatever the size of the sheet.
    const auto sums = doc.lineSums.update(doc.SG1, changedRow);
    if (!sums)
        return URI_KEISAN(doc);
    doc.KAZEI_KEI = sums->taxable;
    doc.GENKA_KEI = sums->cost;
    setTaxFigures(doc, sums->amount);
    return sums->amount;
}

void KEISAN_DISP(Estimate& doc)
{
    doc.panels[4] = concat({"原価計 = ", formatMoney(doc.GENKA_KEI)});
    const char* label = doc.RIEKI_RITU ? "利益率 = " : "原価率 = ";
    doc.panels[7] = hasuModeName(doc.HASU_MODE);
    if (!moneyHeld(doc.KINGAKU_KEI) || !moneyHeld(doc.GENKA_KEI)) {
        doc.panels[5] = concat({"粗利計 = ", kOutOfRangeText});
        doc.panels[6] = concat({label, kOutOfRangeText});
        return;
    }
    if (doc.UTIZEI) {
        // Ceil_New2(K / 1.05 - G) = (20 K - 21 G) / 21, rounded away from zero
        const Money n = doc.KINGAKU_KEI * 20 - doc.GENKA_KEI * 21;
        doc.panels[5] = concat({"粗利計 = ", formatMoney(divide(n, 21 * kScale, Rounding::AwayFromZero) * kScale)});
    } else {
        doc.panels[5] = concat({"粗利計 = ", formatMoney(doc.KINGAKU_KEI - doc.GENKA_KEI)});
    }
    doc.panels[6] = label;
    if (doc.KINGAKU_KEI != 0 && doc.GENKA_KEI != 0) {
        const Extended k = fixedToExtended(doc.KINGAKU_KEI);
        const Extended g = fixedToExtended(doc.GENKA_KEI);
        const Extended ratio = doc.RIEKI_RITU ? (k - g) / k * 100 : g / k * 100;
        doc.panels[6] = concat({label, formatPicture(ratio, "##0.0"), "%"});
    }
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
    KINGAKU_KEI = URI_KEISAN(*this, row);
    KEISAN_DISP(*this);
    notify(Change::Cells);
    notify(Change::Totals);
}

} // namespace yorozu
