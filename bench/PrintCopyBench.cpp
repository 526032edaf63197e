// The print copy with subtotals at three levels, and the survey summary
// built from it: what printing and previewing run before the first page.
#include "bench/EstimateGenerator.h"

#include "core/document/Estimate.h"
#include "core/copies/PrintCopy.h"
#include "core/copies/Survey.h"

#include <benchmark/benchmark.h>

namespace {

using namespace yorozu;

PrintCopySettings settings()
{
    return PrintCopySettings::fromValues("0", "True", "0", "3");
}

void prepare(Estimate& doc, int lines, int printKind)
{
    generateEstimate(doc, lines);
    doc.setPRN_S(printKind);
    doc.recalculateAll();
}

void BM_PrintCopy(benchmark::State& state)
{
    Estimate doc;
    prepare(doc, static_cast<int>(state.range(0)), 2); // "小計"
    const auto s = settings();
    for (auto _ : state) {
        const auto result = SYOKEI_MAKE(doc, s);
        if (!result.completed) {
            state.SkipWithError(("the print copy stopped: " + result.message).c_str());
            break;
        }
    }
    // Lines, subtotals and total rows: a copy no longer than the sheet stopped early.
    if (doc.SGP.rowCount() <= state.range(0))
        state.SkipWithError("the print copy holds fewer rows than the sheet");
    state.counters["rows"] = doc.SGP.rowCount();
}
BENCHMARK(BM_PrintCopy)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Survey(benchmark::State& state)
{
    Estimate doc;
    prepare(doc, static_cast<int>(state.range(0)), 1); // "積算"
    const auto s = settings();
    for (auto _ : state) {
        const auto result = SYUKEI_MAKE(doc, s);
        if (!result.completed) {
            state.SkipWithError(("the survey stopped: " + result.message).c_str());
            break;
        }
        SEKISAN_MAKE(doc, s);
    }
    state.counters["rows"] = doc.SGS.rowCount();
}
BENCHMARK(BM_Survey)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
