// The verdicts of the benchmark goal table: a row can only pass on a real
// measurement that meets every goal it has.
#include "bench/GoalCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace yorozu::bench;

namespace {

Measured times(double at300, double at10000)
{
    Measured m;
    m.ms[300] = at300;
    m.ms[3000] = at300 * 10;
    m.ms[10000] = at10000;
    return m;
}

const Goal kTimed{"BM_Case", "a case", 5, "", 0, 0};
const Goal kWithFloor{"BM_Read", "a read", 30, "BM_Floor", 2, 0};
const Goal kFlat{"BM_Key", "a keystroke", 0.05, "", 0, 0.2};
const Goal kFloor{"BM_Floor", "a floor", 0, "", 0, 0};

} // namespace

TEST(GoalCheck, ARowWithoutAResultMisses)
{
    struct Case {
        const char* name;
        const Goal& goal;
        bool run;
        Measured measured;
    };
    Measured onlySmall;
    onlySmall.ms[300] = 0.1;
    Measured failed = times(0.1, 1);
    failed.error = "10000: cannot read estimate10000.qte";
    Measured zero = times(0.1, 0);
    Measured nan = times(0.1, NAN);
    const Case cases[] = {
        {"not run at all", kTimed, false, {}},
        {"no result at 10,000 lines", kTimed, true, onlySmall},
        {"a run that reported an error", kTimed, true, failed},
        {"a time of zero", kTimed, true, zero},
        {"a time that is no number", kTimed, true, nan},
        {"a floor not run", kFloor, false, {}},
        {"a floor that failed", kFloor, true, failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Verdict v = judge(c.goal, c.run ? &c.measured : nullptr, nullptr);
        EXPECT_TRUE(v.miss);
        EXPECT_NE(v.mark.find("MISS"), std::string::npos) << v.mark;
    }
    // The error names the case.
    EXPECT_NE(judge(kTimed, &failed, nullptr).mark.find("estimate10000.qte"), std::string::npos);
}

TEST(GoalCheck, EachGoalOfARowIsChecked)
{
    const Measured floor = times(0.5, 10);
    struct Case {
        const char* name;
        const Goal& goal;
        Measured measured;
        const Measured* floor;
        bool miss;
    };
    const Case cases[] = {
        {"under its goal", kTimed, times(0.15, 4.9), nullptr, false},
        {"over its goal", kTimed, times(0.15, 5.1), nullptr, true},
        {"ratio under its goal", kWithFloor, times(0.5, 19), &floor, false},
        {"ratio over its goal", kWithFloor, times(0.5, 21), &floor, true},
        {"ratio with its floor missing", kWithFloor, times(0.5, 1), nullptr, true},
        {"constant cost", kFlat, times(0.01, 0.011), nullptr, false},
        {"cost growing with the sheet", kFlat, times(0.001, 0.04), nullptr, true},
        {"superlinear without a growth goal", kTimed, times(0.01, 3), nullptr, true},
        {"a floor that measured", kFloor, times(0.1, 3), nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Verdict v = judge(c.goal, &c.measured, c.floor);
        EXPECT_EQ(v.miss, c.miss) << v.mark;
        EXPECT_EQ(v.mark == "ok", !c.miss) << v.mark;
    }
    EXPECT_DOUBLE_EQ(judge(kWithFloor, &cases[3].measured, &floor).ratio, 2.1);
    EXPECT_NEAR(judge(kFlat, &cases[5].measured, nullptr).growth, 0.011 / 0.01 * 300 / 10000, 1e-12);
}

TEST(GoalCheck, MemoryRows)
{
    EXPECT_FALSE(judgeMemory(12.5, 40, "").miss);
    EXPECT_TRUE(judgeMemory(41, 40, "").miss);
    EXPECT_TRUE(judgeMemory(-1 / 1024.0, 40, "").miss);
    const Verdict failed = judgeMemory(-1, 40, "exit status 1");
    EXPECT_TRUE(failed.miss);
    EXPECT_NE(failed.mark.find("exit status 1"), std::string::npos);
}
