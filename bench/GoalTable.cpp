#include "bench/GoalTable.h"

#include <cmath>
#include <cstdio>

namespace yorozu::bench {

void GoalTableReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration)
            continue;
        const std::string name = run.run_name.function_name;
        const long lines = std::strtol(run.run_name.args.c_str(), nullptr, 10);
        msByFamily_[name][lines] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
    }
}

void GoalTableReporter::addMemoryRow(const std::string& caption, double megabytes, double maxMegabytes)
{
    memory_.push_back({caption, megabytes, maxMegabytes});
}

void GoalTableReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-58s %9s %9s %9s %8s %8s %7s %s\n", "case", "300", "3000", "10000", "goal", "ratio", "growth", "");
    int misses = 0;
    for (const auto& g : goals()) {
        const auto it = msByFamily_.find(g.family);
        if (it == msByFamily_.end())
            continue;
        const auto& t = it->second;
        auto at = [&](long n) { const auto f = t.find(n); return f == t.end() ? NAN : f->second; };
        const double big = at(10000);
        // A floor row (no goal of its own) only shows what a ratio is taken against.
        const bool floorRow = g.maxMs <= 0;
        bool miss = !floorRow && !(big <= g.maxMs);
        std::string ratio = "";
        if (!g.floor.empty()) {
            const auto fl = msByFamily_.find(g.floor);
            if (fl != msByFamily_.end() && fl->second.count(10000)) {
                const double r = big / fl->second.at(10000);
                char buf[32];
                std::snprintf(buf, sizeof buf, "%.2f/%.0f", r, g.maxRatio);
                ratio = buf;
                miss = miss || r > g.maxRatio;
            }
        }
        // Growth per line from 300 to 10,000 lines: near 1 is linear; a clear
        // excess means the case grows faster than its input.
        const double growth = (big / 10000.0) / (at(300) / 300.0);
        const bool superlinear = growth > 2.0 && big > 0.05;
        char goal[32];
        std::snprintf(goal, sizeof goal, floorRow ? "-" : "%.0f ms", g.maxMs);
        std::printf("%-58s %9.3f %9.3f %9.3f %8s %8s %7.2f %s\n", g.caption.c_str(), at(300), at(3000), big, goal,
                    ratio.c_str(), growth, miss ? "MISS" : (superlinear ? "GROWS" : "ok"));
        misses += miss || superlinear;
    }
    for (const auto& m : memory_) {
        const bool miss = !(m.mb <= m.maxMb);
        std::printf("%-58s %9s %9s %9.1f %5.0f MB %8s %7s %s\n", m.caption.c_str(), "", "", m.mb, m.maxMb, "", "",
                    miss ? "MISS" : "ok");
        misses += miss;
    }
    std::printf("\ntimes in ms (real time per iteration); growth = time per line at 10,000 / at 300; %d row(s) miss\n", misses);
}

} // namespace yorozu::bench
