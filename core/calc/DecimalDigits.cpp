#include "core/calc/DecimalDigits.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace yorozu {

static_assert(std::numeric_limits<Extended>::digits == 64,
              "the sheet's arithmetic needs an 80-bit extended long double (64-bit significand)");

namespace {

__extension__ typedef unsigned __int128 Uint128;

constexpr int kSignificant = 18;

// Digits produced exactly, before the 18-digit rounding: enough for one
// rounding digit past the 18th, and a flag for anything non-zero beyond.
struct ExactDigits {
    char digits[48];
    int count = 0;
    int pointPos = 0;
    bool sticky = false;
};

// Rounds the exact digits to 18 significant ones, ties to even, as a
// correctly rounded conversion does.
void roundToSignificant(const ExactDigits& exact, DecimalDigits& out)
{
    int n = exact.count < kSignificant ? exact.count : kSignificant;
    std::memcpy(out.digits, exact.digits, static_cast<size_t>(n));
    out.count = n;
    out.pointPos = exact.pointPos;
    if (exact.count <= kSignificant)
        return;
    const char next = exact.digits[kSignificant];
    bool beyond = exact.sticky;
    for (int i = kSignificant + 1; i < exact.count && !beyond; ++i)
        beyond = exact.digits[i] != '0';
    const bool up = next > '5' || (next == '5' && (beyond || ((out.digits[n - 1] - '0') & 1)));
    if (!up)
        return;
    int i = n - 1;
    while (i >= 0 && out.digits[i] == '9')
        out.digits[i--] = '0';
    if (i >= 0) {
        ++out.digits[i];
    } else {
        out.digits[0] = '1';
        out.count = 1;
        ++out.pointPos;
    }
}

// Exact expansion through 128-bit integers: a = m x 2^(e-64) with a 64-bit m.
// Covers every magnitude from about 1e-18 to 3e38, which holds every number a
// sheet ever sees; the rest goes through the C library.
bool exactDigits(Extended a, ExactDigits& out)
{
    int e = 0;
    const Extended fr = std::frexp(a, &e);
    const auto m = static_cast<std::uint64_t>(std::ldexp(fr, 64));
    const int fracBits = 64 - e;
    if (fracBits < -63 || fracBits > 124)
        return false;

    Uint128 intPart = 0;
    Uint128 frac = 0;
    if (fracBits <= 0) {
        intPart = static_cast<Uint128>(m) << (-fracBits);
    } else if (fracBits < 64) {
        intPart = m >> fracBits;
        frac = m & ((std::uint64_t{1} << fracBits) - 1);
    } else {
        frac = m;
    }

    char rev[40];
    int ni = 0;
    while (intPart > std::numeric_limits<std::uint64_t>::max()) {
        rev[ni++] = static_cast<char>('0' + static_cast<int>(intPart % 10));
        intPart /= 10;
    }
    // The common case in 64 bits: 128-bit division is a library call.
    for (auto small = static_cast<std::uint64_t>(intPart); small != 0; small /= 10)
        rev[ni++] = static_cast<char>('0' + static_cast<int>(small % 10));
    for (int i = 0; i < ni; ++i)
        out.digits[i] = rev[ni - 1 - i];
    out.count = ni;
    out.pointPos = ni;

    const Uint128 mask = fracBits > 0 ? ((Uint128{1} << fracBits) - 1) : 0;
    // Fraction digits: frac / 2^fracBits, one digit per multiplication by 10.
    while (frac != 0 && out.count <= kSignificant) {
        frac *= 10;
        const int digit = static_cast<int>(frac >> fracBits);
        frac &= mask;
        if (out.count == 0 && digit == 0) {
            --out.pointPos; // leading zero after the point
            continue;
        }
        out.digits[out.count++] = static_cast<char>('0' + digit);
    }
    out.sticky = frac != 0;
    return true;
}

void libraryDigits(Extended a, DecimalDigits& out)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kSignificant - 1, a);
    // "d.ddd...e+XX"; the radix character is skipped whatever it is.
    const char* p = buf;
    out.count = 0;
    while (*p && *p != 'e' && *p != 'E') {
        if (*p >= '0' && *p <= '9' && out.count < DecimalDigits::kMaxDigits)
            out.digits[out.count++] = *p;
        ++p;
    }
    const int exponent = *p ? std::atoi(p + 1) : 0;
    out.pointPos = exponent + 1;
}

} // namespace

int DecimalDigits::digitAt(int placeBeforePoint) const
{
    const int index = pointPos - placeBeforePoint;
    return index >= 0 && index < count ? digits[index] - '0' : 0;
}

void DecimalDigits::roundHalfAwayToDigits(int keep)
{
    if (isSpecial() || count == 0 || keep >= count)
        return;
    if (keep < 0) {
        count = 0;
        pointPos = 0;
        return;
    }
    const bool up = digits[keep] >= '5';
    count = keep;
    if (!up) {
        stripTrailingZeros();
        return;
    }
    int i = count - 1;
    while (i >= 0 && digits[i] == '9')
        --i;
    if (i >= 0) {
        ++digits[i];
        count = i + 1;
    } else {
        digits[0] = '1';
        count = 1;
        ++pointPos;
    }
}

void DecimalDigits::stripTrailingZeros()
{
    while (count > 0 && digits[count - 1] == '0')
        --count;
    if (count == 0)
        pointPos = 0;
}

DecimalDigits toDecimalDigits(Extended x)
{
    DecimalDigits out;
    if (std::isnan(x)) {
        out.nan = true;
        return out;
    }
    out.negative = std::signbit(x);
    if (std::isinf(x)) {
        out.infinite = true;
        return out;
    }
    if (x == 0)
        return out;
    const Extended a = std::fabs(x);
    ExactDigits exact;
    if (exactDigits(a, exact))
        roundToSignificant(exact, out);
    else
        libraryDigits(a, out);
    out.stripTrailingZeros();
    return out;
}

DecimalDigits scaledDecimalDigits(Money units, int decimals)
{
    __extension__ typedef unsigned __int128 Unsigned;
    DecimalDigits out;
    out.negative = units < 0;
    // Magnitude in unsigned arithmetic: the most negative value has no
    // positive counterpart.
    Unsigned magnitude = out.negative ? 0 - static_cast<Unsigned>(units) : static_cast<Unsigned>(units);
    char rev[DecimalDigits::kMaxDigits];
    int n = 0;
    for (; magnitude != 0; magnitude /= 10)
        rev[n++] = static_cast<char>('0' + static_cast<int>(magnitude % 10));
    for (int i = 0; i < n; ++i)
        out.digits[i] = rev[n - 1 - i];
    out.count = n;
    out.pointPos = n - decimals;
    out.stripTrailingZeros();
    return out;
}

} // namespace yorozu
