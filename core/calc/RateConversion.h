#pragma once

#include <functional>
#include <optional>
#include <string>

namespace yorozu {

class Estimate;
class StringGrid;

inline constexpr const char* kNoMultiplierMessage = "掛率が設定されていません。\r\n";

struct RateConversionResult {
    // False when a source cell, the multiplier or the rounding digit was not a
    // number: the rows before `stoppedAtRow` are converted, no recalculation ran.
    bool completed = true;
    int stoppedAtRow = 0;
};

// The button "掛率一括": the message to show instead of the menu when the
// multiplier is empty, nothing when the menu may open.
std::optional<std::string> rateConversionRefusal(const Estimate& doc);

// The Yes/No question of the two menu items.
std::string rateConversionQuestion(const Estimate& doc);

// The menu items "原価　×　掛率" (source column 13) and "単価　×　掛率" (source
// column 12): ask, and on Yes convert. Nothing when the answer is No. The
// caller closes any open cell editor first and beeps on a completed run.
using AskYesNo = std::function<bool(const std::string& question)>;
std::optional<RateConversionResult> rateConversionCommand(Estimate& doc, int sourceColumn, const AskYesNo& ask);

// Rewrites the unit price of every line from the source column times the
// multiplier KAKERITU, rounded by MARUME, then recalculates everything.
RateConversionResult KAKERITU_ALL(Estimate& doc, int sourceColumn);

// The cost ratio of one line of the parts grid.
void SG2_GENKARITU(StringGrid& SG2, int row);

} // namespace yorozu
