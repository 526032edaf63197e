#pragma once

#include "files/settings/Set2Settings.h"

#include <array>
#include <cstdint>

namespace yorozu {

// The colour table of the screen grids: 21 slots holding Windows colour values,
// filled from "SET2.INI" at start and written back at close.
struct ColorTable {
    enum Slot { Editor = 0, Fixed = 1, Stripe = 2, FixedFont = 3, Fixed2 = 4, Stripe2 = 5, FixedFont2 = 6,
                ColorBar = 7, ColorBarStored = 8, FirstColumnFont = 9, MemoFont = 20, Count = 21 };
    std::array<std::int32_t, Count> values{};

    ColorTable() { fromSettings(Set2Settings{}); }
    void fromSettings(const Set2Settings& s);
    void toSettings(Set2Settings& s) const;
    std::int32_t operator[](int slot) const { return values[static_cast<std::size_t>(slot)]; }
};

} // namespace yorozu
