#include "core/copies/Continuation.h"

#include "core/document/Estimate.h"

#include <utility>

namespace yorozu {

namespace {

GridRow continuationRow()
{
    GridRow row = emptyGridRow();
    row[col::Dai] = "~";
    row[col::Description] = label::Tuzuku;
    return row;
}

// The walk puts a continuation row in front of the row that would overflow
// a page. Swept into a new vector: one push per continuation row, the same
// rows and numbers as inserting into the grid one by one.
void insertContinuations(GridRows& rows, PageCapacity capacity, int remarkRows, int startCount, bool firstPageBreak,
                         const PassProgress& progress)
{
    const size_t total = rows.size();
    if (total < 2)
        return;
    GridRows out;
    out.reserve(total + total / static_cast<size_t>(capacity.later > 0 ? capacity.later : 1) + 2);
    out.push_back(std::move(rows[0]));

    auto closingLine = [&](size_t k) { return k < total && rows[k][col::Dai] == "@"; };
    int count = startCount;
    int firstInsert = -1;
    size_t k = 1; // next row of the old copy; it stands at index out.size() of the new one
    while (k < total) {
        const int index = static_cast<int>(out.size());
        const int last = index + static_cast<int>(total - 1 - k);
        if (index == last)
            break;
        if (progress)
            progress(index, last);
        // With a remarks box the closing lines stay on the first page together.
        if (remarkRows != 0 && closingLine(k + 1))
            break;
        const bool beforeClosing = remarkRows != 0 && closingLine(k);
        const bool pageFull = (firstPageBreak && index == capacity.first) || (count == capacity.later && index < last);
        ++count;
        if (pageFull && !beforeClosing) {
            if (firstInsert < 0)
                firstInsert = index;
            out.push_back(continuationRow());
            count = 1;
            continue; // the row walked next is the one that was pushed down
        }
        out.push_back(std::move(rows[k]));
        ++k;
    }
    for (; k < total; ++k)
        out.push_back(std::move(rows[k]));
    if (firstInsert >= 0)
        renumberGridRows(out, firstInsert, static_cast<int>(out.size()));
    rows = std::move(out);
}

} // namespace

PageCapacity pageCapacity(int MUKI, int GYOUKAN, int remarkRows)
{
    static constexpr PageCapacity table[2][3] = {
        {{19, 29}, {23, 35}, {29, 44}}, // portrait
        {{11, 19}, {13, 23}, {17, 29}}, // landscape
    };
    const int m = MUKI == 1 ? 1 : 0;
    const int g = GYOUKAN >= 0 && GYOUKAN <= 2 ? GYOUKAN : 0;
    PageCapacity c = table[m][g];
    c.first -= remarkRows;
    return c;
}

void TUZUKU(GridRows& rows, const Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress)
{
    if (settings.noContinuation)
        return;
    const bool survey = doc.PRN_S == 1;
    insertContinuations(rows, pageCapacity(doc.MUKI, doc.GYOUKAN, settings.remarkRows), settings.remarkRows,
                        survey ? 1 : 0, !survey, progress);
}

void TUZUKU_SGS(GridRows& rows, const Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress)
{
    if (settings.noContinuation)
        return;
    insertContinuations(rows, pageCapacity(doc.MUKI, doc.GYOUKAN, settings.remarkRows), settings.remarkRows, 0, true,
                        progress);
}

} // namespace yorozu
