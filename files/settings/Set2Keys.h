#pragma once

#include "files/settings/Set2Settings.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// How one "SET2.INI" key is read into and written from Set2Settings.
struct Set2Conversion {
    // Applies the value (already cut to the key's byte limit). False when the
    // value cannot be converted; the field then keeps what it had.
    using ReadFn = bool (*)(Set2Settings& settings, std::string_view value, const Set2Screen& screen);
    // Appends the key's line(s).
    using WriteFn = void (*)(const Set2Settings& settings, std::string_view key, std::vector<std::string>& lines);

    ReadFn read = nullptr;    // nullptr: the key is written but not read back here
    WriteFn write = nullptr;  // nullptr: its line is written by the first key of its group
};

struct Set2Key {
    std::string_view key;
    std::size_t readBytes;  // longest value taken, in code page 932 bytes; 0 when not read
    Set2Conversion conversion;
};

// Every key of "SET2.INI" in the order the file is written.
std::span<const Set2Key> set2Keys();

} // namespace yorozu
