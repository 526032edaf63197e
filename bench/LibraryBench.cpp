// The browser's folder of saved estimates: listing it, and a content search
// that matches nothing (so it examines every file) against grep -lF for its
// first term over the same folder, measured in the same run. The argument is
// the number of files; each estimate has 60 rows.
#include "bench/EstimateGenerator.h"

#include "core/document/Estimate.h"
#include "files/estimate/EstimateFile.h"
#include "files/library/ContentSearch.h"
#include "files/library/EstimateList.h"
#include "files/text/Cp932.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace yorozu;
namespace fs = std::filesystem;

constexpr int kRows = 60;
// Neither term occurs in the generated estimates.
const std::vector<std::string> kTerms = {"該当なし語句", "山田"};

// One folder per file count, generated once from fixed seeds and written
// plainly (the atomic write's fsync per file would make the set-up slow);
// removed when the run ends.
class Folders {
public:
    ~Folders()
    {
        std::error_code ec;
        if (!root_.empty())
            fs::remove_all(root_, ec);
    }
    const fs::path& folder(int files)
    {
        if (root_.empty()) {
            root_ = fs::temp_directory_path() / ("yorozu-bench-folders-" + std::to_string(::getpid()));
            fs::create_directories(root_);
        }
        auto& dir = folders_[files];
        if (dir.empty()) {
            dir = root_ / std::to_string(files);
            fs::create_directories(dir);
            const auto& variants = contents();
            for (int i = 0; i < files; ++i) {
                char name[64];
                std::snprintf(name, sizeof name, "2026%02d%02d%06d_見積%05d.qte", 1 + i / 3000 % 12, 1 + i / 100 % 28,
                              i % 100 * 100, i);
                std::ofstream(dir / name, std::ios::binary) << variants[static_cast<std::size_t>(i) % variants.size()];
            }
        }
        return dir;
    }

private:
    // Fifty different estimates, the files take them in turn.
    const std::vector<std::string>& contents()
    {
        if (contents_.empty()) {
            for (std::uint32_t seed = 1; seed <= 50; ++seed) {
                Estimate doc;
                generateEstimate(doc, kRows, seed);
                doc.KNAME = "株式会社　見本商事";
                doc.TITLE = "事務所改装";
                doc.recalculateAll();
                std::string bytes;
                if (!estimateFileBytes(doc, 3, bytes))
                    throw std::runtime_error("cannot build an estimate file");
                contents_.push_back(std::move(bytes));
            }
        }
        return contents_;
    }

    fs::path root_;
    std::map<int, fs::path> folders_;
    std::vector<std::string> contents_;
};

Folders& folders()
{
    static Folders f;
    return f;
}

// Reading the folder into the file list (name order, the newest last).
void BM_ListEstimates(benchmark::State& state)
{
    const auto& dir = folders().folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto files = listFiles(dir);
        if (files.size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("wrong number of files");
            break;
        }
        benchmark::DoNotOptimize(files.data());
    }
}
BENCHMARK(BM_ListEstimates)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// "検索" with two terms over the whole list, newest first, finding nothing.
void BM_ContentSearch(benchmark::State& state)
{
    const auto& dir = folders().folder(static_cast<int>(state.range(0)));
    const auto files = listFiles(dir);
    ContentMatcher matcher(kTerms);
    for (auto _ : state) {
        int matched = 0;
        for (auto it = files.rbegin(); it != files.rend(); ++it)
            if (matcher.examine(*it) != ContentMatcher::Result::NoMatch)
                ++matched;
        if (matched != 0) {
            state.SkipWithError("a file matched or could not be read");
            break;
        }
    }
}
BENCHMARK(BM_ContentSearch)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Floor: grep -lF for the first term's code page bytes over the same files,
// one process, byte comparison in the C locale.
void BM_SearchFloorGrep(benchmark::State& state)
{
    const auto& dir = folders().folder(static_cast<int>(state.range(0)));
    std::string term = cp932::encode(kTerms.front()).bytes;
    std::vector<std::string> args = {"grep", "-lFr", "--include=*.qte", "-e", term, dir.string()};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string lc = "LC_ALL=C";
    char* env[] = {lc.data(), nullptr};
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const int spawned = posix_spawnp(&pid, "grep", &actions, nullptr, argv.data(), env);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        // grep says 1 when no file matched, which is what we measure.
        if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 1) {
            state.SkipWithError("grep failed or found the term");
            break;
        }
    }
}
BENCHMARK(BM_SearchFloorGrep)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
