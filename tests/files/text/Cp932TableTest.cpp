// The lookup tables against glibc iconv itself: the codec before the tables
// (Cp932Reference) and the codec now must agree on every code and every
// character, in the company of other text.
#include "files/text/Cp932Reference.h"

#include "files/text/Cp932.h"
#include "files/text/Utf8.h"

#include "files/support/Hex.h"

#include <gtest/gtest.h>

using namespace yorozu;
using yorozu::test::toHex;

namespace {

std::string referenceDecode(std::string_view bytes)
{
    std::string out;
    cp932::reference::decodeAppend(bytes, out);
    return out;
}

cp932::EncodeResult referenceEncode(std::string_view utf8)
{
    cp932::EncodeResult r;
    r.ok = cp932::reference::encodeAppend(utf8, r.bytes, r.unmappable);
    return r;
}

void expectSameDecode(const std::string& bytes)
{
    const auto expected = referenceDecode(bytes);
    const auto got = cp932::decode(bytes);
    if (got != expected)
        ADD_FAILURE() << "decoding " << toHex(bytes) << ": " << toHex(got) << " instead of " << toHex(expected);
}

void expectSameEncode(const std::string& utf8)
{
    const auto expected = referenceEncode(utf8);
    const auto got = cp932::encode(utf8);
    if (got.ok != expected.ok || got.bytes != expected.bytes || got.unmappable != expected.unmappable)
        ADD_FAILURE() << "encoding " << toHex(utf8) << ": " << got.ok << " " << toHex(got.bytes) << " ["
                      << toHex(got.unmappable) << "] instead of " << expected.ok << " " << toHex(expected.bytes)
                      << " [" << toHex(expected.unmappable) << "]";
}

std::string utf8Of(char32_t cp)
{
    std::string s;
    utf8::append(s, cp);
    return s;
}

} // namespace

TEST(Cp932Tables, DecodeEveryCodeAsIconvDoes)
{
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        expectSameDecode(one);
        expectSameDecode("a" + one + "\x82\xA0" + one);
    }
    // Every lead byte with every second byte, with ASCII after (a trail
    // byte there belongs to a second byte that is itself a lead byte) and
    // the lead byte again at the very end.
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int second = 0; second < 256; ++second) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(second)};
            expectSameDecode(pair);
            expectSameDecode("x" + pair + "y" + pair + static_cast<char>(lead));
        }
    }
}

TEST(Cp932Tables, EncodeEveryCharacterAsIconvDoes)
{
    for (char32_t cp = 0; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const auto ch = utf8Of(cp);
        expectSameEncode(ch);
        // Beside ASCII, a double-byte character and a carried lead byte.
        expectSameEncode("a" + ch + "あ" + ch + "\xEF\x9E\x81");
    }
    for (char32_t cp = 0x10000; cp <= 0x10FFFF; cp += 0xFF)
        expectSameEncode("a" + utf8Of(cp) + "あ");
}

TEST(Cp932Tables, EverythingReadWritesBackAsIconvDoes)
{
    // The text every code reads as, written back: duplicate codes take the
    // code glibc writes, one-way mappings are refused the same way.
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int second = 0x40; second <= 0xFC; ++second) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(second)};
            expectSameEncode(cp932::decode(pair) + "ｱ");
        }
    }
}
