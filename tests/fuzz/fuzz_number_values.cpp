// The number reading, rounding and formatting functions on any text, and on
// any 80-bit bit pattern (NaN, infinities, denormals, the unnormal encodings
// the x87 rejects). Nothing may crash or be undefined; a strict parse fails
// only with ConversionError; the general form reads back to the value.
#include "core/calc/Format.h"
#include "core/calc/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace yorozu;

void exerciseValue(Extended v, bool checkGeneral = true)
{
    for (int mode = 0; mode < 3; ++mode) {
        const auto amount = HASU_SYORI(v, mode);
        if (!amount.empty() && !MOJITOKAZU(amount))
            std::abort();
    }
    Roundoff(v);
    Ceil_New2(v);
    Int(v);
    addToFixed(0, v);
    addToFixed(std::numeric_limits<std::int64_t>::max(), v);
    addToFixed(std::numeric_limits<std::int64_t>::min(), v);
    for (const char* picture : {"###,##0.##", "###,##0.###", "###.#", "##0.0", "#", "##0.0%"})
        formatPicture(v, picture);
    formatThousands(v, 0);
    formatThousands(v, 2, 10);
    const auto general = formatGeneral(v);
    if (checkGeneral && std::isfinite(v)) {
        // 15 significant digits: the text is within 1e-14 of the value.
        const Extended back = readNumber(general);
        if (std::fabs(back - v) > std::fabs(v) * 1e-14L + std::numeric_limits<Extended>::denorm_min() * 2
            && std::isfinite(back))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    exerciseValue(readNumber(text));
    try {
        exerciseValue(strictNumber(text));
    } catch (const ConversionError&) {
    }
    for (int decimals : {2, 3}) {
        try {
            STR_COMMA(text, decimals);
        } catch (const ConversionError&) {
        }
    }
    const auto slash = text.find('/');
    try {
        if (slash != std::string_view::npos)
            WARIZAN(text.substr(0, slash), text.substr(slash + 1));
    } catch (const ConversionError&) {
    }
    const auto narrow = ZEN_HAN(text);
    if (narrow.size() > text.size())
        std::abort();
    MOJITOKAZU(text);

    if (size >= 10) {
        Extended raw = 0;
        std::memcpy(&raw, data, 10);
        // Pseudo-denormals print as one value and compute as another; no
        // arithmetic ever makes one, so only the general form is not checked.
        exerciseValue(raw, false);
        volatile Extended one = 1; // not folded away: the multiplication normalises
        exerciseValue(raw * one);
    }
    return 0;
}
