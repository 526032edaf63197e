#pragma once

#include <string>
#include <string_view>

// Raw chunk conversion between code page 932 and UTF-8 through glibc iconv,
// for Cp932.cpp only: the carrying of undefined bytes, the twins and the
// round-trip check live there.
namespace yorozu::cp932::detail {

enum class Stop {
    done,       // the whole input was converted
    invalid,    // input.front() starts a sequence the other side cannot take
    incomplete, // input ends in the middle of a sequence
};

// Convert as much of `input` as possible, appending to `out`; `input` keeps
// what was not converted. Each thread keeps its own pair of descriptors, so
// no call opens one. Throws std::runtime_error when glibc lacks CP932.
Stop decodeChunk(std::string_view& input, std::string& out);
Stop encodeChunk(std::string_view& input, std::string& out);

} // namespace yorozu::cp932::detail
