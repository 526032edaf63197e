#include "core/calc/Format.h"
#include "core/calc/RateText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using namespace yorozu;

namespace {

// The general picture path is the reference: the rate text must be the same
// text for every ratio, including the ends of the 64-bit range.
void expectSameAsPicture(std::int64_t units)
{
    EXPECT_EQ(rateText(units), formatPicture(units, 4, "###.#")) << units;
}

} // namespace

TEST(RateText, EdgeRatiosMatchThePicture)
{
    std::vector<std::int64_t> cases = {0,
                                       std::numeric_limits<std::int64_t>::max(),
                                       std::numeric_limits<std::int64_t>::min(),
                                       std::numeric_limits<std::int64_t>::max() - 499,
                                       std::numeric_limits<std::int64_t>::min() + 500};
    // Around every rounding boundary of the first few tenths, both signs:
    // 499/500/501 decide between zero, ".1", "1" and "-.5"-type texts.
    for (std::int64_t tenth = 0; tenth <= 2100; ++tenth)
        for (const std::int64_t offset : {-501, -500, -499, -1, 0, 1, 499, 500, 501})
            for (const std::int64_t sign : {1, -1})
                cases.push_back(sign * (tenth * 1000 + offset));
    for (std::int64_t power = 1; power <= std::numeric_limits<std::int64_t>::max() / 10; power *= 10)
        for (const std::int64_t delta : {-500, -1, 0, 1, 499, 500})
            for (const std::int64_t sign : {1, -1})
                cases.push_back(sign * (power + delta));
    for (const auto units : cases)
        expectSameAsPicture(units);
}

TEST(RateText, RandomRatiosMatchThePicture)
{
    std::mt19937_64 engine(20261210);
    for (int i = 0; i < 200000; ++i) {
        const auto raw = static_cast<std::int64_t>(engine());
        // Every magnitude from single units to the full range.
        const int shift = static_cast<int>(engine() % 64);
        expectSameAsPicture(raw >> shift);
    }
}
