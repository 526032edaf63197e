#include "bench/GoalCheck.h"

#include <cmath>

namespace yorozu::bench {

namespace {

constexpr long kLarge = 10000;
constexpr long kSmall = 300;

Verdict missing(std::string why)
{
    Verdict v;
    v.miss = true;
    v.mark = "MISS (" + why + ")";
    return v;
}

// A time that is a number at all: NaN, infinite, zero or negative times
// come from a run that timed nothing.
bool measuredTime(const Measured& m, long lines, double& ms)
{
    const auto it = m.ms.find(lines);
    if (it == m.ms.end() || !std::isfinite(it->second) || it->second <= 0)
        return false;
    ms = it->second;
    return true;
}

} // namespace

Verdict judge(const Goal& goal, const Measured* own, const Measured* floor)
{
    if (!own)
        return missing("not run");
    if (!own->error.empty())
        return missing("error: " + own->error);
    double big = 0;
    if (!measuredTime(*own, kLarge, big))
        return missing("no result at 10,000 lines");

    Verdict v;
    double small = 0;
    if (measuredTime(*own, kSmall, small))
        v.growth = (big / kLarge) / (small / kSmall);
    if (goal.maxMs <= 0) {
        v.mark = "ok";
        return v; // a floor: it has no goal of its own
    }

    std::string why;
    if (!(big <= goal.maxMs))
        why = "over its goal";
    if (!goal.floor.empty()) {
        double floorMs = 0;
        if (!floor || !floor->error.empty() || !measuredTime(*floor, kLarge, floorMs)) {
            why = why.empty() ? "no floor" : why;
        } else {
            v.ratio = big / floorMs;
            if (!(v.ratio <= goal.maxRatio) && why.empty())
                why = "ratio over its goal";
        }
    }
    if (goal.maxGrowth > 0) {
        if (v.growth < 0 && why.empty())
            why = "no result at 300 lines";
        else if (v.growth > goal.maxGrowth && why.empty())
            why = "grows with the sheet";
    } else if (v.growth > 2.0 && big > 0.05 && why.empty()) {
        // Growth per line near 1 is linear; a clear excess means the case
        // grows faster than its input.
        why = "grows faster than its input";
    }
    v.miss = !why.empty();
    v.mark = v.miss ? "MISS (" + why + ")" : "ok";
    return v;
}

Verdict judgeMemory(double megabytes, double maxMegabytes, const std::string& error)
{
    if (!error.empty())
        return missing("error: " + error);
    if (!(megabytes > 0))
        return missing("not measured");
    Verdict v;
    v.miss = !(megabytes <= maxMegabytes);
    v.mark = v.miss ? "MISS (over its goal)" : "ok";
    return v;
}

} // namespace yorozu::bench
