#pragma once

#include "core/calc/Numbers.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace yorozu {

// The general 15-significant-digit form: shortest text with at most 15
// significant digits, fixed notation for magnitudes up to 15 integer digits
// and from 0.00001, scientific otherwise.
std::string formatGeneral(Extended x);

// A picture such as "###,##0.##", "###,##0.###", "###.#", "##0.0" or "#":
// digit grouping when the picture has a comma, '0' places always shown,
// '#' places only when significant; the last shown digit rounds half away from zero
// (decimal rounding of the value to 18 significant digits, so 1.005 shows 1.01).
// A zero with no '0' place gives the empty text; a minus sign is shown only
// when a non-zero digit is. Text before the first and after the last
// placeholder is copied as it stands.
std::string formatPicture(Extended x, std::string_view picture);
// The same for an exact decimal, units x 10^-decimals (a fixed-point sum, a
// ratio scaled by 10,000): no binary value in between.
std::string formatPicture(Money units, int decimals, std::string_view picture);

// The "%w.dn" forms: grouped, exactly `decimals` places, rounded half away
// from zero, padded with leading spaces to `width`. "%0.n" is (x, 0) and
// "%10.n" is (x, 0, 10).
std::string formatThousands(Extended x, int decimals, int width = 0);

// A money sum (yen x 10,000) in "%0.n": whole yen, grouped, rounded half
// away from zero on the exact value; kOutOfRangeText for a sum not held.
std::string formatMoney(Money fixed);

// Joins texts in one allocation. Also sidesteps GCC 12's false -Wrestrict
// on "literal" + std::string at -O3.
std::string concat(std::initializer_list<std::string_view> parts);

} // namespace yorozu
