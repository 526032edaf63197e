#include "core/calc/Format.h"

#include "core/calc/DecimalDigits.h"

#include <string>

namespace yorozu {

namespace {

// A text that is built in a fixed stack buffer and turned into one string at
// the end: the sheet formats thousands of cells per recalculation.
class Builder {
public:
    void put(char c)
    {
        if (n_ < sizeof buf_)
            buf_[n_++] = c;
    }
    void put(std::string_view s)
    {
        for (const char c : s)
            put(c);
    }
    void zeros(int count)
    {
        for (int i = 0; i < count; ++i)
            put('0');
    }
    std::string str() const { return std::string(buf_, n_); }

private:
    char buf_[512];
    size_t n_ = 0;
};

std::string specialText(const DecimalDigits& d)
{
    if (d.nan)
        return "NAN";
    return d.negative ? "-INF" : "INF";
}

// Integer digits of a rounded value, at least minDigits of them, with commas
// between groups of three when grouped.
void putInteger(Builder& b, const DecimalDigits& d, int minDigits, bool grouped)
{
    const int digitCount = d.pointPos > minDigits ? d.pointPos : minDigits;
    for (int place = digitCount; place >= 1; --place) {
        b.put(static_cast<char>('0' + d.digitAt(place)));
        if (grouped && place > 1 && (place - 1) % 3 == 0)
            b.put(',');
    }
}

void putExponent(Builder& b, int exponent)
{
    b.put('E');
    if (exponent < 0) {
        b.put('-');
        exponent = -exponent;
    }
    b.put(std::to_string(exponent));
}

} // namespace

std::string formatGeneral(Extended x)
{
    DecimalDigits d = toDecimalDigits(x);
    if (d.isSpecial())
        return specialText(d);
    d.roundHalfAwayToDigits(15);
    d.stripTrailingZeros();
    if (d.isZero())
        return "0";
    Builder b;
    if (d.negative)
        b.put('-');
    if (d.pointPos > 15 || d.pointPos < -4) {
        b.put(d.digits[0]);
        if (d.count > 1) {
            b.put('.');
            b.put(std::string_view(d.digits + 1, static_cast<size_t>(d.count - 1)));
        }
        putExponent(b, d.pointPos - 1);
        return b.str();
    }
    putInteger(b, d, 1, false);
    if (d.count > d.pointPos) {
        b.put('.');
        for (int place = 0; place > d.pointPos - d.count; --place)
            b.put(static_cast<char>('0' + d.digitAt(place)));
    }
    return b.str();
}

namespace {

std::string pictureOfDigits(DecimalDigits d, std::string_view picture)
{
    // Anything before the first and after the last placeholder is literal.
    const auto first = picture.find_first_of("#0,.");
    const auto last = picture.find_last_of("#0,.");
    std::string_view prefix, suffix, body = picture;
    if (first == std::string_view::npos) {
        prefix = picture;
        body = {};
    } else {
        prefix = picture.substr(0, first);
        body = picture.substr(first, last - first + 1);
        suffix = picture.substr(last + 1);
    }
    int minInteger = 0, maxDecimals = 0, minDecimals = 0;
    bool grouped = false, inFraction = false;
    for (const char c : body) {
        if (c == '.') {
            inFraction = true;
        } else if (c == ',') {
            grouped = grouped || !inFraction;
        } else if (inFraction) {
            ++maxDecimals;
            if (c == '0')
                minDecimals = maxDecimals;
        } else if (c == '0') {
            ++minInteger;
        }
    }

    if (d.isSpecial())
        return specialText(d);
    d.roundHalfAwayToDecimals(maxDecimals);
    d.stripTrailingZeros();

    int decimals = d.isZero() ? 0 : d.count - d.pointPos;
    if (decimals < minDecimals)
        decimals = minDecimals;
    Builder b;
    b.put(prefix);
    if (d.negative && !d.isZero())
        b.put('-');
    putInteger(b, d, minInteger, grouped);
    if (decimals > 0) {
        b.put('.');
        for (int place = 0; place > -decimals; --place)
            b.put(static_cast<char>('0' + d.digitAt(place)));
    }
    b.put(suffix);
    return b.str();
}

std::string thousandsOfDigits(DecimalDigits d, int decimals, int width)
{
    std::string text;
    if (d.isSpecial()) {
        text = specialText(d);
    } else {
        d.roundHalfAwayToDecimals(decimals);
        d.stripTrailingZeros();
        Builder b;
        if (d.negative && !d.isZero())
            b.put('-');
        putInteger(b, d, 1, true);
        if (decimals > 0) {
            b.put('.');
            for (int place = 0; place > -decimals; --place)
                b.put(static_cast<char>('0' + d.digitAt(place)));
        }
        text = b.str();
    }
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

} // namespace

std::string formatPicture(Extended x, std::string_view picture)
{
    return pictureOfDigits(toDecimalDigits(x), picture);
}

std::string formatPicture(Money units, int decimals, std::string_view picture)
{
    return pictureOfDigits(scaledDecimalDigits(units, decimals), picture);
}

std::string formatThousands(Extended x, int decimals, int width)
{
    return thousandsOfDigits(toDecimalDigits(x), decimals, width);
}

std::string formatMoney(Money fixed)
{
    if (!moneyHeld(fixed))
        return kOutOfRangeText;
    return thousandsOfDigits(scaledDecimalDigits(fixed, 4), 0, 0);
}

std::string concat(std::initializer_list<std::string_view> parts)
{
    size_t size = 0;
    for (const auto part : parts)
        size += part.size();
    std::string out;
    out.reserve(size);
    for (const auto part : parts)
        out.append(part);
    return out;
}

} // namespace yorozu
