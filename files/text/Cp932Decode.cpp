#include "files/text/Cp932.h"

#include "files/text/Cp932Bytes.h"
#include "files/text/Cp932Tables.h"

#include <cstring>

namespace yorozu::cp932 {

namespace {

using detail::isLeadByte;
using detail::isTrailByte;

// Writes the UTF-8 of a character below U+10000; returns the end.
char* put(char* out, char32_t cp)
{
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

char* putCarried(char* out, unsigned char b)
{
    return put(out, detail::carriedCodePoint(b));
}

char* put(char* out, const detail::DecodedCode& d)
{
    std::memcpy(out, d.bytes, sizeof d.bytes);
    return out + d.length;
}

} // namespace

void decodeAppend(std::string_view bytes, std::string& out)
{
    // Fetched at the first byte that needs it: ASCII alone never asks iconv,
    // so it reads even where glibc lacks the code page.
    const detail::Tables* t = nullptr;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    // A byte becomes at most three UTF-8 bytes, and the memcpy of an entry
    // writes four: room for the worst case first, trimmed at the end.
    const std::size_t used = out.size();
    out.resize(used + n * 3 + 1);
    char* const begin = out.data();
    char* o = begin + used;
    std::size_t i = 0;
    while (i < n) {
        // Most of what we read is ASCII (numbers, commas, keys): copy it as is.
        const std::size_t ascii = detail::asciiRunLength(p + i, n - i);
        std::memcpy(o, p + i, ascii);
        o += ascii;
        i += ascii;
        if (i < n && t == nullptr)
            t = &detail::tables();
        while (i < n && p[i] >= 0x80) {
            const unsigned char b = p[i];
            if (!isLeadByte(b)) {
                const auto& d = t->single[b];
                o = d.length != 0 ? put(o, d) : putCarried(o, b);
                ++i;
                continue;
            }
            if (i + 1 < n) {
                const unsigned char second = p[i + 1];
                const auto& d = t->pair(b, second);
                if (d.length != 0) {
                    o = put(o, d);
                    i += 2;
                    continue;
                }
                if (isTrailByte(second)) {
                    // A well-formed pair the table leaves empty: both bytes
                    // belong to it, as for any reader of the code page.
                    o = putCarried(putCarried(o, b), second);
                    i += 2;
                    continue;
                }
            }
            // A lead byte at the end or before a byte that cannot follow it
            // (which then stands on its own).
            o = putCarried(o, b);
            ++i;
        }
    }
    out.resize(static_cast<std::size_t>(o - begin));
}

std::string decode(std::string_view bytes)
{
    std::string out;
    decodeAppend(bytes, out);
    return out;
}

} // namespace yorozu::cp932
