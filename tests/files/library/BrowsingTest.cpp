#include "files/library/Browsing.h"

#include <gtest/gtest.h>

#include <vector>

using namespace yorozu;

namespace {

std::vector<int> positions(const SearchPlan& plan)
{
    std::vector<int> out;
    if (plan.range)
        for (int k = 0; k < plan.range->size(); ++k)
            out.push_back(plan.range->at(k));
    return out;
}

} // namespace

TEST(Browsing, StepsStayOnTheEndFileAndSaySo)
{
    const struct {
        const char* name;
        Step step;
        int current;
        int count;
        int target;
        const char* message;
    } cases[] = {
        {"first", Step::First, 3, 5, 0, ""},
        {"last", Step::Last, 1, 5, 4, ""},
        {"previous", Step::Previous, 3, 5, 2, ""},
        {"previous on the first", Step::Previous, 0, 5, 0, "先頭です。"},
        {"next", Step::Next, 3, 5, 4, ""},
        {"next on the last", Step::Next, 4, 5, 4, "最後です。"},
        {"next past a list that shrank", Step::Next, 9, 5, 4, "最後です。"},
        {"previous in a list that shrank", Step::Previous, 9, 5, 4, ""},
        {"next without a current file", Step::Next, -1, 5, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto t = stepTarget(c.step, c.current, c.count);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->position, c.target);
        EXPECT_EQ(t->message, c.message);
    }
    EXPECT_FALSE(stepTarget(Step::Next, 0, 0));
    EXPECT_FALSE(stepTarget(Step::First, -1, 0));
}

TEST(Browsing, DeletionKeepsThePositionOrTakesTheNewLast)
{
    EXPECT_EQ(positionAfterDeletion(2, 4), 2);
    EXPECT_EQ(positionAfterDeletion(4, 4), 3);
    EXPECT_EQ(positionAfterDeletion(0, 0), -1);
}

TEST(Browsing, ContentSearchRangesAndRefusals)
{
    EXPECT_EQ(positions(contentSearchPlan(SearchCommand::Search, 1, 5)), (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(positions(contentSearchPlan(SearchCommand::Next, 2, 5)), (std::vector<int>{1, 0}));
    EXPECT_EQ(positions(contentSearchPlan(SearchCommand::Previous, 2, 5)), (std::vector<int>{3, 4}));

    const auto empty = contentSearchPlan(SearchCommand::Search, -1, 0);
    EXPECT_FALSE(empty.range);
    EXPECT_EQ(empty.refusal, ""); // an empty list does nothing
    EXPECT_EQ(contentSearchPlan(SearchCommand::Next, 0, 5).refusal, "これ以上はありません。");
    EXPECT_EQ(contentSearchPlan(SearchCommand::Previous, 4, 5).refusal, "これ以上はありません。");
    EXPECT_EQ(contentNotFoundMessage(SearchCommand::Search), "該当する見積はありません。");
    EXPECT_EQ(contentNotFoundMessage(SearchCommand::Next), "該当する見積はありません。");
    EXPECT_EQ(contentNotFoundMessage(SearchCommand::Previous), "これ以上ありません。");
}

TEST(Browsing, NameSearchRangesRefusalsAndLabels)
{
    EXPECT_EQ(positions(nameSearchPlan(SearchCommand::Search, 0, 3)), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(positions(nameSearchPlan(SearchCommand::Previous, 0, 3)), (std::vector<int>{1, 2}));
    EXPECT_EQ(nameSearchPlan(SearchCommand::Search, -1, 0).refusal, "ファイルがありません。");
    EXPECT_EQ(nameSearchPlan(SearchCommand::Next, 0, 3).refusal, "これ以上ありません。");
    EXPECT_EQ(nameSearchPlan(SearchCommand::Previous, 2, 3).refusal, "これ以上ありません。");

    EXPECT_EQ(contentProgressText(2, 5), "現在ﾌｧｲﾙ№[ 3 ] / 見積総数[ 5 ]件");
    EXPECT_EQ(nameMatchText(0, 1234), "[ 1 / 1,234 ]");
    EXPECT_EQ(nameMatchText(4, 5), "[ 5 / 5 ]");
    EXPECT_EQ(nameNotFoundText(1234), "[  / 1234 ]");
}

TEST(Browsing, NameTermsMatchTheWholePath)
{
    const std::filesystem::path file = "/home/office/山田様/20261210120000_倉庫.qte";
    EXPECT_TRUE(nameMatches(file, "倉庫"));
    EXPECT_TRUE(nameMatches(file, "山田様")); // the folder counts
    EXPECT_FALSE(nameMatches(file, "事務所"));
    EXPECT_FALSE(nameMatches(file, ""));
}
