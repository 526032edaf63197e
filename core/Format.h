#pragma once

#include "core/Numbers.h"

#include <string>
#include <string_view>

namespace yorozu {

// The general 15-significant-digit form: shortest text with at most 15
// significant digits, fixed notation for magnitudes up to 15 integer digits
// and from 0.00001, scientific otherwise.
std::string formatGeneral(Extended x);

// A picture such as "###,##0.##", "###,##0.###", "###.#", "##0.0" or "#":
// digit grouping when the picture has a comma, '0' places always shown,
// '#' places only when significant; the last shown digit rounds half away from zero.
std::string formatPicture(Extended x, std::string_view picture);

// "%0.n" (grouped, no decimals) and "%10.n"-style forms: decimals = n.
std::string formatThousands(Extended x, int decimals);

} // namespace yorozu
