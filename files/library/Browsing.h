#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace yorozu {

// The toolbar's four stepping commands through the file list.
enum class Step { First, Previous, Next, Last };

struct StepTarget {
    int position = 0;
    std::string message; // shown before the file is opened ("先頭です。", "最後です。") or empty
};

// Where a step from the current file index lands in a list of `count` files;
// nothing for an empty list. Stepping past either end stays on the end file
// (it is opened again) and says so.
std::optional<StepTarget> stepTarget(Step step, int currentIndex, int count);

// Asked before a step when "[矢印ボタン確認]=1".
inline constexpr std::string_view kStepQuestion =
    "現在編集中のデータがある場合は先に登録してください。\r\n表示中のデータはクリアされます。\r\n\r\n\r\nよろしいですか?";

// The position to select after a file was deleted at `position`: the same
// position, or the new last one when the list has become shorter; -1 for an
// empty list.
int positionAfterDeletion(int position, int newCount);

// The three directions of both searches: "検索" from the newest file down,
// "次検索" from the file below the selection down, "前検索" from the file
// above it up.
enum class SearchCommand { Search, Next, Previous };

// The positions a search examines, in order: first, first + step, ..., last.
struct SearchRange {
    int first = 0;
    int last = -1;
    int step = -1;
    int size() const { return step < 0 ? first - last + 1 : last - first + 1; }
    int at(int k) const { return first + k * step; }
};

// A search either runs over a range or is refused with a message (shown
// after a beep); an empty message refuses silently.
struct SearchPlan {
    std::optional<SearchRange> range;
    std::string refusal;
};

SearchPlan contentSearchPlan(SearchCommand command, int selected, int count);
SearchPlan nameSearchPlan(SearchCommand command, int selected, int count);

// What the content search says when it examined its range without a match.
std::string contentNotFoundMessage(SearchCommand command);
inline constexpr std::string_view kSearchQuestion = "検索すると表示データはクリアクリアされます。";
inline constexpr std::string_view kSearchStopped = "検索を中止しました。";
inline constexpr std::string_view kNoFiles = "ファイルがありません。";
inline constexpr std::string_view kNoMore = "これ以上ありません。";
inline constexpr std::string_view kNameNotFound = "見つかりませんでした。";

// The content search's label: "現在ﾌｧｲﾙ№[ 3 ] / 見積総数[ 5 ]件" (position 0-based in).
std::string contentProgressText(int position, int count);
// The file-name search's label on a match, the count grouped by thousands,
// and when nothing matched.
std::string nameMatchText(int position, int count);
std::string nameNotFoundText(int count);

// The file-name search: the term occurs in the file's full path.
bool nameMatches(const std::filesystem::path& file, std::string_view term);

} // namespace yorozu
