#include "core/Keisan.h"

#include "core/Estimate.h"
#include "core/Format.h"
#include "core/Numbers.h"

namespace yorozu {

namespace {

// 1.05 on prices scaled by 10,000.
constexpr Extended kTaxInclusiveDivisor = 10500;

void setIfChanged(StringGrid& grid, int col, int row, std::string text)
{
    if (grid.cell(col, row) != text)
        grid.setCell(col, row, std::move(text));
}

std::string lineProduct(std::string_view quantity, std::string_view price, int hasuMode)
{
    if (quantity.empty() || price.empty())
        return {};
    return HASU_SYORI(readNumber(quantity) * readNumber(price), hasuMode);
}

} // namespace

RateOptions rateOptions(const Estimate& doc)
{
    return {doc.UTIZEI, doc.HIKAZEI, doc.RIEKI_RITU};
}

std::string rateFigure(std::string_view p, std::string_view c, bool taxExempt, const RateOptions& options)
{
    if (p.empty() || c.empty() || c == "0" || p == "0" || p == "0." || c == "." || p == "-" || c == "-")
        return {};

    std::int64_t r = 0;
    if (!taxExempt && options.UTIZEI && !options.HIKAZEI) {
        const auto pk = static_cast<Extended>(roundToEven(readNumber(p) * 10000));
        const auto ck = static_cast<Extended>(roundToEven(readNumber(c) * 10000));
        const auto net = static_cast<Extended>(Ceil_New2(pk / kTaxInclusiveDivisor));
        // A price that reads as zero without being one of the texts above
        // ("00", "0.0", a lone ".") has no ratio; the line is computed anyway.
        if (net == 0)
            return {};
        r = options.RIEKI_RITU ? roundToEven((net * 10000 - ck) / net * 100) : roundToEven(ck / net * 100);
    } else {
        const Extended price = readNumber(p);
        const Extended cost = readNumber(c);
        if (price == 0)
            return {};
        r = options.RIEKI_RITU ? roundToEven((price - cost) / price * 100 * 10000)
                               : roundToEven(cost / price * 100 * 10000);
    }
    std::string text = formatPicture(r, 4, "###.#");
    // The column is five characters wide: a figure that does not fit is left out.
    if (text.size() > 5)
        return {};
    return text;
}

void KEISAN(Estimate& doc, int row)
{
    StringGrid& g = doc.SG1;
    if (row < 1 || row >= g.rowCount())
        return;
    const std::string& quantity = g.cell(col::Quantity, row);
    const std::string& price = g.cell(col::UnitPrice, row);
    const std::string& cost = g.cell(col::CostPrice, row);
    setIfChanged(g, col::Amount, row, lineProduct(quantity, price, doc.HASU_MODE));
    setIfChanged(g, col::Rate, row,
                 rateFigure(price, cost, g.cell(col::TaxExempt, row) == "1", rateOptions(doc)));
    setIfChanged(g, col::CostTotal, row, lineProduct(quantity, cost, doc.HASU_MODE));
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
