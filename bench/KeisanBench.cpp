// Times the two recalculations on a sheet of 10,000 lines: the line
// recalculation runs on every keystroke in a numeric cell, the full one on
// load, paste, option changes and before printing.
#include "core/Estimate.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <time.h>

using namespace yorozu;

namespace {

template <typename F>
double medianMicros(int runs, F&& f)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        // Thread CPU time: the machine may be shared, wall time says little.
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        f(i);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        t.push_back(static_cast<double>(b.tv_sec - a.tv_sec) * 1e6 + static_cast<double>(b.tv_nsec - a.tv_nsec) / 1e3);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

} // namespace

int main()
{
    constexpr int kLines = 10000;
    Estimate doc;
    doc.SG1.setRowCount(kLines + 1);
    for (int r = 1; r <= kLines; ++r) {
        doc.SG1.setCell(col::Quantity, r, std::to_string(r % 17) + ".5");
        doc.SG1.setCell(col::UnitPrice, r, std::to_string(1000 + r));
        doc.SG1.setCell(col::CostPrice, r, std::to_string(600 + r % 300) + ".25");
        if (r % 9 == 0)
            doc.SG1.setCell(col::TaxExempt, r, "1");
    }
    for (int mode = 0; mode <= 2; ++mode) {
        doc.HASU_MODE = mode;
        const double full = medianMicros(21, [&](int) { doc.recalculateAll(); });
        const double line = medianMicros(201, [&](int i) {
            const int row = 1 + (i * 37) % kLines;
            doc.SG1.setCell(col::UnitPrice, row, std::to_string(1000 + i));
            doc.recalculateLine(row);
        });
        std::printf("mode %d: full recalculation %.0f us, line recalculation %.0f us (%d lines)\n", mode, full,
                    line, kLines);
    }
    doc.UTIZEIClick(true);
    const double full = medianMicros(21, [&](int) { doc.recalculateAll(); });
    std::printf("tax included: full recalculation %.0f us\n", full);
    return 0;
}
