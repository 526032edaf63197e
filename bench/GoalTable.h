#pragma once

#include "bench/GoalCheck.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace yorozu::bench {

const std::vector<Goal>& goals();

// Collects every run and prints one table at the end: time per size, the
// goal, the ratio to its floor, the growth from 300 to 10,000 lines, and a
// mark on every row that misses. Every goal row appears, measured or not.
class GoalTableReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Extra rows measured outside Google Benchmark (peak memory); a failed
    // measurement is a row with its error, and misses.
    void addMemoryRow(const std::string& caption, double megabytes, double maxMegabytes, const std::string& error);
    // A line printed under the table.
    void addNote(const std::string& note);

    // Rows that missed, known after Finalize.
    int misses() const { return misses_; }

private:
    std::map<std::string, Measured> byFamily_;
    struct MemoryRow {
        std::string caption;
        double mb, maxMb;
        std::string error;
    };
    std::vector<MemoryRow> memory_;
    std::vector<std::string> notes_;
    int misses_ = 0;
};

} // namespace yorozu::bench
