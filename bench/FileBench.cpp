// Reading and saving a ".qte" file, each against a floor measured in the
// same run, so the ratio holds on a slow or busy machine.
#include "bench/BenchInputs.h"

#include "core/document/Estimate.h"
#include "files/estimate/EstimateFile.h"
#include "files/estimate/EstimateLayout.h"
#include "files/estimate/EstimateRead.h"
#include "files/text/TextFile.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <string>

namespace {

using namespace yorozu;
using yorozu::bench::benchInputs;

// Opening an estimate from the browser: clear, TXT_DATA_READ2 with its full recalculation.
void BM_ReadQte(benchmark::State& state)
{
    const auto& in = benchInputs();
    const auto file = in.estimateFile(static_cast<int>(state.range(0)));
    Estimate doc;
    doc.HASU_MODE = 2;
    for (auto _ : state) {
        doc.clear();
        const auto result = TXT_DATA_READ2(doc, file, in.programDir());
        if (!result.ok || doc.SG1_END() < state.range(0)) {
            state.SkipWithError(("cannot read " + file.filename().string() + ": " + result.error).c_str());
            break;
        }
        benchmark::DoNotOptimize(doc.KINGAKU_KEI);
    }
}
BENCHMARK(BM_ReadQte)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Floor of the read: glibc iconv converting the file's bytes, already in
// memory, from code page 932 to UTF-8 into a buffer allocated once. No file
// access, no line splitting, no document.
void BM_ReadFloorIconv(benchmark::State& state)
{
    const auto bytes = readFileBytes(benchInputs().estimateFile(static_cast<int>(state.range(0))));
    if (!bytes) {
        state.SkipWithError("cannot read the estimate");
        return;
    }
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        state.SkipWithError("no CP932 in iconv");
        return;
    }
    std::string out(bytes->size() * 2 + 16, '\0');
    for (auto _ : state) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(bytes->data());
        size_t inLeft = bytes->size();
        char* outPtr = out.data();
        size_t outLeft = out.size();
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            state.SkipWithError("iconv refused the file");
            break;
        }
        benchmark::DoNotOptimize(outPtr);
    }
    iconv_close(cd);
}
BENCHMARK(BM_ReadFloorIconv)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Saving: the file's bytes built from the sheet and their atomic write (new
// file, fsync, rename, folder fsync), as Save writes them.
void BM_WriteQte(benchmark::State& state)
{
    const auto& in = benchInputs();
    const int lines = static_cast<int>(state.range(0));
    Estimate doc;
    doc.HASU_MODE = 2;
    const auto read = TXT_DATA_READ2(doc, in.estimateFile(lines), in.programDir());
    // A save of an empty sheet would time nothing worth knowing.
    if (!read.ok || doc.SG1_END() < lines) {
        state.SkipWithError(("cannot read the estimate to save: " + read.error).c_str());
        return;
    }
    const auto out = in.programDir().parent_path() / ("saved" + std::to_string(lines) + ".qte");
    for (auto _ : state) {
        const auto written = writeEstimateFile(out, doc, 3);
        if (!written) {
            state.SkipWithError(written.error.c_str());
            break;
        }
    }
    // A save that wrote nothing fails as well.
    const auto saved = readFileBytes(out);
    if (!saved || saved->empty())
        state.SkipWithError("the save wrote nothing");
}
BENCHMARK(BM_WriteQte)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The save's floors write the same bytes, already encoded, with one write.
// The durable one is the least a durable write takes: a new file, one write,
// one fsync, close. The save has to be durable, so a floor without the fsync
// would measure the disk's cache rather than the save; the save's second
// fsync (of the folder) and its rename are what it costs on top to be atomic
// as well. The plain one (truncate, write, close) is for reference only.
void writeFloor(benchmark::State& state, bool durable)
{
    const auto& in = benchInputs();
    const int lines = static_cast<int>(state.range(0));
    const auto bytes = readFileBytes(in.estimateFile(lines));
    if (!bytes) {
        state.SkipWithError("cannot read the estimate");
        return;
    }
    const auto out = in.programDir().parent_path() / ((durable ? "durable" : "plain") + std::to_string(lines) + ".qte");
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (durable ? O_EXCL : O_TRUNC);
    for (auto _ : state) {
        if (durable)
            ::unlink(out.c_str());
        const int fd = ::open(out.c_str(), flags, 0644);
        if (fd < 0 || ::write(fd, bytes->data(), bytes->size()) != static_cast<ssize_t>(bytes->size())
            || (durable && ::fsync(fd) != 0)) {
            state.SkipWithError("cannot write");
            if (fd >= 0)
                ::close(fd);
            break;
        }
        ::close(fd);
    }
}

void BM_WriteFloorDurable(benchmark::State& state)
{
    writeFloor(state, true);
}
BENCHMARK(BM_WriteFloorDurable)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteFloor(benchmark::State& state)
{
    writeFloor(state, false);
}
BENCHMARK(BM_WriteFloor)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
