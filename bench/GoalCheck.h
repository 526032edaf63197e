#pragma once

#include <map>
#include <string>

namespace yorozu::bench {

// What a benchmark family must meet at 10,000 lines: an absolute time, and
// optionally a ratio to a floor measured in the same run (the ratio is the
// goal that holds on a noisy machine) and a bound on its growth.
struct Goal {
    std::string family;   // benchmark name without the "/lines" argument
    std::string caption;  // what the row measures
    double maxMs = 0;     // goal at 10,000 lines; 0 for a floor row
    std::string floor;    // family of the floor, or empty
    double maxRatio = 0;  // goal for time / floor time
    double maxGrowth = 0; // goal for the growth from 300 to 10,000 lines; 0: only superlinear growth misses
};

// What one family measured: milliseconds per size, and the error a run
// reported (a run that fails times nothing, so it can never pass).
struct Measured {
    std::map<long, double> ms;
    std::string error;
};

struct Verdict {
    bool miss = false;
    std::string mark;  // "ok", or why the row misses
    double ratio = -1; // time / floor time at 10,000 lines; negative without a floor
    double growth = -1; // time per line at 10,000 / at 300; negative when not measured
};

// The verdict of a goal row from what its family and its floor measured
// (either may be null: not run at all). A row with no result at 10,000
// lines misses; so does a floor row, since every ratio against it would be
// meaningless.
Verdict judge(const Goal& goal, const Measured* own, const Measured* floor);

// A memory row: peak megabytes against a limit; a negative figure is a
// measurement that failed and misses.
Verdict judgeMemory(double megabytes, double maxMegabytes, const std::string& error);

} // namespace yorozu::bench
