#include "core/Numbers.h"

#include "core/DecimalDigits.h"
#include "core/Format.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
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

// Reads decimal text: optional spaces, sign, digits with an optional point,
// an optional exponent, optional spaces. Up to 19 significant digits with a
// small scale are converted with one exact multiplication or division (one
// rounding, so the result is the correctly rounded one); anything longer goes
// to strtold in the C locale. Never through double: 1.1 must be the extended
// value nearest to 1.1, or 1.1 x 100 stops being 110.
bool parseNumber(std::string_view text, Extended& value)
{
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
    errno = 0;
    value = strtold_l(s, nullptr, cLocale);
    // Beyond the extended range the text is not a number the sheet can use.
    return !std::isinf(value);
}

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

Extended readNumber(std::string_view text)
{
    Extended v = 0;
    return parseNumber(text, v) ? v : 0;
}

Extended strictNumber(std::string_view text)
{
    Extended v = 0;
    if (!parseNumber(text, v))
        throw ConversionError("'" + std::string(text) + "' is not a valid number");
    return v;
}

std::int64_t addToFixed(std::int64_t sum, Extended value)
{
    if (std::isnan(value))
        return sum;
    // rint rounds in the current mode, which is to nearest, ties to even.
    return toInt64(std::rint(value * 10000 + static_cast<Extended>(sum)));
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

std::string HASU_SYORI(Extended x, int hasuMode)
{
    if (hasuMode == 1)
        return std::to_string(Ceil_New2(x));
    if (hasuMode == 2)
        return std::to_string(Roundoff(x));

    // Truncation goes through the 15-digit general form and a four-decimal
    // fixed value: 0.53 x 100 lies just below 53 and must still give 53.
    DecimalDigits d = toDecimalDigits(x);
    if (d.nan)
        return {};
    std::uint64_t whole = 0;
    bool pinned = d.infinite || d.pointPos > 19;
    if (!pinned) {
        d.roundHalfAwayToDigits(15);
        for (int place = d.pointPos; place >= 1 && !pinned; --place) {
            const unsigned digit = static_cast<unsigned>(d.digitAt(place));
            if (whole > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
                pinned = true;
            else
                whole = whole * 10 + digit;
        }
        // Four decimals, ties to even: a fraction from .99995 up is a whole yen.
        int firstFour = 0;
        for (int place = 0; place >= -4; --place)
            firstFour = firstFour * 10 + d.digitAt(place);
        if (firstFour >= 99995)
            ++whole;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (pinned || whole > kMax)
        whole = kMax;
    if (whole == 0)
        return {};
    return (d.negative ? "-" : "") + std::to_string(whole);
}

std::string STR_COMMA(std::string_view text, int decimalLength)
{
    if (text.empty())
        return {};
    size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    if (characters == 1)
        return std::string(text);
    return formatPicture(strictNumber(text), decimalLength == 2 ? "###,##0.##" : "###,##0.###");
}

std::string ZEN_HAN(std::string_view text)
{
    // Full-width digits are U+FF10 to U+FF19: EF BC 90 to EF BC 99 in UTF-8.
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xEF &&
            static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            const auto third = static_cast<unsigned char>(text[i + 2]);
            if (third >= 0x90 && third <= 0x99) {
                out += static_cast<char>('0' + (third - 0x90));
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool MOJITOKAZU(std::string_view text)
{
    if (text.empty())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == '.')
            continue;
        if (c == '-' && i == 0)
            continue;
        return false;
    }
    return true;
}

std::string WARIZAN(std::string_view a, std::string_view b)
{
    if (b == "0")
        return {};
    const Extended numerator = strictNumber(a);
    const Extended denominator = strictNumber(b);
    if (denominator == 0)
        throw ConversionError("division by zero");
    const Extended r = numerator / denominator * 100;
    if (r < 0.09L || r > 999.9L)
        return {};
    std::string s = formatGeneral(r);
    const auto point = s.find('.');
    if (point != std::string::npos) {
        s.resize(std::min(s.size(), point + 2));
    } else if (s.size() == 2) {
        s += ".0";
    }
    return s;
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
