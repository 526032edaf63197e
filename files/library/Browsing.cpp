#include "files/library/Browsing.h"

#include "files/library/ContentSearch.h"

#include <algorithm>

namespace yorozu {

std::optional<StepTarget> stepTarget(Step step, int currentIndex, int count)
{
    if (count <= 0)
        return std::nullopt;
    const int last = count - 1;
    switch (step) {
    case Step::First:
        return StepTarget{0, {}};
    case Step::Last:
        return StepTarget{last, {}};
    case Step::Previous:
        if (currentIndex - 1 < 0)
            return StepTarget{0, "先頭です。"};
        return StepTarget{std::min(currentIndex - 1, last), {}};
    case Step::Next:
        if (currentIndex + 1 > last)
            return StepTarget{last, "最後です。"};
        return StepTarget{std::max(currentIndex + 1, 0), {}};
    }
    return std::nullopt;
}

int positionAfterDeletion(int position, int newCount)
{
    if (newCount <= 0)
        return -1;
    return std::clamp(position, 0, newCount - 1);
}

namespace {

SearchPlan down(int from)
{
    return {SearchRange{from, 0, -1}, {}};
}

SearchPlan up(int from, int last)
{
    return {SearchRange{from, last, 1}, {}};
}

} // namespace

SearchPlan contentSearchPlan(SearchCommand command, int selected, int count)
{
    const int last = count - 1;
    switch (command) {
    case SearchCommand::Search:
        if (count <= 0)
            return {};
        return down(last);
    case SearchCommand::Next:
        if (selected <= 0 || count <= 0)
            return {std::nullopt, "これ以上はありません。"};
        return down(std::min(selected, count) - 1);
    case SearchCommand::Previous:
        if (selected >= last)
            return {std::nullopt, "これ以上はありません。"};
        return up(std::max(selected + 1, 0), last);
    }
    return {};
}

SearchPlan nameSearchPlan(SearchCommand command, int selected, int count)
{
    if (count <= 0)
        return {std::nullopt, std::string(kNoFiles)};
    const int last = count - 1;
    switch (command) {
    case SearchCommand::Search:
        return down(last);
    case SearchCommand::Next:
        if (selected <= 0)
            return {std::nullopt, std::string(kNoMore)};
        return down(std::min(selected, count) - 1);
    case SearchCommand::Previous:
        if (selected >= last)
            return {std::nullopt, std::string(kNoMore)};
        return up(std::max(selected + 1, 0), last);
    }
    return {};
}

std::string contentNotFoundMessage(SearchCommand command)
{
    return command == SearchCommand::Previous ? "これ以上ありません。" : "該当する見積はありません。";
}

std::string contentProgressText(int position, int count)
{
    return "現在ﾌｧｲﾙ№[ " + std::to_string(position + 1) + " ] / 見積総数[ " + std::to_string(count) + " ]件";
}

namespace {

// "###,###": digits grouped by thousands, nothing for zero.
std::string grouped(int n)
{
    if (n == 0)
        return {};
    std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return n < 0 ? "-" + out : out;
}

} // namespace

std::string nameMatchText(int position, int count)
{
    return "[ " + std::to_string(position + 1) + " / " + grouped(count) + " ]";
}

std::string nameNotFoundText(int count)
{
    return "[  / " + std::to_string(count) + " ]";
}

bool nameMatches(const std::filesystem::path& file, std::string_view term)
{
    return !term.empty() && file.string().find(normalizeSearchTerm(term)) != std::string::npos;
}

} // namespace yorozu
