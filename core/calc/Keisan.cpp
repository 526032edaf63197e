#include "core/calc/Keisan.h"

#include "core/document/Estimate.h"
#include "core/calc/Format.h"
#include "core/calc/Numbers.h"
#include "core/calc/RateText.h"

#include <charconv>

namespace yorozu {

namespace {

// 1.05 on prices scaled by 10,000.
constexpr Extended kTaxInclusiveDivisor = 10500;

void setIfChanged(StringGrid& grid, int col, int row, std::string text)
{
    if (grid.cell(col, row) != text)
        grid.setCell(col, row, std::move(text));
}

// The amount or cost total of a line, written into its cell: empty unless
// both texts are there, else hasuText of the rounded product. The digits go
// straight into the cell's own buffer, and not at all when the cell already
// holds them. The whole number comes back so that the sum pass need not read
// the cell again.
std::int64_t setLineProduct(StringGrid& grid, int column, int row, std::string_view quantity, Extended q,
                            std::string_view price, Extended p, int hasuMode)
{
    std::string* cell = grid.cellText(column, row);
    std::int64_t whole = 0;
    std::string_view text;
    char buf[24];
    if (!quantity.empty() && !price.empty()) {
        whole = hasuWhole(q * p, hasuMode);
        if (whole != 0 || hasuMode == 1 || hasuMode == 2) {
            const auto end = std::to_chars(buf, buf + sizeof buf, whole).ptr;
            text = std::string_view(buf, static_cast<size_t>(end - buf));
        }
    }
    if (cell && *cell != text)
        cell->assign(text);
    return whole;
}

Extended numberOf(std::string_view text)
{
    return text.empty() ? 0 : readNumber(text);
}

// rateFigure with the two texts already read (price = readNumber(p), cost = readNumber(c)).
std::string rateFigureOf(std::string_view p, std::string_view c, Extended price, Extended cost, bool taxExempt,
                         const RateOptions& options)
{
    if (p.empty() || c.empty() || c == "0" || p == "0" || p == "0." || c == "." || p == "-" || c == "-")
        return {};

    std::int64_t r = 0;
    if (!taxExempt && options.UTIZEI && !options.HIKAZEI) {
        const auto pk = static_cast<Extended>(roundToEven(price * 10000));
        const auto ck = static_cast<Extended>(roundToEven(cost * 10000));
        const auto net = static_cast<Extended>(Ceil_New2(pk / kTaxInclusiveDivisor));
        // A price that reads as zero without being one of the texts above
        // ("00", "0.0", a lone ".") has no ratio; the line is computed anyway.
        if (net == 0)
            return {};
        r = options.RIEKI_RITU ? roundToEven((net * 10000 - ck) / net * 100) : roundToEven(ck / net * 100);
    } else {
        if (price == 0)
            return {};
        r = options.RIEKI_RITU ? roundToEven((price - cost) / price * 100 * 10000)
                               : roundToEven(cost / price * 100 * 10000);
    }
    std::string text = rateText(r);
    // The column is five characters wide: a figure that does not fit is left out.
    if (text.size() > 5)
        return {};
    return text;
}

} // namespace

RateOptions rateOptions(const Estimate& doc)
{
    return {doc.UTIZEI, doc.HIKAZEI, doc.RIEKI_RITU};
}

std::string rateFigure(std::string_view p, std::string_view c, bool taxExempt, const RateOptions& options)
{
    return rateFigureOf(p, c, readNumber(p), readNumber(c), taxExempt, options);
}

LineFigures recalculateLineFigures(Estimate& doc, int row)
{
    StringGrid& g = doc.SG1;
    if (row < 1 || row >= g.rowCount())
        return {};
    const std::string& quantity = g.cell(col::Quantity, row);
    const std::string& price = g.cell(col::UnitPrice, row);
    const std::string& cost = g.cell(col::CostPrice, row);
    // Each text is read once for the three figures.
    const Extended q = numberOf(quantity);
    const Extended p = numberOf(price);
    const Extended c = numberOf(cost);
    LineFigures figures;
    figures.amount = setLineProduct(g, col::Amount, row, quantity, q, price, p, doc.HASU_MODE);
    setIfChanged(g, col::Rate, row,
                 rateFigureOf(price, cost, p, c, g.cell(col::TaxExempt, row) == "1", rateOptions(doc)));
    figures.costTotal = setLineProduct(g, col::CostTotal, row, quantity, q, cost, c, doc.HASU_MODE);
    return figures;
}

void KEISAN(Estimate& doc, int row)
{
    recalculateLineFigures(doc, row);
}

void N54Click(Estimate& doc, int row)
{
    StringGrid& g = doc.SG1;
    if (row < 1 || row >= g.rowCount())
        return;
    if (!g.cell(col::TaxExempt, row).empty())
        g.setCell(col::TaxExempt, row, "");
    else if (!g.cell(col::Amount, row).empty())
        g.setCell(col::TaxExempt, row, "1");
    doc.recalculateLine(row);
}

} // namespace yorozu
