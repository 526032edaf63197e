#pragma once

#include <string>
#include <string_view>

// Raw chunk conversion between code page 932 and UTF-8 through glibc iconv,
// asked code by code to fill the lookup tables (Cp932Tables.cpp): the
// carrying of undefined bytes, the twins and the round-trip rule live there
// and in the codec.
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
