#pragma once

// Files no program of ours writes, for every reader to take: each must read
// to a defined result, without crash or hang, and leave the caller able to go on.
#include <cstdint>
#include <string>
#include <vector>

namespace yorozu::test {

struct HostileFile {
    const char* name;
    std::string bytes;
};

// Reproducible pseudo-random bytes (every value 0..255, NUL and line ends included).
inline std::string garbageBytes(std::size_t size, std::uint32_t seed = 12345)
{
    std::string out(size, '\0');
    for (auto& c : out) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 23);
    }
    return out;
}

inline std::string manyRows(std::size_t rows, const std::string& row)
{
    std::string out;
    out.reserve(rows * (row.size() + 2));
    for (std::size_t i = 0; i < rows; ++i)
        out += row + "\r\n";
    return out;
}

// The hostile shapes every reader is run over; readers add their own rows
// with exact expectations on top.
inline std::vector<HostileFile> hostileFiles()
{
    return {
        {"empty", ""},
        {"binary_garbage", garbageBytes(64 * 1024)},
        {"nul_bytes", std::string(4096, '\0')},
        {"nul_lines", manyRows(100, std::string("[\0]=\0", 5))},
        {"one_line_of_1MB", std::string(1 << 20, 'x')},
        {"one_line_of_1MB_double_byte", [] {
             std::string s;
             for (int i = 0; i < (1 << 19); ++i)
                 s += "\x82\xa0"; // あ
             return s;
         }()},
        {"rows_100000", manyRows(100000, "[x]=1")},
        {"empty_rows_100000", manyRows(100000, "")},
        {"lone_lead_byte_at_line_end", manyRows(10, "abc\x82")},
        {"lone_lead_byte_at_file_end", "abc\r\ndef\x82"},
        {"lead_bytes_only", std::string(1000, '\x82')},
        {"cr_without_lf", std::string(1000, '\r')},
        {"lf_alone", std::string(1000, '\n')},
        {"cr_lf_reversed", manyRows(100, "\n\r")},
        {"row_of_500_items", [] {
             std::string s;
             for (int i = 0; i < 500; ++i)
                 s += (i ? "," : "") + std::string("\"item,") + std::to_string(i) + "\"";
             return s + "\r\n";
         }()},
        {"unclosed_quote", "\"abc,def\r\n\"\r\n\"\"\"\r\n"},
    };
}

} // namespace yorozu::test
