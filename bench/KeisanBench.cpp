// The two recalculations of the sheet. The line recalculation (KEISAN of
// one row, URI_KEISAN, KEISAN_DISP) runs on every keystroke in a numeric
// cell; the full one (KEISAN_ALL, KEISAN_DISP) on load, paste, option
// changes and before printing.
#include "bench/EstimateGenerator.h"

#include "core/document/Estimate.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace yorozu;

void BM_LineRecalculation(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    Estimate doc;
    generateEstimate(doc, lines);
    doc.recalculateAll();
    int i = 0;
    for (auto _ : state) {
        // A keystroke: one price changes, the line and the totals follow.
        const int row = 1 + (i * 37) % lines;
        doc.SG1.setCell(col::UnitPrice, row, std::to_string(1000 + i % 500));
        doc.recalculateLine(row);
        benchmark::DoNotOptimize(doc.KINGAKU_KEI);
        ++i;
    }
}
BENCHMARK(BM_LineRecalculation)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FullRecalculation(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    Estimate doc;
    generateEstimate(doc, lines);
    int mode = 0;
    for (auto _ : state) {
        // Alternate the fraction mode so every pass rewrites the amounts.
        doc.HASU_MODE = mode++ % 3;
        doc.recalculateAll();
        benchmark::DoNotOptimize(doc.KINGAKU_KEI);
    }
}
BENCHMARK(BM_FullRecalculation)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
