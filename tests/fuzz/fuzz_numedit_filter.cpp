// The numeric control's value filter on any text and limits: the value is
// canonical, within the limits, and filtering it again changes nothing; the
// display and template builders take whatever the filter gives.
#include "controls/numedit/NumEditText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool canonical(std::string_view v)
{
    if (v.empty())
        return true;
    std::size_t i = v[0] == '-' ? 1 : 0;
    const std::size_t digits = i;
    while (i < v.size() && v[i] >= '0' && v[i] <= '9')
        ++i;
    const std::size_t intDigits = i - digits;
    if (intDigits > 1 && v[digits] == '0')
        return false;
    if (i < v.size() && v[i] == '.') {
        if (intDigits == 0)
            return false;
        ++i;
        while (i < v.size() && v[i] >= '0' && v[i] <= '9')
            ++i;
    }
    return i == v.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace yorozu;
    if (size < 2)
        return 0;
    NumLimits limits;
    limits.integerLength = data[0] % 20;
    limits.decimalLength = (data[0] >> 5) & 7;
    limits.minus = (data[1] & 1) != 0;
    NumDisplayFormat format;
    format.comma = (data[1] & 2) != 0;
    format.decimalFixed = (data[1] & 4) != 0;
    format.integerFixed = (data[1] & 8) != 0;
    format.decimalLength = limits.decimalLength;
    format.leftMark = (data[1] & 16) ? "\\" : "";
    format.rightMark = (data[1] & 32) ? "円" : "";
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const auto value = filterNumberText(text, limits);
    if (!canonical(value) && value != "-")
        std::abort();
    if (integerDigitCount(value) > limits.integerLength || decimalDigitCount(value) > limits.decimalLength)
        std::abort();
    if (!limits.minus && !value.empty() && value[0] == '-')
        std::abort();
    if (filterNumberText(value, limits) != value)
        std::abort();
    if (removeLeadingZeros(value) != value)
        std::abort();

    buildNumberDisplay(value, format);
    typedNumberPart(value, format);
    numberTemplate(value, format, limits);
    widestNumberDisplay(format, limits);
    narrowNumberText(text);
    removeLeadingZeros(text);
    return 0;
}
