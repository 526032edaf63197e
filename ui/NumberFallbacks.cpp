// Weak stand-ins for two display helpers of core/Numbers.h, so the window
// links and shows numbers while the number module is still on its way. The
// module's own definitions replace these as soon as it is linked in; this
// file goes once it is.
#include "core/Numbers.h"

#include <string>

namespace yorozu {

__attribute__((weak)) std::string STR_COMMA(std::string_view text, int decimalLength)
{
    if (text.size() <= 1)
        return std::string(text);
    std::string sign, whole, frac;
    std::size_t i = 0;
    if (text[0] == '-') {
        sign = "-";
        i = 1;
    }
    const auto dot = text.find('.', i);
    whole = std::string(text.substr(i, dot == std::string_view::npos ? std::string_view::npos : dot - i));
    if (dot != std::string_view::npos)
        frac = std::string(text.substr(dot + 1, static_cast<std::size_t>(decimalLength)));
    for (char c : whole + frac)
        if (c < '0' || c > '9')
            return std::string(text);
    while (!frac.empty() && frac.back() == '0')
        frac.pop_back();
    std::string grouped;
    for (std::size_t k = 0; k < whole.size(); ++k) {
        if (k > 0 && (whole.size() - k) % 3 == 0)
            grouped += ',';
        grouped += whole[k];
    }
    if (grouped.empty())
        grouped = "0";
    return sign + grouped + (frac.empty() ? "" : "." + frac);
}

__attribute__((weak)) std::string hasuModeName(int hasuMode)
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
