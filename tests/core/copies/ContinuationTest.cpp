#include "core/copies/PrintCopyFixtures.h"

#include "core/copies/Continuation.h"

#include <gtest/gtest.h>

using namespace yorozu;

namespace {

// A copy of n rows; `marks` gives column 1 of chosen rows.
GridRows copyOf(int n, const std::vector<std::pair<int, std::string>>& marks = {})
{
    GridRows rows(static_cast<size_t>(n + 1), emptyGridRow());
    for (int r = 1; r <= n; ++r) {
        rows[static_cast<size_t>(r)][col::No] = std::to_string(r);
        rows[static_cast<size_t>(r)][col::Description] = "line " + std::to_string(r);
    }
    for (const auto& [r, mark] : marks)
        rows[static_cast<size_t>(r)][col::Dai] = mark;
    return rows;
}

std::vector<int> continuationIndices(const GridRows& rows)
{
    std::vector<int> found;
    for (size_t r = 1; r < rows.size(); ++r)
        if (rows[r][col::Dai] == "~") {
            EXPECT_EQ(rows[r][col::Description], "次頁へつづく");
            found.push_back(static_cast<int>(r));
        }
    return found;
}

PrintCopySettings remarks(int b)
{
    PrintCopySettings s;
    s.remarkRows = b;
    return s;
}

TEST(PageCapacity, ByOrientationAndLineSpacing)
{
    struct Case {
        int muki, gyoukan, b, first, later;
    };
    const Case table[] = {
        {0, 0, 0, 19, 29}, {0, 1, 0, 23, 35}, {0, 2, 0, 29, 44}, {1, 0, 0, 11, 19},
        {1, 1, 0, 13, 23}, {1, 2, 0, 17, 29}, {0, 0, 3, 16, 29}, {1, 2, 5, 12, 29},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(::testing::Message() << "MUKI " << c.muki << " GYOUKAN " << c.gyoukan << " b " << c.b);
        const auto cap = pageCapacity(c.muki, c.gyoukan, c.b);
        EXPECT_EQ(cap.first, c.first);
        EXPECT_EQ(cap.later, c.later);
    }
}

TEST(Continuation, FirstPageBreakAtItsCapacity)
{
    Estimate doc; // portrait, "大", plain kind
    auto fits = copyOf(19);
    TUZUKU(fits, doc, remarks(0));
    EXPECT_TRUE(continuationIndices(fits).empty()) << "19 rows fill the first page exactly";

    auto rows = copyOf(20);
    TUZUKU(rows, doc, remarks(0));
    ASSERT_EQ(continuationIndices(rows), std::vector<int>{19});
    EXPECT_EQ(rows[18][col::Description], "line 18");
    EXPECT_EQ(rows[20][col::Description], "line 19");
    EXPECT_EQ(rows[21][col::Description], "line 20");
    EXPECT_EQ(rows[21][col::No], "21") << "rows below an insertion are renumbered";
}

TEST(Continuation, EveryLaterPageEndsWithOne)
{
    for (int muki = 0; muki <= 1; ++muki) {
        for (int gyoukan = 0; gyoukan <= 2; ++gyoukan) {
            SCOPED_TRACE(::testing::Message() << "MUKI " << muki << " GYOUKAN " << gyoukan);
            Estimate doc;
            doc.setMUKI(muki);
            doc.setGYOUKAN(gyoukan);
            const auto cap = pageCapacity(muki, gyoukan, 0);
            // Enough rows for three full pages and a few on the fourth.
            auto rows = copyOf(cap.first + 2 * cap.later - 2 + 5);
            TUZUKU(rows, doc, remarks(0));
            const std::vector<int> expected = {cap.first, cap.first + cap.later, cap.first + 2 * cap.later};
            EXPECT_EQ(continuationIndices(rows), expected);
            EXPECT_EQ(static_cast<int>(rows.size()) - 1, cap.first + 2 * cap.later - 2 + 5 + 3);
        }
    }
}

TEST(Continuation, NoneWhenSwitchedOff)
{
    Estimate doc;
    auto rows = copyOf(100);
    PrintCopySettings s;
    s.noContinuation = true;
    TUZUKU(rows, doc, s);
    EXPECT_TRUE(continuationIndices(rows).empty());
    EXPECT_EQ(rows.size(), 101u);
}

TEST(Continuation, RemarksBoxKeepsClosingLinesOnTheFirstPage)
{
    Estimate doc;
    // b = 3: the first page holds 16 rows; two closing lines follow them.
    auto rows = copyOf(18, {{17, "@"}, {18, "@"}});
    TUZUKU(rows, doc, remarks(3));
    EXPECT_TRUE(continuationIndices(rows).empty());

    // Without a remarks box the closing lines are ordinary rows and can be pushed over.
    auto plain = copyOf(21, {{20, "@"}, {21, "@"}});
    TUZUKU(plain, doc, remarks(0));
    EXPECT_EQ(continuationIndices(plain), std::vector<int>{19});
}

TEST(Continuation, RemarksBoxStopsTheWalkBeforeTheClosingLines)
{
    Estimate doc;
    doc.setGYOUKAN(0);
    // b = 3 and 40 body rows: the first page breaks at 16, the second at 16 + 29;
    // the walk stops in front of the closing line, so nothing follows it.
    auto rows = copyOf(60, {{50, "@"}, {51, "@"}});
    TUZUKU(rows, doc, remarks(3));
    EXPECT_EQ(continuationIndices(rows), (std::vector<int>{16, 45}));
}

TEST(Continuation, SurveyKindCountsFromOneAndSkipsTheFirstPageBreak)
{
    Estimate doc;
    doc.setPRN_S(1);
    auto rows = copyOf(40);
    TUZUKU(rows, doc, remarks(0));
    EXPECT_EQ(continuationIndices(rows), std::vector<int>{29});

    // The survey copy itself breaks like the plain kind.
    auto survey = copyOf(40);
    TUZUKU_SGS(survey, doc, remarks(0));
    EXPECT_EQ(continuationIndices(survey), (std::vector<int>{19}));
}

} // namespace
