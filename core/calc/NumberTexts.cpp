#include "core/calc/Numbers.h"

#include "core/calc/Format.h"

#include <algorithm>
#include <string>

namespace yorozu {

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

} // namespace yorozu
