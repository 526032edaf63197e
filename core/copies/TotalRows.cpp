#include "core/document/Estimate.h"
#include "core/calc/Keisan.h"
#include "core/copies/PrintCopy.h"

namespace yorozu {

namespace {

GridRow summaryRow(const char* text, Money amount)
{
    GridRow row = emptyGridRow();
    row[col::Dai] = "%";
    row[col::Description] = text;
    row[col::Amount] = wholeYenText(amount);
    return row;
}

GridRow summaryRowWithCost(const char* text, Money amount, const Estimate& doc)
{
    GridRow row = summaryRow(text, amount);
    row[col::CostTotal] = wholeYenText(doc.GENKA_KEI);
    row[col::Rate] = RITU_CALL(row[col::Amount], row[col::CostTotal], doc);
    return row;
}

// Puts a row at `at`, or appends it when `at` is past the last row.
void placeRow(GridRows& rows, int at, GridRow row)
{
    if (at >= static_cast<int>(rows.size())) {
        rows.push_back(std::move(row));
        return;
    }
    insertGridRow(rows, at);
    rows[static_cast<size_t>(at)] = std::move(row);
    rows[static_cast<size_t>(at)][col::No] = std::to_string(at);
}

// The tax and total rows go in front of the closing lines, else at the end.
// They go in front of an "@" line even when it is the copy's last row: after
// it they would fall outside the remarks box and not be printed at all.
int totalsPlace(const GridRows& rows)
{
    for (size_t r = 1; r < rows.size(); ++r)
        if (rows[r][col::Dai] == "@")
            return static_cast<int>(r);
    return static_cast<int>(rows.size());
}

} // namespace

std::string RITU_CALL(std::string_view amount, std::string_view cost, const Estimate& doc)
{
    // A summary row carries no tax-exempt mark: the sheet's tax treatment decides.
    return rateFigure(amount, cost, false, rateOptions(doc));
}

void NEBIKI_WRITE(GridRows& rows, const PrintCopyFlags& flags, const PrintCopySettings& settings, const Estimate& doc)
{
    int d = 1;
    for (int r = static_cast<int>(rows.size()) - 1; r >= 2; --r) {
        if (rows[static_cast<size_t>(r)][col::Dai] == "\\") {
            d = r;
            break;
        }
    }
    placeRow(rows, d, summaryRowWithCost(label::NebikiMae, doc.KINGAKU_KEI - flags.NEBIKI_GAKU, doc));
    // The discount line is now at d + 1.
    placeRow(rows, d + 2,
             summaryRowWithCost(settings.taxRows ? label::NebikiAto : label::Sougoukei, doc.KINGAKU_KEI, doc));
}

void ZEI_TO_KEI(GridRows& rows, const PrintCopyFlags& flags, const Estimate& doc)
{
    int at = totalsPlace(rows);
    if (!flags.NEBIKI_ARI || doc.UTIZEI)
        placeRow(rows, at++, summaryRow(label::Zeinuki, doc.UTIZEI ? doc.KINGAKU_KEI - doc.ZEI_GAKU : doc.KINGAKU_KEI));
    placeRow(rows, at++, summaryRow(label::Syohizei, doc.ZEI_GAKU));
    placeRow(rows, at, summaryRow(label::Sougoukei, doc.ZEIKOMI_KEI));
}

void KEI_WRITE(GridRows& rows, const Estimate& doc)
{
    placeRow(rows, totalsPlace(rows), summaryRowWithCost(label::Sougoukei, doc.KINGAKU_KEI, doc));
}

} // namespace yorozu
