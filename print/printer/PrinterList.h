#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace yorozu {

// The installed printers at one moment: names and attribute words.
struct PrinterSnapshot {
    struct Entry {
        std::string name;
        std::uint32_t attributes = 0;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    std::vector<Entry> printers;

    int count() const { return static_cast<int>(printers.size()); }
    // Same number of printers and, index by index, the same name and attributes.
    friend bool operator==(const PrinterSnapshot&, const PrinterSnapshot&) = default;

    // Bits of the attribute word.
    static constexpr std::uint32_t Default = 1, Remote = 2;

    // The queues the print system offers now.
    static PrinterSnapshot take();
};

} // namespace yorozu
