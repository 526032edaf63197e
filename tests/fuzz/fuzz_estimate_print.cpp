// Any bytes as an estimate file, then what printing does with it: the read
// with its full recalculation, then for every print kind the print copy
// (and for "積算" the survey summary and sheet). Nothing may crash, hang or
// be undefined; the copy never changes the sheet; it either completes or
// stops with its one message.
#include "FuzzTempDir.h"
#include "core/document/Estimate.h"
#include "core/copies/PrintCopy.h"
#include "core/copies/Survey.h"
#include "files/estimate/EstimateRead.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace yorozu;

// A completed copy closes with the sheet's own total: the tax-inclusive
// total under the tax rows, else the sum of amounts (after a discount with
// the tax label and no tax rows, under "値引き後計").
bool grandTotalIsTheSheets(const Estimate& doc, const PrintCopySettings& settings, const PrintCopyFlags& flags)
{
    const bool taxRows = !doc.HIKAZEI && (settings.taxRows || doc.SEIQ || doc.NOHIN || doc.UTIZEI);
    const std::string expected = wholeYenText(taxRows ? doc.ZEIKOMI_KEI : doc.KINGAKU_KEI);
    const char* label = !taxRows && flags.NEBIKI_ARI && settings.taxRows ? label::NebikiAto : label::Sougoukei;
    for (int r = 1; r < doc.SGP.rowCount(); ++r)
        if (doc.SGP.cell(col::Dai, r) == "%" && doc.SGP.cell(col::Description, r) == label &&
            doc.SGP.cell(col::Amount, r) == expected)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace yorozu;
    const auto& dir = fuzz::tempDir();
    const auto file = dir.write("in.qte", data, size);
    Estimate doc;
    if (!TXT_DATA_READ2(doc, file, dir.path()).ok)
        std::abort();

    // The company settings the copy reads, varied with the input.
    const unsigned bits = size == 0 ? 0 : data[size - 1];
    PrintCopySettings settings;
    settings.hideUnitPriceOfOne = bits & 1;
    settings.taxRows = bits & 2;
    settings.noContinuation = bits & 4;
    settings.remarkRows = static_cast<int>((bits >> 3) % 12);

    std::vector<std::vector<std::string>> sheet;
    for (int r = 0; r < doc.SG1.rowCount(); ++r)
        sheet.push_back(doc.SG1.row(r));
    for (int kind = 0; kind < 3; ++kind) {
        doc.setPRN_S(kind);
        doc.recalculateAll();
        const auto result = kind == 1 ? SYUKEI_MAKE(doc, settings) : SYOKEI_MAKE(doc, settings);
        if (!result.completed && result.message != kSeveralDiscountsMessage &&
            result.message != kTotalsOutOfRangeMessage)
            std::abort();
        if (result.completed && !grandTotalIsTheSheets(doc, settings, result.flags))
            std::abort();
        if (kind == 1 && result.completed)
            SEKISAN_MAKE(doc, settings);
        // The sheet is what was read (the recalculation rewrote its figures
        // once, the copies never touch it).
        if (kind > 0) {
            if (doc.SG1.rowCount() != static_cast<int>(sheet.size()))
                std::abort();
            for (int r = 0; r < doc.SG1.rowCount(); ++r)
                if (doc.SG1.row(r) != sheet[static_cast<std::size_t>(r)])
                    std::abort();
        } else {
            sheet.clear();
            for (int r = 0; r < doc.SG1.rowCount(); ++r)
                sheet.push_back(doc.SG1.row(r));
        }
    }
    return 0;
}
