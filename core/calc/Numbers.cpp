#include "core/calc/Numbers.h"

#include "core/calc/DecimalDigits.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace yorozu {

namespace {

// Saturating conversion of an integral extended value: amounts past the
// 64-bit range are pinned to its ends and NaN gives 0, where a plain cast
// would be undefined.
std::int64_t toInt64(Extended r)
{
    constexpr Extended kTwo63 = 9223372036854775808.0L;
    if (std::isnan(r))
        return 0;
    if (r >= kTwo63)
        return std::numeric_limits<std::int64_t>::max();
    if (r < -kTwo63)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

} // namespace

std::int64_t addToFixed(std::int64_t sum, Extended value)
{
    if (std::isnan(value))
        return sum;
    return roundToEven(value * 10000 + static_cast<Extended>(sum));
}

Extended fixedToExtended(std::int64_t fixed)
{
    return static_cast<Extended>(fixed) / 10000;
}

std::int64_t Roundoff(Extended x)
{
    return toInt64(x >= 0 ? std::trunc(x + 0.5L) : std::trunc(x - 0.5L));
}

std::int64_t Ceil_New2(Extended x)
{
    return toInt64(x >= 0 ? std::ceil(x) : std::floor(x));
}

Extended Int(Extended x)
{
    return std::trunc(x);
}

std::int64_t roundToEven(Extended x)
{
    // Every sum of the sheet passes here. Adding 1.5 x 2^63 leaves no
    // fraction bits, so the addition itself rounds to the nearest integer
    // (ties to even, the default mode), and the 64-bit significand of the
    // result is then that integer plus 1.5 x 2^63: no rint call and no
    // truncating conversion, which on the x87 reloads the control word.
    constexpr Extended kMagic = 13835058055282163712.0L; // 1.5 x 2^63
    constexpr Extended kTwo62 = 4611686018427387904.0L;
    if (std::fabs(x) < kTwo62) {
        const Extended shifted = x + kMagic;
        std::uint64_t significand = 0;
        std::memcpy(&significand, &shifted, sizeof significand);
        return static_cast<std::int64_t>(significand - 13835058055282163712ULL);
    }
    return toInt64(std::rint(x));
}

std::int64_t truncateGeneral(Extended x)
{
    // Truncation goes through the 15-digit general form and a four-decimal
    // fixed value: 0.53 x 100 lies just below 53 and must still give 53.
    // Below 1e9 with a fraction under .9999 neither rounding can reach the
    // next whole number, so the digits are needed only near one.
    const Extended a = std::fabs(x);
    if (a < 1e9L) {
        const Extended whole = std::trunc(a);
        if (a - whole < 0.9999L) {
            const auto w = static_cast<std::int64_t>(whole);
            return x < 0 ? -w : w;
        }
    }
    DecimalDigits d = toDecimalDigits(x);
    if (d.nan)
        return 0;
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    std::uint64_t whole = 0;
    bool pinned = d.infinite || d.pointPos > 19;
    if (!pinned) {
        d.roundHalfAwayToDigits(15);
        for (int place = d.pointPos; place >= 1 && !pinned; --place) {
            const auto digit = static_cast<std::uint64_t>(d.digitAt(place));
            if (whole > (kMax - digit) / 10)
                pinned = true;
            else
                whole = whole * 10 + digit;
        }
        // Four decimals, ties to even: a fraction from .99995 up is a whole unit.
        int firstFour = 0;
        for (int place = 0; place >= -4; --place)
            firstFour = firstFour * 10 + d.digitAt(place);
        if (firstFour >= 99995 && whole < kMax)
            ++whole;
    }
    if (pinned)
        whole = kMax;
    const auto value = static_cast<std::int64_t>(whole);
    return d.negative ? -value : value;
}

std::int64_t hasuWhole(Extended x, int hasuMode)
{
    if (hasuMode == 1)
        return Ceil_New2(x);
    if (hasuMode == 2)
        return Roundoff(x);
    return truncateGeneral(x);
}

std::string hasuText(std::int64_t whole, int hasuMode)
{
    if (whole == 0 && hasuMode != 1 && hasuMode != 2)
        return {};
    return std::to_string(whole);
}

std::string HASU_SYORI(Extended x, int hasuMode)
{
    return hasuText(hasuWhole(x, hasuMode), hasuMode);
}

std::string hasuModeName(int hasuMode)
{
    switch (hasuMode) {
    case 1:
        return "切り上げ";
    case 2:
        return "四捨五入";
    default:
        return "切捨て";
    }
}

} // namespace yorozu
