#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// The byte classes of code page 932 and the private-use characters that
// carry the bytes it leaves undefined, shared by the decoder, the encoder and
// the width count.
namespace yorozu::cp932::detail {

constexpr bool isLeadByte(std::uint8_t b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isTrailByte(std::uint8_t b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Length of the run of ASCII bytes at p (the same in code page 932 and
// UTF-8), eight at a time while it lasts: most of a file is ASCII.
inline std::size_t asciiRunLength(const unsigned char* p, std::size_t n)
{
    std::size_t i = 0;
    while (i + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        if (word & 0x8080808080808080u)
            break;
        i += 8;
    }
    while (i < n && p[i] < 0x80)
        ++i;
    return i;
}

// Windows reads 0x80 as U+0080 and 0xA0, 0xFD, 0xFE, 0xFF as U+F8F0..U+F8F3;
// we do the same so that text moved between the two compares equal. Every
// other byte that does not form a character (a lead byte without a valid
// trail byte, or both bytes of a pair the table leaves empty) is carried as
// U+F700 + byte. glibc's CP932 maps nothing in U+F700..U+F8FF (its user-
// defined rows use U+E000..U+E757), so these never meet a real character.
constexpr char32_t kCarriedBase = 0xF700;
constexpr char32_t kCarriedFirst = kCarriedBase + 0x40;
constexpr char32_t kCarriedLast = kCarriedBase + 0xFC;

constexpr char32_t carriedCodePoint(std::uint8_t b)
{
    switch (b) {
    case 0x80: return 0x0080;
    case 0xA0: return 0xF8F0;
    case 0xFD: return 0xF8F1;
    case 0xFE: return 0xF8F2;
    case 0xFF: return 0xF8F3;
    default: return kCarriedBase + b;
    }
}

// The byte a carried character stands for, or -1 for any other character.
constexpr int carriedByte(char32_t cp)
{
    if (cp == 0x0080) return 0x80;
    if (cp >= 0xF8F0 && cp <= 0xF8F3) {
        constexpr std::uint8_t bytes[] = {0xA0, 0xFD, 0xFE, 0xFF};
        return bytes[cp - 0xF8F0];
    }
    if (cp >= kCarriedFirst && cp <= kCarriedLast)
        return static_cast<int>(cp - kCarriedBase);
    return -1;
}

// Characters written as their code page 932 twin, as Windows writes them:
// what input methods and other programs on Linux produce for the wave dash,
// minus, dashes, double bar, cent, pound and not signs, and the yen sign and
// overline, which the single-byte half of the code page puts on 0x5C and 0x7E.
// 0 when the character has no twin.
constexpr char32_t twinOf(char32_t cp)
{
    switch (cp) {
    case 0x301C: return 0xFF5E; // 〜 -> ～
    case 0x2212: return 0xFF0D; // − -> －
    case 0x2014: return 0x2015; // — -> ―
    case 0x2016: return 0x2225; // ‖ -> ∥
    case 0x00A2: return 0xFFE0; // ¢ -> ￠
    case 0x00A3: return 0xFFE1; // £ -> ￡
    case 0x00AC: return 0xFFE2; // ¬ -> ￢
    case 0x00A5: return 0x005C; // ¥ -> the byte 0x5C
    case 0x203E: return 0x007E; // ‾ -> the byte 0x7E
    default: return 0;
    }
}

} // namespace yorozu::cp932::detail
