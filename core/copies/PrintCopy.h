#pragma once

#include "core/document/GridRows.h"
#include "core/calc/Money.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace yorozu {

class Estimate;

// The keys of the orientation's company settings file the print copy reads.
// The window fills this with ReadSetting; the copy never touches a file.
struct PrintCopySettings {
    bool hideUnitPriceOfOne = false; // "[単価]=" reads "1": no unit price on lines of quantity "1"
    bool taxRows = false;            // "[消費税]=" reads "True"
    bool noContinuation = false;     // "[つづく]=" reads "1"
    int remarkRows = 0;              // "[備考枠]=", rows of the first page kept for the remarks box

    // From the raw values as ReadSetting returns them (empty when missing).
    static PrintCopySettings fromValues(std::string_view tanka, std::string_view syohizei, std::string_view tuzuku,
                                        std::string_view bikouwaku);
};

// Progress of a long pass: the row reached and the current row count. The
// window moves PB1 and lets pending events run from here.
using PassProgress = std::function<void(int position, int maximum)>;

// What a run of SYOKEI_MAKE found out about the sheet; the survey sheet
// needs SYO_ARI for its level tags.
struct PrintCopyFlags {
    bool NEBIKI_ARI = false;
    Money NEBIKI_GAKU = 0; // yen x 10,000, whole yen
    bool DAI_ARI = false, CYU_ARI = false, SYO_ARI = false;
};

struct PrintCopyResult {
    bool completed = true;
    std::string message; // shown (information, OK) by the caller when not completed
    PrintCopyFlags flags;
};

inline constexpr const char* kSeveralDiscountsMessage = "値引きが複数あります。\r\n処理を中止します。";
// A sum of the sheet beyond what the money fields hold: no copy is printed
// with a figure that is not the sheet's.
inline constexpr const char* kTotalsOutOfRangeMessage = "合計が扱える桁数を超えています。\r\n処理を中止します。";

// Labels of the generated rows.
namespace label {
inline constexpr const char* Syokei = "【　小　計　】";
inline constexpr const char* Cyukei = "【　中　計　】";
inline constexpr const char* Daikei = "【　大　計　】";
inline constexpr const char* NebikiMae = "【　値引き前計　】";
inline constexpr const char* NebikiAto = "【　値引き後計　】";
inline constexpr const char* Zeinuki = "【　税抜き合計　】";
inline constexpr const char* Syohizei = "【　消　費　税　】";
inline constexpr const char* Sougoukei = "【　総　合　計　】";
inline constexpr const char* Tuzuku = "次頁へつづく";
} // namespace label

// Rebuilds the print copy SGP from SG1 with the subtotal (print kinds "積算"
// and "小計"), discount, tax, total and continuation rows. Needs the money
// fields of a full recalculation run just before. SG1 is never changed.
PrintCopyResult SYOKEI_MAKE(Estimate& doc, const PrintCopySettings& settings, const PassProgress& progress = {});

// The rate figure of a summary row from its amount and cost texts: the line
// rate without a tax-exempt mark, tax-inclusive with UTIZEI and not HIKAZEI.
std::string RITU_CALL(std::string_view amount, std::string_view cost, const Estimate& doc);

// ---- the steps, on the copy's rows held outside the grid
GridRows SGP_CLEAR(int lastUsedRow);
void SGP_COPY(GridRows& rows, const Estimate& doc);
void TANKA_DEL(GridRows& rows);
// false when two or more discount lines were found
bool NEBIKI_TANKA(GridRows& rows, PrintCopyFlags& flags);
void DAI_CYU_SYO(GridRows& rows, PrintCopyFlags& flags);
void SYO_KEI(GridRows& rows, const PrintCopyFlags& flags, const Estimate& doc, const PassProgress& progress);
void CYU_KEI(GridRows& rows, const PrintCopyFlags& flags, const Estimate& doc, const PassProgress& progress);
void DAI_KEI(GridRows& rows, const PrintCopyFlags& flags, const Estimate& doc, const PassProgress& progress);
void NEBIKI_WRITE(GridRows& rows, const PrintCopyFlags& flags, const PrintCopySettings& settings, const Estimate& doc);
void ZEI_TO_KEI(GridRows& rows, const PrintCopyFlags& flags, const Estimate& doc);
void KEI_WRITE(GridRows& rows, const Estimate& doc);

// Whole yen of a fixed-point sum, cut toward zero: the text written into
// generated rows (kOutOfRangeText for a sum not held).
std::string wholeYenText(Money fixed);

} // namespace yorozu
