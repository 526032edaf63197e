#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace yorozu::cp932 {

// Code page 932 bytes to UTF-8. Never fails: bytes the code page leaves
// undefined come through as private-use characters that encode back to the
// same bytes, so a file read and written back keeps its bytes.
std::string decode(std::string_view bytes);

struct EncodeResult {
    bool ok = true;
    std::string bytes;       // the code page 932 form (complete only when ok)
    std::string unmappable;  // UTF-8: the characters the code page cannot hold, each once
};

// UTF-8 to code page 932. Characters the code page cannot hold are never
// replaced: the result is not ok and names them.
EncodeResult encode(std::string_view utf8);

// Length of the code page 932 form, counting an unmappable character as 2 bytes.
std::size_t byteLength(std::string_view utf8);

// The longest leading part whose code page 932 form fits in maxBytes,
// never cutting a double-byte character in half.
std::string truncateBytes(std::string_view utf8, std::size_t maxBytes);

} // namespace yorozu::cp932
