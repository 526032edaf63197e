#include "core/calc/RateConversion.h"

#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace yorozu {

namespace {

__extension__ typedef __int128 Wide;

constexpr std::int64_t kScale = 10000;

std::string_view trimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Divides by a power of ten, the remainder rounded half to even.
Wide divideToEven(Wide value, Wide divisor)
{
    Wide q = value / divisor;
    const Wide rem = value % divisor;
    const Wide twice = (rem < 0 ? -rem : rem) * 2;
    if (twice > divisor || (twice == divisor && q % 2 != 0))
        q += value < 0 ? -1 : 1;
    return q;
}

// A decimal text as a fixed-point value with four decimals; nothing when it is
// not a plain number or does not fit. Decimals beyond the fourth round to even.
std::optional<std::int64_t> readFixed(std::string_view text)
{
    std::string_view s = trimSpaces(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    Wide digits = 0;
    int decimals = 0, count = 0;
    bool point = false;
    for (const char ch : s) {
        if (ch == '.' && !point) {
            point = true;
            continue;
        }
        if (ch < '0' || ch > '9')
            return std::nullopt;
        if (++count > 30)
            return std::nullopt;
        digits = digits * 10 + (ch - '0');
        if (point)
            ++decimals;
    }
    if (count == 0)
        return std::nullopt;
    Wide value = digits;
    for (int d = decimals; d < 4; ++d)
        value *= 10;
    if (decimals > 4) {
        Wide divisor = 1;
        for (int d = 4; d < decimals; ++d)
            divisor *= 10;
        value = divideToEven(value, divisor);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int64_t>::max() || value < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::optional<std::int64_t> multiplyFixed(std::int64_t a, std::int64_t b)
{
    const Wide p = divideToEven(static_cast<Wide>(a) * b, kScale);
    if (p > std::numeric_limits<std::int64_t>::max() || p < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return static_cast<std::int64_t>(p);
}

// Up to four decimals, no trailing zeros: 1542.5, 1048.95, 1333.
std::string fixedText(std::int64_t value)
{
    const bool negative = value < 0;
    const auto magnitude = negative ? -static_cast<Wide>(value) : static_cast<Wide>(value);
    std::string text = (negative ? "-" : "") + std::to_string(static_cast<unsigned long long>(magnitude / kScale));
    auto fraction = static_cast<int>(magnitude % kScale);
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + kScale).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

// A whole number in the 32-bit range, as the rounding-digit test reads it.
std::optional<std::int32_t> readInt32(std::string_view text)
{
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// The unit price for the product text T under the rounding digit; nothing when the conversion must stop.
std::optional<std::string> roundedPrice(const std::string& t, std::string_view marume, std::string_view costText)
{
    const auto point = t.find('.');
    if (marume.empty())
        return point == std::string::npos ? t : t.substr(0, point + 3);
    std::string integer = t.substr(0, point);
    if (integer == "-0")
        integer = "0"; // truncation toward zero of a small negative product
    const auto digit = readInt32(marume);
    if (!digit || *digit < 0)
        return std::nullopt;
    if (*digit == 0)
        return integer;
    const auto whole = readInt32(integer);
    if (!whole)
        return std::nullopt;
    std::string rounded = integer;
    const auto length = rounded.size();
    const auto d = static_cast<size_t>(*digit);
    if (d < length)
        rounded.replace(length - d, d, d, '0');
    else
        rounded.replace(1, length - 1, length - 1, '0');
    const auto value = readInt32(rounded);
    if (!value)
        return std::nullopt;
    // Rounding down must never bring the price to or below the cost.
    const std::int32_t cost = readInt32(costText).value_or(0);
    if (cost >= *value)
        return integer;
    return std::to_string(*value); // "-00" and the like read as the number they are
}

} // namespace

std::optional<std::string> rateConversionRefusal(const Estimate& doc)
{
    if (doc.KAKERITU.empty())
        return std::string(kNoMultiplierMessage);
    return std::nullopt;
}

std::string rateConversionQuestion(const Estimate& doc)
{
    return "掛率=" + doc.KAKERITU + " 丸め桁=" + doc.MARUME + " で一括変換します。" + "\r\n";
}

std::optional<RateConversionResult> rateConversionCommand(Estimate& doc, int sourceColumn, const AskYesNo& ask)
{
    if (!ask || !ask(rateConversionQuestion(doc)))
        return std::nullopt;
    return KAKERITU_ALL(doc, sourceColumn);
}

RateConversionResult KAKERITU_ALL(Estimate& doc, int sourceColumn)
{
    StringGrid& sheet = doc.SG1;
    for (int r = 1; r < sheet.rowCount(); ++r) {
        const std::string& source = sheet.cell(sourceColumn, r);
        if (source.empty() || source == " ")
            continue;
        const auto value = readFixed(source);
        const auto multiplier = readFixed(doc.KAKERITU);
        const auto product = value && multiplier ? multiplyFixed(*value, *multiplier) : std::nullopt;
        const auto price = product ? roundedPrice(fixedText(*product), doc.MARUME, sheet.cell(col::CostPrice, r))
                                   : std::nullopt;
        if (!price)
            return RateConversionResult{false, r};
        sheet.setCell(col::UnitPrice, r, *price);
    }
    doc.recalculateAll();
    return {};
}

void SG2_GENKARITU(StringGrid& SG2, int row)
{
    const std::string& price = SG2.cell(col::UnitPrice, row);
    const std::string& cost = SG2.cell(col::CostPrice, row);
    if (!MOJITOKAZU(price) || !MOJITOKAZU(cost) || cost == "0") {
        SG2.setCell(col::Rate, row, "");
        return;
    }
    std::string rate;
    try {
        rate = WARIZAN(cost, price);
    } catch (const ConversionError&) {
        // "1.2.3" passes the character check but is no number: no ratio, not a stale one.
        rate.clear();
    }
    SG2.setCell(col::Rate, row, rate);
}

} // namespace yorozu
