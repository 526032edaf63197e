#include "files/text/Cp932Tables.h"

#include "files/text/Cp932Iconv.h"
#include "files/text/Utf8.h"

#include <memory>
#include <string>
#include <string_view>

namespace yorozu::cp932::detail {

namespace {

// What glibc reads one code as: a single character, or nothing when it
// refuses the bytes or reads them as more than one character.
DecodedCode askDecode(std::string_view code, std::string& scratch)
{
    DecodedCode d;
    scratch.clear();
    if (decodeChunk(code, scratch) != Stop::done || !code.empty())
        return d;
    std::size_t i = 0;
    if (scratch.empty() || utf8::next(scratch, i) == utf8::kInvalid || i != scratch.size())
        return d;
    d.length = static_cast<std::uint8_t>(scratch.size());
    for (std::size_t k = 0; k < scratch.size(); ++k)
        d.bytes[k] = scratch[k];
    return d;
}

bool sameCharacter(const DecodedCode& d, std::string_view utf8)
{
    return d.length != 0 && std::string_view(d.bytes, d.length) == utf8;
}

void fillDecode(Tables& t)
{
    std::string scratch;
    for (int b = 0; b < 256; ++b) {
        const char one[] = {static_cast<char>(b)};
        t.single[b] = askDecode(std::string_view(one, 1), scratch);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(static_cast<std::uint8_t>(lead)))
            continue;
        for (int second = 0; second < 256; ++second) {
            const char two[] = {static_cast<char>(lead), static_cast<char>(second)};
            t.pair(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(second)) =
                askDecode(std::string_view(two, 2), scratch);
        }
    }
}

// Whether `code` (one or two bytes) reads back as exactly `utf8`.
bool readsBackAs(const Tables& t, std::string_view code, std::string_view utf8)
{
    const auto b0 = static_cast<std::uint8_t>(code[0]);
    if (code.size() == 1)
        return !isLeadByte(b0) && sameCharacter(t.single[b0], utf8);
    return code.size() == 2 && isLeadByte(b0) && sameCharacter(t.pair(b0, static_cast<std::uint8_t>(code[1])), utf8);
}

// glibc maps some characters one way only (to a code that reads back as
// another character); those are not held. A character held both ways is one
// that some code reads as, so only those need asking.
void tryEncode(Tables& t, std::string_view utf8, std::string& scratch)
{
    std::size_t i = 0;
    const char32_t cp = utf8::next(utf8, i);
    if (cp >= 0x10000 || t.encoded[cp] != kUnmappable)
        return;
    scratch.clear();
    std::string_view in = utf8;
    if (encodeChunk(in, scratch) != Stop::done || !readsBackAs(t, scratch, utf8))
        return;
    const auto b0 = static_cast<std::uint8_t>(scratch[0]);
    t.encoded[cp] = scratch.size() == 1 ? b0 : static_cast<std::uint16_t>(b0 << 8 | static_cast<std::uint8_t>(scratch[1]));
}

void fillEncode(Tables& t)
{
    for (auto& e : t.encoded)
        e = kUnmappable;
    // ASCII is always written as itself.
    for (std::uint16_t c = 0; c < 0x80; ++c)
        t.encoded[c] = c;
    std::string scratch;
    for (const auto& d : t.single)
        if (d.length != 0)
            tryEncode(t, std::string_view(d.bytes, d.length), scratch);
    for (const auto& row : t.pairs)
        for (const auto& d : row)
            if (d.length != 0)
                tryEncode(t, std::string_view(d.bytes, d.length), scratch);
    for (char32_t cp = 0x80; cp < 0x10000; ++cp)
        if (const char32_t twin = twinOf(cp))
            t.encoded[cp] = t.encoded[twin];
}

std::unique_ptr<const Tables> build()
{
    auto t = std::make_unique<Tables>();
    fillDecode(*t);
    fillEncode(*t);
    return t;
}

} // namespace

const Tables& tables()
{
    static const std::unique_ptr<const Tables> t = build();
    return *t;
}

} // namespace yorozu::cp932::detail
