#include "core/calc/Numbers.h"

#include "core/calc/Format.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace yorozu {

namespace {

// Powers of ten that an extended value holds exactly (5^27 < 2^64).
constexpr int kExactPowers = 28;
constexpr auto kPow10 = [] {
    struct Table {
        Extended v[kExactPowers];
    } t{};
    Extended p = 1;
    for (int i = 0; i < kExactPowers; ++i) {
        t.v[i] = p;
        p *= 10;
    }
    return t;
}();

bool isSpace(char c) { return c == ' ' || c == '\t'; }

// The sheet's cells are nearly always short plain decimals ("12", "-3.5",
// "1234.567"): no spaces, no exponent, at most 19 characters and so at most
// 19 digits, which fit the mantissa whatever they are. Such a text needs none
// of the bookkeeping of the general reader below and gives the same value:
// leading zeros add nothing to the mantissa, and the one exact division is
// the same rounding. Anything else is left to the general reader.
bool parseShortPlain(std::string_view text, Extended& value)
{
    const size_t n = text.size();
    if (n == 0 || n > 19)
        return false;
    size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    const bool negative = text[0] == '-';
    std::uint64_t mantissa = 0;
    size_t digits = 0;
    size_t pointAt = n;
    for (; i < n; ++i) {
        const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
        if (digit <= 9) {
            mantissa = mantissa * 10 + digit;
            ++digits;
        } else if (text[i] == '.' && pointAt == n) {
            pointAt = i;
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    if (mantissa == 0) {
        value = 0;
        return true;
    }
    const size_t decimals = pointAt == n ? 0 : n - pointAt - 1;
    const Extended m = static_cast<Extended>(mantissa);
    value = decimals == 0 ? m : m / kPow10.v[decimals];
    if (negative)
        value = -value;
    return true;
}

// Reads decimal text: optional spaces, sign, digits with an optional point,
// an optional exponent, optional spaces. Up to 19 significant digits with a
// small scale are converted with one exact multiplication or division (one
// rounding, so the result is the correctly rounded one); anything longer goes
// to strtold in the C locale. Never through double: 1.1 must be the extended
// value nearest to 1.1, or 1.1 x 100 stops being 110.
bool parseNumber(std::string_view text, Extended& value)
{
    if (parseShortPlain(text, value))
        return true;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && isSpace(text[i]))
        ++i;
    const size_t begin = i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t mantissa = 0;
    int significant = 0;
    int scale = 0; // value = mantissa x 10^scale
    bool anyDigit = false;
    bool tooLong = false;
    bool point = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        anyDigit = true;
        if (mantissa == 0 && c == '0') {
            if (point)
                --scale;
            continue;
        }
        if (significant < 19) {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            ++significant;
            if (point)
                --scale;
        } else {
            tooLong = true;
        }
    }
    if (!anyDigit)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '-' || text[i] == '+')) {
            expNegative = text[i] == '-';
            ++i;
        }
        if (i >= n || text[i] < '0' || text[i] > '9')
            return false;
        int exponent = 0;
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
        scale += expNegative ? -exponent : exponent;
    }
    size_t end = i;
    while (i < n && isSpace(text[i]))
        ++i;
    if (i != n)
        return false;

    if (mantissa == 0) {
        value = 0;
        return true;
    }
    if (!tooLong && scale > -kExactPowers && scale < kExactPowers) {
        const Extended m = static_cast<Extended>(mantissa);
        value = scale >= 0 ? m * kPow10.v[scale] : m / kPow10.v[-scale];
        if (negative)
            value = -value;
        return true;
    }

    // The grammar is checked above, so strtold sees plain decimal text only
    // (never "inf", "nan" or hex). The C locale keeps "." the radix whatever
    // the desktop's locale is.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    char small[128];
    std::string large;
    const size_t len = end - begin;
    const char* s = nullptr;
    if (len < sizeof small) {
        std::memcpy(small, text.data() + begin, len);
        small[len] = '\0';
        s = small;
    } else {
        large.assign(text.substr(begin, len));
        s = large.c_str();
    }
    value = strtold_l(s, nullptr, cLocale);
    // Beyond the extended range the text is not a number the sheet can use.
    return !std::isinf(value);
}

} // namespace

Extended readNumber(std::string_view text)
{
    Extended v = 0;
    return parseNumber(text, v) ? v : 0;
}

Extended strictNumber(std::string_view text)
{
    Extended v = 0;
    if (!parseNumber(text, v))
        throw ConversionError(concat({"'", text, "' is not a valid number"}));
    return v;
}

} // namespace yorozu
