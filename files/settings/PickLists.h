#pragma once

#include "files/text/TextFile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// The seven pick lists of the header fields and the unit editor, one entry a
// line, in the order they are loaded at start and written at close.
enum class PickList { Kokyaku, Nouki, Basyo, Joken, Kigen, Tanto, Tani };

struct PickListFile {
    PickList list;
    const char* fileName;
    const char* control;  // the combo box it fills
};

inline constexpr std::array<PickListFile, 7> kPickListFiles{{
    {PickList::Kokyaku, "Kokyaku.LST", "KNAME"},
    {PickList::Nouki, "Nouki.LST", "Nouki"},
    {PickList::Basyo, "Basyo.LST", "Basyo"},
    {PickList::Joken, "Joken.LST", "Joken"},
    {PickList::Kigen, "Kigen.LST", "Kigen"},
    {PickList::Tanto, "Tanto.LST", "Tanto"},
    {PickList::Tani, "Tani.LST", "CB1"},
}};

std::string_view pickListFileName(PickList list);

// Every line of the list file, empty lines included, in file order; nothing
// when the file is missing (the list keeps what it has). A file that exists
// but cannot be read throws std::runtime_error: treating it as missing would
// write an empty list over it at close.
std::optional<std::vector<std::string>> COMBO_YOMIKOMI(const std::filesystem::path& programDir, PickList list);

// Rewrites the list file with every entry in its current order.
WriteResult COMBO_KAKIDASI(const std::filesystem::path& programDir, PickList list,
                           const std::vector<std::string>& entries);

} // namespace yorozu
