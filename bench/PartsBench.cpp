// Switching pages and departments of a full parts catalogue: 20 departments
// of 20 pages of 30 parts, 12,000 parts in 400 files. A switch writes the
// page shown (atomically, flushed to the disk) and reads the next one.
#include "core/document/Estimate.h"
#include "files/parts/PartsCatalogue.h"
#include "files/text/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace yorozu;
namespace fs = std::filesystem;

constexpr int kPartsPerPage = 30;
constexpr long kCatalogueParts = kPartsDepartments * kPartsPages * kPartsPerPage;

// The catalogue, written once per run by the program's own writer.
class Catalogue {
public:
    Catalogue()
    {
        auto pattern = (fs::temp_directory_path() / "yorozu-parts-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        std::vector<std::string> names;
        for (int i = 1; i <= 20; ++i)
            names.push_back("分類" + std::to_string(i));
        writeTextLines(dir_ / partsListName(0), names);
        for (int d = 1; d <= kPartsDepartments; ++d) {
            writeTextLines(dir_ / partsListName(d), names);
            for (int p = 1; p <= kPartsPages; ++p) {
                std::vector<std::string> lines;
                for (int k = 1; k <= kPartsPerPage; ++k)
                    lines.push_back(std::to_string(k) + ",,,,,,,\"六角ボルト M" + std::to_string(k) +
                                    " 部門" + std::to_string(d) + "\",,\"M" + std::to_string(k) +
                                    " x 40\",,本," + std::to_string(100 + k) + "," + std::to_string(70 + k) +
                                    ",,,70.0,");
                writeTextLines(dir_ / partsFileName(d, p), lines);
            }
        }
    }
    ~Catalogue()
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& dir() const { return dir_; }

private:
    fs::path dir_;
};

const Catalogue& catalogue()
{
    static const Catalogue c;
    return c;
}

void BM_PartsPageSwitch(benchmark::State& state)
{
    StringGrid grid;
    setUpPartsGrid(grid, true);
    PartsCaptions captions;
    PartsCatalogue cat(catalogue().dir());
    cat.open(grid, captions);
    int k = 1;
    for (auto _ : state) {
        k = k % kPartsPages + 1;
        const auto step = cat.switchPage(grid, 5, k);
        if (!step.switched) {
            state.SkipWithError(step.write.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(grid.cell(col::Description, 1).data());
    }
}
BENCHMARK(BM_PartsPageSwitch)->Arg(kCatalogueParts)->Unit(benchmark::kMillisecond);

void BM_PartsDepartmentSwitch(benchmark::State& state)
{
    StringGrid grid;
    setUpPartsGrid(grid, true);
    PartsCaptions captions;
    PartsCatalogue cat(catalogue().dir());
    cat.open(grid, captions);
    int k = 1;
    for (auto _ : state) {
        k = k % kPartsDepartments + 1;
        const auto step = cat.switchDepartment(grid, captions, 5, k);
        if (!step.switched) {
            state.SkipWithError(step.write.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(captions.pages[0].data());
    }
}
BENCHMARK(BM_PartsDepartmentSwitch)->Arg(kCatalogueParts)->Unit(benchmark::kMillisecond);

} // namespace
