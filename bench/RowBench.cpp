// The row commands on a large sheet: moving a row by dragging its number,
// pasting a block of 100 rows, numbering every description.

#include "core/document/Estimate.h"
#include "core/document/Headings.h"
#include "core/document/RowBlock.h"

#include <benchmark/benchmark.h>

namespace yorozu::bench {
namespace {

// A sheet of `lines` item lines under a few headings.
void fillSheet(StringGrid& g, int lines)
{
    g.setRowCount(lines + 1);
    g.renumber();
    for (int r = 1; r <= lines; ++r) {
        if (r % 50 == 1)
            g.setCell(col::Dai, r, "A");
        g.setCell(col::Description, r, "鉄筋工事 D13 加工組立 " + std::to_string(r));
        g.setCell(col::Quantity, r, std::to_string(r % 97));
        g.setCell(col::Unit, r, "本");
        g.setCell(col::UnitPrice, r, "1980");
    }
}

void BM_RowMove(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    StringGrid g;
    fillSheet(g, lines);
    for (auto _ : state) {
        moveSheetRow(g, 2, lines);
        moveSheetRow(g, lines, 2);
        benchmark::DoNotOptimize(g.cell(col::Description, 2));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_BlockPaste100(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    StringGrid source;
    fillSheet(source, lines);
    const auto block = copyBlock(source, 1, 1, 17, 100);
    for (auto _ : state) {
        state.PauseTiming();
        StringGrid g = source;
        state.ResumeTiming();
        pasteBlock(g, block, 1, 2, true);
        benchmark::DoNotOptimize(g.rowCount());
    }
}

void BM_Numbering(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    StringGrid g;
    fillSheet(g, lines);
    for (auto _ : state) {
        numberDescriptions(g);
        benchmark::DoNotOptimize(g.cell(col::Description, 1));
    }
}

} // namespace

BENCHMARK(BM_RowMove)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockPaste100)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Numbering)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace yorozu::bench
