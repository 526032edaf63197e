#include "controls/numedit/NumEditText.h"

#include <cstddef>

namespace yorozu {

namespace {

constexpr char32_t kBadChar = 0xFFFFFFFF;

// Decodes one UTF-8 character at `pos`, advancing it; kBadChar for broken
// sequences so that the caller stops there rather than guessing.
char32_t decodeUtf8(std::string_view s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t ch = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        ch = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        ch = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        ch = lead & 0x07;
    } else {
        pos = s.size();
        return kBadChar;
    }
    if (pos + static_cast<std::size_t>(extra) >= s.size()) {
        pos = s.size();
        return kBadChar;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((c & 0xC0) != 0x80) {
            pos = s.size();
            return kBadChar;
        }
        ch = (ch << 6) | (c & 0x3F);
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return ch;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string groupByThree(std::string_view digits)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// In a code page 932 font the backslash is the yen sign; our fonts are
// Unicode, so a mark typed as "\" is shown as what the user meant.
std::string markText(std::string_view mark)
{
    std::string out;
    for (char c : mark) {
        if (c == '\\')
            out += "\u00A5";
        else
            out += c;
    }
    return out;
}

struct Parts {
    std::string_view sign;
    std::string_view integer;
    bool point = false;
    std::string_view decimals;
};

Parts splitValue(std::string_view value)
{
    Parts p;
    if (!value.empty() && value.front() == '-') {
        p.sign = value.substr(0, 1);
        value.remove_prefix(1);
    }
    const auto dot = value.find('.');
    if (dot == std::string_view::npos) {
        p.integer = value;
    } else {
        p.integer = value.substr(0, dot);
        p.point = true;
        p.decimals = value.substr(dot + 1);
    }
    return p;
}

} // namespace

char32_t narrowNumberChar(char32_t ch)
{
    if (ch >= U'\uFF10' && ch <= U'\uFF19')
        return U'0' + (ch - U'\uFF10');
    if (ch == U'\uFF0D' || ch == U'\u2212') // full-width hyphen-minus, minus sign
        return U'-';
    if (ch == U'\uFF0E')
        return U'.';
    if (ch == U'\uFF0C')
        return U',';
    return ch;
}

std::string narrowNumberText(std::string_view text)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t ch = decodeUtf8(text, pos);
        if (ch < 0x80) {
            out += static_cast<char>(ch);
            continue;
        }
        if (ch == U'\uFF0C')
            continue; // a full-width comma carries nothing
        const char32_t narrow = narrowNumberChar(ch);
        if (narrow >= 0x80)
            break;
        out += static_cast<char>(narrow);
    }
    return out;
}

std::string removeLeadingZeros(std::string_view value)
{
    const Parts p = splitValue(value);
    std::string_view integer = p.integer;
    while (integer.size() > 1 && integer.front() == '0')
        integer.remove_prefix(1);
    std::string out(p.sign);
    if (integer.empty() && p.point)
        out += '0';
    else
        out += integer;
    if (p.point) {
        out += '.';
        out += p.decimals;
    }
    return out;
}

std::string filterNumberText(std::string_view text, const NumLimits& limits)
{
    const std::string narrow = narrowNumberText(text);
    std::string taken;
    bool point = false;
    int decimals = 0;
    for (char c : narrow) {
        if (isDigit(c)) {
            if (point) {
                // Surplus decimals are cut, and nothing after them can count.
                if (decimals >= limits.decimalLength)
                    break;
                ++decimals;
            }
            taken += c;
        } else if (c == ',') {
            continue;
        } else if (c == '.') {
            if (limits.decimalLength <= 0 || point)
                break;
            point = true;
            taken += c;
        } else if (c == '-') {
            if (!taken.empty() || !limits.minus)
                break;
            taken += c;
        } else {
            break;
        }
    }
    std::string value = removeLeadingZeros(taken);
    // Leading zeros carry no value, so they are not counted against the limit.
    if (integerDigitCount(value) > limits.integerLength)
        return {};
    return value;
}

NumDisplay buildNumberDisplay(std::string_view value, const NumDisplayFormat& format)
{
    const Parts p = splitValue(value);
    std::string integer = format.comma ? groupByThree(p.integer) : std::string(p.integer);
    bool point = p.point;
    std::string decimals(p.decimals);
    if (format.decimalFixed) {
        const auto want = static_cast<std::size_t>(format.decimalLength > 0 ? format.decimalLength : 0);
        decimals.resize(want, '0');
        point = want > 0;
    }
    if (integer.empty() && (format.integerFixed || format.decimalFixed))
        integer = "0";
    NumDisplay d;
    d.number = std::string(p.sign) + integer + (point ? "." : "") + decimals;
    if (!d.number.empty()) {
        d.leftMark = markText(format.leftMark);
        d.rightMark = markText(format.rightMark);
    }
    return d;
}

std::string typedNumberPart(std::string_view value, const NumDisplayFormat& format)
{
    NumDisplayFormat plain;
    plain.comma = format.comma;
    return buildNumberDisplay(value, plain).number;
}

std::string numberTemplate(std::string_view value, const NumDisplayFormat& format,
                           const NumLimits& limits)
{
    const NumDisplay own = buildNumberDisplay(value, format);
    std::string integerPart = own.number;
    std::string decimalPart;
    if (const auto dot = integerPart.find('.'); dot != std::string::npos) {
        decimalPart = integerPart.substr(dot);
        integerPart.resize(dot);
    }
    if (format.integerFixed) {
        const std::string zeros(static_cast<std::size_t>(limits.integerLength > 0 ? limits.integerLength : 0), '0');
        integerPart = std::string(limits.minus ? "-" : "") + (format.comma ? groupByThree(zeros) : zeros);
    }
    if (format.decimalFixed) {
        decimalPart = format.decimalLength > 0
                          ? "." + std::string(static_cast<std::size_t>(format.decimalLength), '0')
                          : std::string();
    }
    return integerPart + decimalPart;
}

std::string widestNumberDisplay(const NumDisplayFormat& format, const NumLimits& limits)
{
    const std::string zeros(static_cast<std::size_t>(limits.integerLength > 0 ? limits.integerLength : 0), '0');
    std::string number = std::string(limits.minus ? "-" : "") + (format.comma ? groupByThree(zeros) : zeros);
    if (limits.decimalLength > 0)
        number += "." + std::string(static_cast<std::size_t>(limits.decimalLength), '0');
    return markText(format.leftMark) + number + markText(format.rightMark);
}

int integerDigitCount(std::string_view value)
{
    const Parts p = splitValue(value);
    // The lone "0" of "0.5" or "0" holds no digit of its own: typing 7 after
    // it replaces it, and it must not make a one-digit field overflow.
    if (p.integer == "0")
        return 0;
    return static_cast<int>(p.integer.size());
}

int decimalDigitCount(std::string_view value)
{
    return static_cast<int>(splitValue(value).decimals.size());
}

} // namespace yorozu
