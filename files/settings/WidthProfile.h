#pragma once

#include "core/document/Estimate.h"
#include "files/text/TextFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// Column-width profiles of the sheet SG1: "[形状]=1" or "[形状]=0" for the
// shape check box, then "k=width" for the columns 0 to 17 in column order
// (-1 a hidden column, 0 the hidden memo column). Column order matters: the
// key "1=" is found by substring search and must meet its own line before
// the line of column 11.
inline constexpr const char* kWidthProfile1 = "SEL_WIDTH1.INI";
inline constexpr const char* kWidthProfile2 = "SEL_WIDTH2.INI";  // applied at start-up
inline constexpr const char* kWidthDefaults = "SEL_WIDTH3.INI";

// Questions and messages of the profile commands.
inline constexpr const char* kSaveWidthProfile1Question = "現在表示のセル幅設定をセル幅設定１に保存します。\r\nよろしいですか？";
inline constexpr const char* kSaveWidthProfile2Question =
    "現在表示のセル幅設定をセル幅設定２(起動用)に保存します。\r\nよろしいですか？";
inline constexpr const char* kWidthProfileSavedMessage = "登録しました。";
inline constexpr const char* kLoadWidthProfile1Question = "セル幅設定１を読み込みます。\r\nよろしいですか？";
inline constexpr const char* kLoadWidthProfile2Question = "セル幅設定２(起動用)を読み込みます。\r\nよろしいですか？";
inline constexpr const char* kLoadWidthDefaultsQuestion = "セルサイズを既定値に戻します。\r\nよろしいですか？";

// The lines of a profile for the shape box state and the column widths.
std::vector<std::string> widthProfileLines(bool shapeShown, const std::vector<int>& widths);

// What a profile holds before anyone saves one.
const std::vector<std::string>& defaultWidthProfileLines();

// Rewrites a profile whole (N25Click / N26Click after the question, and the
// parts panel's width save into "SEL_WIDTH3.INI").
WriteResult writeWidthProfile(const std::filesystem::path& programDir, std::string_view fileName, bool shapeShown,
                              const std::vector<int>& widths);

struct WidthProfileResult {
    bool applied = false;     // the file was there and its widths are now SG1's
    bool wroteDefaults = false;
    WriteResult write;        // outcome of writing the default content
};

// Applies a profile to the sheet: the shape box (its column rule runs), then
// every width of SG1; a column without a usable line is hidden. A missing
// file ticks the shape box, leaves the widths and receives the default
// content, which the next application uses. A file that exists but cannot
// be read throws std::runtime_error.
WidthProfileResult CEL_WIDTH_SET(const std::filesystem::path& programDir, Estimate& estimate,
                                 std::string_view fileName);

} // namespace yorozu
