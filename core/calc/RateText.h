#pragma once

#include <cstdint>
#include <string>

namespace yorozu {

// The rate column's text of a ratio held in ten-thousandths of a per cent:
// the same text as formatPicture(units, 4, "###.#") (one decimal rounded half
// away from zero, no leading zero, no trailing ".0", no sign on a zero),
// written straight from the integer: the full recalculation writes one per
// line, and the general picture path costs a decimal expansion each time.
std::string rateText(std::int64_t units);

} // namespace yorozu
