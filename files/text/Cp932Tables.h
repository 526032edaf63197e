#pragma once

#include "files/text/Cp932Bytes.h"

#include <cstdint>

// The code page as two lookup tables, filled from glibc iconv on first use:
// the mapping stays glibc's, and converting a file is then a lookup per
// character instead of iconv calls and a decode-back check per stretch.
namespace yorozu::cp932::detail {

// The UTF-8 of one code; length 0 when the code page leaves the code empty.
struct DecodedCode {
    std::uint8_t length = 0;
    char bytes[4] = {};
};

// An encoded entry below 0x100 is one byte, any other is lead * 256 + trail.
constexpr std::uint16_t kUnmappable = 0xFFFF;

struct Tables {
    DecodedCode single[256];
    // Every lead byte with every second byte, the ones that cannot be trail
    // bytes included, so a lookup needs no range check.
    DecodedCode pairs[60][256];
    // Every BMP character: what encoding it writes (its twin's code for a
    // twin), or kUnmappable. Characters beyond the BMP are never held: no
    // code of the code page reads as one.
    std::uint16_t encoded[0x10000];

    const DecodedCode& pair(std::uint8_t lead, std::uint8_t second) const
    {
        return pairs[leadIndex(lead)][second];
    }
    DecodedCode& pair(std::uint8_t lead, std::uint8_t second) { return pairs[leadIndex(lead)][second]; }

    static constexpr int leadIndex(std::uint8_t lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31; }
};

// Built once, on the first call from any thread. Throws std::runtime_error
// when glibc lacks CP932.
const Tables& tables();

} // namespace yorozu::cp932::detail
