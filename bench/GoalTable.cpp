#include "bench/GoalTable.h"

#include <cstdio>
#include <cstdlib>

namespace yorozu::bench {

void GoalTableReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
        const std::string name = run.run_name.function_name;
        if (run.error_occurred) {
            // Names the case: the family and its size.
            byFamily_[name].error = run.run_name.args + ": " + run.error_message;
            continue;
        }
        if (run.run_type != Run::RT_Iteration)
            continue;
        const long lines = std::strtol(run.run_name.args.c_str(), nullptr, 10);
        byFamily_[name].ms[lines] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
    }
}

void GoalTableReporter::addMemoryRow(const std::string& caption, double megabytes, double maxMegabytes,
                                     const std::string& error)
{
    memory_.push_back({caption, megabytes, maxMegabytes, error});
}

void GoalTableReporter::addNote(const std::string& note)
{
    notes_.push_back(note);
}

void GoalTableReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-58s %9s %9s %9s %8s %8s %7s %s\n", "case", "300", "3000", "10000", "goal", "ratio", "growth", "");
    misses_ = 0;
    auto find = [this](const std::string& family) -> const Measured* {
        const auto it = byFamily_.find(family);
        return it == byFamily_.end() ? nullptr : &it->second;
    };
    for (const auto& g : goals()) {
        const Measured* own = find(g.family);
        const Verdict v = judge(g, own, g.floor.empty() ? nullptr : find(g.floor));
        auto at = [own](long n) {
            if (!own)
                return std::string("-");
            const auto f = own->ms.find(n);
            if (f == own->ms.end())
                return std::string("-");
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.4f", f->second);
            return std::string(buf);
        };
        char goal[32] = "-";
        if (g.maxMs > 0)
            std::snprintf(goal, sizeof goal, "%g ms", g.maxMs);
        char ratio[32] = "";
        if (!g.floor.empty()) {
            if (v.ratio >= 0)
                std::snprintf(ratio, sizeof ratio, "%.2f/%g", v.ratio, g.maxRatio);
            else
                std::snprintf(ratio, sizeof ratio, "-/%g", g.maxRatio);
        }
        char growth[32] = "-";
        if (v.growth >= 0)
            std::snprintf(growth, sizeof growth, g.maxGrowth > 0 ? "%.2f/%g" : "%.2f", v.growth, g.maxGrowth);
        std::printf("%-58s %9s %9s %9s %8s %8s %7s %s\n", g.caption.c_str(), at(300).c_str(), at(3000).c_str(),
                    at(10000).c_str(), goal, ratio, growth, v.mark.c_str());
        misses_ += v.miss;
    }
    for (const auto& m : memory_) {
        const Verdict v = judgeMemory(m.mb, m.maxMb, m.error);
        std::printf("%-58s %9s %9s %9.1f %5.0f MB %8s %7s %s\n", m.caption.c_str(), "", "", m.mb, m.maxMb, "", "",
                    v.mark.c_str());
        misses_ += v.miss;
    }
    std::printf("\ntimes in ms (real time per iteration); growth = time per line at 10,000 / at 300; %d row(s) miss\n",
                misses_);
    for (const auto& n : notes_)
        std::printf("%s\n", n.c_str());
}

} // namespace yorozu::bench
