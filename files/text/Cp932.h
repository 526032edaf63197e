#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace yorozu::cp932 {

// Code page 932 bytes to UTF-8. Never fails: bytes the code page leaves
// undefined come through as private-use characters that encode back to the
// same bytes, so a file read and written back keeps its bytes. 0x5C reads as
// "\" and 0x7E as "~" (showing them as yen sign or overline is up to the view).
std::string decode(std::string_view bytes);
// The same, appending to `out`.
void decodeAppend(std::string_view bytes, std::string& out);

struct EncodeResult {
    bool ok = true;
    std::string bytes;       // the code page 932 form (complete only when ok)
    std::string unmappable;  // UTF-8: the characters the code page cannot hold, each once
};

// UTF-8 to code page 932. Characters the code page cannot hold are never
// replaced: the result is not ok and names them. The stand-ins other systems
// use for a code page character (wave dash U+301C, minus U+2212, yen sign ...)
// are written as that character. A character with two codes is written in the
// code Windows writes for it.
EncodeResult encode(std::string_view utf8);
// The same, appending to `out`; characters not held are added to
// `unmappable` (each once, also across calls). False when there was one.
bool encodeAppend(std::string_view utf8, std::string& out, std::string& unmappable);

// Code page 932 bytes of one character: 1 for ASCII, half-width katakana,
// the yen sign and a carried single byte; 2 for anything else, a character the
// code page cannot hold included.
std::size_t charByteLength(char32_t cp);

// Length of the code page 932 form, counting an unmappable character as 2 bytes.
std::size_t byteLength(std::string_view utf8);

// The longest leading part whose code page 932 form fits in maxBytes,
// never cutting a double-byte character in half.
std::string truncateBytes(std::string_view utf8, std::size_t maxBytes);

// True for the private-use characters that stand for bytes the code page
// leaves undefined (a view may want to show them specially).
bool isCarried(char32_t cp);

} // namespace yorozu::cp932
