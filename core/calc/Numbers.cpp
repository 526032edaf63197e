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

namespace {

constexpr Money kScale = 10000;
// Magnitude from which a cell's figure is not held: the 64-bit range of whole
// yen, where line products are pinned.
constexpr Money kCellLimit = static_cast<Money>(std::numeric_limits<std::int64_t>::max()) * kScale;
// Sums stay below this; with every addend below kCellLimit no addition can
// leave the 128-bit range.
constexpr Money kSumLimit = kMoneyOutOfRange / 10; // moneyHeld

// Nearest integer of value x 10000, ties to even, without the rounding a
// product in extended precision would make past 64 significant bits: the
// whole part is exact as an integer, the fraction is scaled on its own (the
// whole part times 10,000 is even, so the tie rule is the fraction's).
bool scaleToFixed(Extended value, Money& out)
{
    if (std::isinf(value) || std::fabs(value) >= 1e30L)
        return false;
    const Extended whole = std::trunc(value);
    const Extended fraction = value - whole;
    out = static_cast<Money>(whole) * kScale + static_cast<Money>(std::rint(fraction * 10000));
    return true;
}

// A plain decimal text ("-12", "3.5", ".25") to yen x 10,000, the fifth and
// later decimals rounded ties to even; false for anything else.
bool plainTextToFixed(std::string_view text, Money& out)
{
    const size_t n = text.size();
    size_t i = 0;
    const bool negative = n > 0 && text[0] == '-';
    if (n > 0 && (text[0] == '-' || text[0] == '+'))
        ++i;
    Money whole = 0;
    int digits = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (whole < kSumLimit)
            whole = whole * 10 + (text[i] - '0');
        ++digits;
    }
    Money fraction = 0;
    int decimals = 0;
    bool sticky = false; // a non-zero digit beyond the fifth decimal
    int fifth = -1;
    if (i < n && text[i] == '.') {
        for (++i; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
            const int d = text[i] - '0';
            if (decimals < 4)
                fraction = fraction * 10 + d;
            else if (decimals == 4)
                fifth = d;
            else if (d != 0)
                sticky = true;
            ++decimals;
            ++digits;
        }
    }
    if (i != n || digits == 0)
        return false;
    for (int d = decimals; d < 4; ++d)
        fraction *= 10;
    Money units = whole >= kSumLimit ? kSumLimit : whole * kScale + fraction;
    if (fifth > 5 || (fifth == 5 && (sticky || units % 2 != 0)))
        ++units;
    out = negative ? -units : units;
    return true;
}

} // namespace

Money addFixed(Money sum, Money units)
{
    if (!moneyHeld(sum) || units <= -kCellLimit || units >= kCellLimit)
        return kMoneyOutOfRange;
    const Money s = sum + units;
    return moneyHeld(s) ? s : kMoneyOutOfRange;
}

static Money inCellRange(Money units)
{
    return units <= -kCellLimit || units >= kCellLimit ? kMoneyOutOfRange : units;
}

Money toFixed(Extended value)
{
    if (std::isnan(value))
        return 0;
    Money units = 0;
    return scaleToFixed(value, units) ? inCellRange(units) : kMoneyOutOfRange;
}

Money cellToFixed(std::string_view text)
{
    Money units = 0;
    return plainTextToFixed(text, units) ? inCellRange(units) : toFixed(readNumber(text));
}

Money addToFixed(Money sum, Extended value)
{
    return addFixed(sum, toFixed(value));
}

Money addCellToFixed(Money sum, std::string_view text)
{
    return addFixed(sum, cellToFixed(text));
}

Extended fixedToExtended(Money fixed)
{
    return static_cast<Extended>(fixed) / 10000;
}

std::string wholeYenDigits(Money fixed)
{
    const bool negative = fixed < 0;
    Money magnitude = (negative ? -fixed : fixed) / kScale;
    char rev[48];
    int n = 0;
    do {
        rev[n++] = static_cast<char>('0' + static_cast<int>(magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    std::string out;
    if (negative && (fixed <= -kScale))
        out += '-';
    for (int k = n - 1; k >= 0; --k)
        out += rev[k];
    return out;
}

std::string fixedDecimalText(Money fixed)
{
    const Money magnitude = fixed < 0 ? -fixed : fixed;
    std::string fraction = std::to_string(static_cast<int>(magnitude % kScale));
    fraction.insert(0, 4 - fraction.size(), '0');
    return (fixed < 0 ? "-" : "") + wholeYenDigits(magnitude) + "." + fraction;
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
