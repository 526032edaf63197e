#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace yorozu::bench {

// What a benchmark family must meet at 10,000 lines: an absolute time, and
// optionally a ratio to a floor measured in the same run (the ratio is the
// goal that holds on a noisy machine).
struct Goal {
    std::string family;     // benchmark name without the "/lines" argument
    std::string caption;    // what the row measures
    double maxMs = 0;       // goal at 10,000 lines
    std::string floor;      // family of the floor, or empty
    double maxRatio = 0;    // goal for time / floor time
};

const std::vector<Goal>& goals();

// Collects every run and prints one table at the end: time per size, the
// goal, the ratio to its floor, the growth from 300 to 10,000 lines, and a
// mark on every row that misses.
class GoalTableReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Extra rows measured outside Google Benchmark (peak memory).
    void addMemoryRow(const std::string& caption, double megabytes, double maxMegabytes);

private:
    std::map<std::string, std::map<long, double>> msByFamily_; // family -> lines -> ms
    struct MemoryRow {
        std::string caption;
        double mb, maxMb;
    };
    std::vector<MemoryRow> memory_;
};

} // namespace yorozu::bench
