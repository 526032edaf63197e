#pragma once

#include "core/calc/Numbers.h"

#include <cstdint>

namespace yorozu {

// The decimal digits of an extended value, the common ground of every number
// text the program writes. The value is 0.d1 d2 ... dn x 10^pointPos, with
// d1 != 0 unless the value is zero (count == 0).
//
// Pictures and the general form round "the number as the user reads it":
// first to 18 significant digits (correctly rounded, all an extended value
// holds), then half away from zero at the place shown. So 1.005, stored a
// hair below itself, still shows as 1.01 with two decimals, and 0.125 as
// 0.13, where a ties-to-even printf of the binary value gives 1.00 and 0.12.
struct DecimalDigits {
    static constexpr int kMaxDigits = 40;

    bool negative = false;
    bool nan = false;
    bool infinite = false;
    int count = 0;    // significant digits held (trailing zeros may remain)
    int pointPos = 0; // digits before the decimal point
    char digits[kMaxDigits] = {};

    bool isZero() const { return count == 0; }
    bool isSpecial() const { return nan || infinite; }
    // Digit at a position counted from the decimal point: 1 is the units
    // digit, 0 the first decimal, -1 the second...; 0 outside what is held.
    int digitAt(int placeBeforePoint) const;

    // Keeps the first `keep` significant digits and rounds half away from
    // zero on what is dropped; keep <= 0 may round up to a new leading digit
    // or down to zero.
    void roundHalfAwayToDigits(int keep);
    // Rounds half away from zero to `decimals` places after the point.
    void roundHalfAwayToDecimals(int decimals) { roundHalfAwayToDigits(pointPos + decimals); }
    void stripTrailingZeros();
};

// The value to 18 significant digits, correctly rounded (ties to even).
DecimalDigits toDecimalDigits(Extended x);
// The exact digits of units x 10^-decimals (all 39 a 128-bit integer has).
DecimalDigits scaledDecimalDigits(Money units, int decimals);

} // namespace yorozu
