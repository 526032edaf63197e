#include "files/text/Cp932.h"

#include "files/support/Hex.h"

#include <gtest/gtest.h>

using namespace yorozu;
using yorozu::test::hexBytes;
using yorozu::test::toHex;

namespace {

struct Pair {
    const char* name;
    const char* utf8;
    const char* hex;
};

// Text and its code page 932 form, both ways.
const Pair kRoundTrips[] = {
    {"ascii", "Hello, 123", "48 65 6C 6C 6F 2C 20 31 32 33"},
    {"backslash and tilde stay ASCII", "\\~", "5C 7E"},
    {"hiragana", "あいう", "82A0 82A2 82A4"},
    {"katakana", "アイウ", "8341 8343 8345"},
    {"kanji", "見積書", "8CA9 90CF 8F91"},
    {"trail byte 0x5C", "ソ表能十", "835C 955C 945C 8F5C"},
    {"trail byte 0x7C", "ポ", "837C"},
    {"half-width katakana", "ｱｲｳ｡ﾟ", "B1 B2 B3 A1 DF"},
    {"ideographic space", "　", "8140"},
    {"full-width forms", "～－―∥￠￡￢", "8160 817C 815C 8161 8191 8192 81CA"},
    {"NEC row 13", "①㈱№Ⅰ∮∟⊿", "8740 878A 8782 8754 8793 8798 8799"},
    {"IBM extensions", "ⅰ髙纊", "FA40 FBFC FA5C"},
    {"user-defined area", "\xEE\x80\x80", "F040"},
    {"mixed", "品名A-1 ｻｲｽﾞ,\"x\"", "9569 96BC 41 2D 31 20 BB B2 BD DE 2C 22 78 22"},
    {"empty", "", ""},
};

} // namespace

TEST(Cp932, RoundTripsText)
{
    for (const auto& c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        const auto bytes = hexBytes(c.hex);
        const auto e = cp932::encode(c.utf8);
        EXPECT_TRUE(e.ok);
        EXPECT_EQ(toHex(e.bytes), toHex(bytes));
        EXPECT_EQ(e.unmappable, "");
        EXPECT_EQ(cp932::decode(bytes), c.utf8);
        // The cheap count must agree with the real encoding.
        EXPECT_EQ(cp932::byteLength(c.utf8), bytes.size());
    }
}

namespace {

// Bytes the code page leaves undefined; each must come back byte for byte.
const Pair kCarried[] = {
    {"0x80 as Windows reads it", "a\xC2\x80", "61 80"},
    {"0xA0 and 0xFD..0xFF as Windows reads them", "\xEF\xA3\xB0\xEF\xA3\xB1\xEF\xA3\xB2\xEF\xA3\xB3", "A0 FD FE FF"},
    {"lone lead byte at the end", "abc\xEF\x9E\x81", "61 62 63 81"},
    {"lead byte before a byte that cannot follow it", "\xEF\x9E\x81 x", "81 20 78"},
    {"lead byte before 0xFF", "\xEF\x9E\x81\xEF\xA3\xB3", "81 FF"},
    {"lead byte before a control character", "\xEF\x9E\x9F\x09", "9F 09"},
    {"pair the table leaves empty", "あ\xEF\x9E\x85\xEF\x9D\x80い", "82A0 85 40 82A2"},
    {"empty pair whose second byte is a lead byte", "\xEF\x9E\x85\xEF\x9E\x81@", "85 81 40"},
    {"empty pair at the end of the NEC-selected rows", "\xEF\x9F\xAE\xEF\x9F\xAD", "EE ED"},
    {"lead byte before 0xFD in the last row", "\xEF\x9F\xBC\xEF\xA3\xB1", "FC FD"},
};

} // namespace

TEST(Cp932, CarriesUndefinedBytesThrough)
{
    for (const auto& c : kCarried) {
        SCOPED_TRACE(c.name);
        const auto bytes = hexBytes(c.hex);
        const auto text = cp932::decode(bytes);
        EXPECT_EQ(toHex(text), toHex(c.utf8));
        const auto e = cp932::encode(text);
        EXPECT_TRUE(e.ok) << e.unmappable;
        EXPECT_EQ(toHex(e.bytes), toHex(bytes));
        EXPECT_EQ(cp932::byteLength(text), bytes.size());
    }
}

