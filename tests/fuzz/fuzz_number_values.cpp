// The number reading, rounding and formatting functions on any text, and on
// any 80-bit bit pattern (NaN, infinities, denormals, the unnormal encodings
// the x87 rejects). Nothing may crash or be undefined; a strict parse fails
// only with ConversionError; the general form reads back to the value; the
// roundings land on whole numbers next to the value; money is exact.
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

// Inside the range a line amount can take, every rounding lands on a whole
// number on the right side of the value and less than a unit from it.
void checkRounding(Extended v)
{
    constexpr Extended kRange = 9.2e18L;
    if (!std::isfinite(v) || std::fabs(v) >= kRange)
        return;
    const auto off = [v](std::int64_t r) { return static_cast<Extended>(r) - v; };
    const std::int64_t half = Roundoff(v);
    if (std::fabs(off(half)) > 0.5L)
        std::abort();
    const std::int64_t away = Ceil_New2(v);
    // (Within one unit as computed: 1 - 1e-4932 is 1 in extended precision.)
    if (!(std::fabs(off(away)) <= 1) || (v > 0 && off(away) < 0) || (v < 0 && off(away) > 0))
        std::abort();
    const Extended cut = Int(v);
    if (cut != std::trunc(v))
        std::abort();
    // Mode 0 reads the value through 15 digits and four decimals first, so
    // it may reach the next whole number from just below; it never passes
    // it, as long as 15 digits hold the whole part.
    if (std::fabs(v) < 1e14L) {
        const std::int64_t general = truncateGeneral(v);
        if (!(std::fabs(off(general)) <= 1))
            std::abort();
    }
    for (int mode = 0; mode < 3; ++mode) {
        // The cell text reads back as the whole number it was made from.
        const std::int64_t whole = hasuWhole(v, mode);
        if (readNumber(hasuText(whole, mode)) != static_cast<Extended>(whole))
            std::abort();
    }
}

// The fixed point is exact: a value becomes money within half its last
// place, and money formats to the digits of its value.
void checkMoney(Extended v)
{
    const Money m = addToFixed(0, v);
    if (!std::isfinite(v) || std::fabs(v) >= 9.2e18L) {
        if (std::isfinite(v) && moneyHeld(m) && std::fabs(v) >= 9.3e18L)
            std::abort();
        return;
    }
    if (!moneyHeld(m))
        std::abort();
    if (std::fabs(fixedToExtended(m) - v) > 0.00005L + std::fabs(v) * 1e-18L)
        std::abort();
    // The decimal text of the money reads back as the very same money.
    if (cellToFixed(fixedDecimalText(m)) != m)
        std::abort();
    // Adding it to a sum and taking it out again leaves the sum.
    const Money sum = cellToFixed("123456789012345678.9");
    if (addFixed(addFixed(sum, m), -m) != sum)
        std::abort();
}

// A picture shows the value: without its separators it reads back within
// half its last shown place.
void checkPicture(Extended v)
{
    if (!std::isfinite(v) || std::fabs(v) >= 1e15L)
        return;
    std::string text = formatPicture(v, "###,##0.##");
    std::string plain;
    for (const char c : text)
        if (c != ',')
            plain += c;
    if (std::fabs(readNumber(plain) - v) > 0.005L + std::fabs(v) * 1e-15L)
        std::abort();
}

void exerciseValue(Extended v, bool checkGeneral = true)
{
    for (int mode = 0; mode < 3; ++mode) {
        const auto amount = HASU_SYORI(v, mode);
        if (!amount.empty() && !MOJITOKAZU(amount))
            std::abort();
    }
    // A raw pattern that no arithmetic makes computes as another value than
    // it prints; the value checks hold for values the program can meet.
    if (checkGeneral) {
        checkRounding(v);
        checkMoney(v);
        checkPicture(v);
    }
    addToFixed(kMoneyOutOfRange, v);
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
