#include "core/calc/RateText.h"

namespace yorozu {

std::string rateText(std::int64_t units)
{
    // Magnitude in unsigned arithmetic: the most negative value has no
    // positive counterpart.
    const bool negative = units < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(units) + 1 : static_cast<std::uint64_t>(units);
    // Tenths, half away from zero; the quotient first so that nothing overflows.
    const std::uint64_t tenths = magnitude / 1000 + (magnitude % 1000 >= 500 ? 1 : 0);
    if (tenths == 0)
        return {};
    char buf[24];
    char* end = buf + sizeof buf;
    char* p = end;
    const auto decimal = static_cast<char>('0' + tenths % 10);
    if (decimal != '0') {
        *--p = decimal;
        *--p = '.';
    }
    for (std::uint64_t whole = tenths / 10; whole != 0; whole /= 10)
        *--p = static_cast<char>('0' + whole % 10);
    if (negative)
        *--p = '-';
    return std::string(p, static_cast<size_t>(end - p));
}

} // namespace yorozu