TEST(Cp932, DuplicateCodesAreWrittenAsWindowsWritesThem)
{
    const struct {
        const char* name;
        const char* read;
        const char* written;
    } cases[] = {
        {"NEC row 13 twin of a JIS character", "8790 8791 8792 8795 8796 8797 879A 879B 879C",
         "81E0 81DF 81E7 81E3 81DB 81DA 81E6 81BF 81BE"},
        {"IBM twin of a JIS character", "FA5B FA54", "81E6 81CA"},
        {"IBM twin of NEC row 13", "FA4A FA58 FA59 FA5A", "8754 878A 8782 8784"},
        {"NEC-selected row twin of IBM", "EEEF ED40 EEE0", "FA40 FA5C FBFC"},
        {"NEC-selected row twin of a JIS character", "EEF9", "81CA"},
        {"NEC row 13 without twin stays", "8793 8798 8799", "8793 8798 8799"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto e = cp932::encode(cp932::decode(hexBytes(c.read)));
        EXPECT_TRUE(e.ok);
        EXPECT_EQ(toHex(e.bytes), toHex(hexBytes(c.written)));
    }
    EXPECT_EQ(toHex(cp932::encode("髙").bytes), "FB FC");
    EXPECT_EQ(toHex(cp932::encode("∵≒≡∫√⊥∠∩∪").bytes), "81 E6 81 E0 81 DF 81 E7 81 E3 81 DB 81 DA 81 BF 81 BE");
}

TEST(Cp932, WritesStandInsAsTheirTwins)
{
    const struct {
        const char* name;
        const char* utf8;
        const char* hex;
        const char* readBack;
    } cases[] = {
        {"wave dash", "〜", "8160", "～"},
        {"minus sign", "−", "817C", "－"},
        {"em dash", "—", "815C", "―"},
        {"double vertical line", "‖", "8161", "∥"},
        {"cent, pound and not signs", "¢£¬", "8191 8192 81CA", "￠￡￢"},
        {"yen sign is the byte 0x5C", "¥100", "5C 31 30 30", "\\100"},
        {"overline is the byte 0x7E", "‾", "7E", "~"},
        {"among other text", "1〜2−3", "31 8160 32 817C 33", "1～2－3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto e = cp932::encode(c.utf8);
        EXPECT_TRUE(e.ok) << e.unmappable;
        EXPECT_EQ(toHex(e.bytes), toHex(hexBytes(c.hex)));
        EXPECT_EQ(cp932::decode(e.bytes), c.readBack);
        EXPECT_EQ(cp932::byteLength(c.utf8), e.bytes.size());
    }
}

TEST(Cp932, ReportsWhatItCannotHoldAndNeverWritesAQuestionMark)
{
    const struct {
        const char* name;
        const char* utf8;
        const char* unmappable;
    } cases[] = {
        {"emoji", "見積😀", "😀"},
        {"each character once, in order", "a😀b한😀c", "😀한"},
        {"latin with accent", "café", "é"},
        {"outside the BMP", "𠮷野家", "𠮷"},
        {"malformed UTF-8 is named by the replacement character", "ab\xFF", "\xEF\xBF\xBD"},
        {"cut-off UTF-8 sequence", "\xE3\x81", "\xEF\xBF\xBD"},
        {"overlong UTF-8 form of a slash", "\xC0\xAF", "\xEF\xBF\xBD"},
        {"UTF-8 of a surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD"},
        {"carried lead byte that an edit put before a trail byte", "\xEF\x9E\x81@", "\xEF\x9E\x81"},
        {"carried byte that reads back as another character", "\xEF\x9D\x81", "\xEF\x9D\x81"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto e = cp932::encode(c.utf8);
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.unmappable, c.unmappable);
        EXPECT_EQ(e.bytes.find('?'), std::string::npos);
    }
}

TEST(Cp932, UnmappableCollectsAcrossCalls)
{
    std::string out;
    std::string unmappable;
    EXPECT_FALSE(cp932::encodeAppend("😀", out, unmappable));
    EXPECT_TRUE(cp932::encodeAppend("あ", out, unmappable)) << "a later good call is ok on its own";
    EXPECT_FALSE(cp932::encodeAppend("😀é", out, unmappable));
    EXPECT_EQ(unmappable, "😀é");
}

TEST(Cp932, ByteLengthCountsCodePageBytes)
{
    const struct {
        const char* utf8;
        std::size_t bytes;
    } cases[] = {
        {"", 0}, {"abc", 3}, {"あいう", 6}, {"ｱｲｳ", 3}, {"¥", 1}, {"😀", 2},
        {"a\xC2\x80", 2}, {"\xEF\x9E\x81", 1}, {"\xEF\xA3\xB3", 1}, {"\xFF", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toHex(c.utf8));
        EXPECT_EQ(cp932::byteLength(c.utf8), c.bytes);
    }
}

TEST(Cp932, TruncateBytesNeverSplitsACharacter)
{
    const struct {
        const char* utf8;
        std::size_t max;
        const char* expected;
    } cases[] = {
        {"あいう", 5, "あい"},
        {"あいう", 6, "あいう"},
        {"あいう", 100, "あいう"},
        {"aあ", 2, "a"},
        {"ｱあ", 2, "ｱ"},
        {"ｱあ", 3, "ｱあ"},
        {"ab", 0, ""},
        {"😀a", 1, ""},
        {"😀a", 3, "😀a"},
        {"ソ表", 3, "ソ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.utf8) + " to " + std::to_string(c.max));
        const auto t = cp932::truncateBytes(c.utf8, c.max);
        EXPECT_EQ(t, c.expected);
        EXPECT_LE(cp932::byteLength(t), c.max);
    }
    // The 200-byte cut of the settings lookup, with an odd limit on full-width text.
    std::string wide;
    for (int i = 0; i < 150; ++i)
        wide += "漢";
    const auto cut = cp932::truncateBytes(wide + "x", 201);
    EXPECT_EQ(cp932::byteLength(cut), 200u);
    EXPECT_EQ(cp932::decode(cp932::encode(cut).bytes), cut);
}
