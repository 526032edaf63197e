#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace yorozu::test {

// "82 A0 5C" -> the bytes; spaces are only for reading.
inline std::string hexBytes(std::string_view hex)
{
    std::string out;
    int high = -1;
    for (char c : hex) {
        int v;
        if (c >= '0' && c <= '9') v = c - '0';
        else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        else continue;
        if (high < 0) {
            high = v;
        } else {
            out += static_cast<char>(high * 16 + v);
            high = -1;
        }
    }
    return out;
}

// The bytes as "82 A0 5C", for readable failure messages.
inline std::string toHex(std::string_view bytes)
{
    std::string out;
    char buf[4];
    for (unsigned char b : bytes) {
        std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", b);
        out += buf;
    }
    return out;
}

} // namespace yorozu::test
