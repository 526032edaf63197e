#pragma once

#include "files/settings/CompanySettings.h"

#include <climits>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace yorozu {

// How a value stands in the file and how it becomes its field.
enum class SettingForm {
    Text,       // as typed, cut to maxBytes code page 932 bytes
    Integer,    // decimal with optional sign; a non-number reads as the default
    Colour,     // decimal Windows colour value, read like Integer
    Switch,     // written "1" / "0"; only "1" is on
    TrueFalse,  // written "True" / "False"; only "True" is on
    TrueFale,   // written "True" / "Fale" (older files say so); only "True" is on
    OffOnlyAt0, // written "1" / "0"; only "0" is off, so an absent key is on
    Choice,     // an index 0 .. choices - 1; anything else reads as the default
    Honorific,  // read unchanged; written "御中" for "御中", else "様"
};

// Defaults as the value texts a file would hold. Most keys have one; the
// printing and the dialog disagree on a few, and the memo widths also
// depend on the orientation.
struct SettingDefaults {
    std::string_view printing;
    std::string_view dialog;
    std::string_view printingPortrait;
    std::string_view dialogPortrait;

    std::string_view forReader(Orientation orientation, SettingsReader reader) const
    {
        if (orientation == Orientation::Portrait)
            return reader == SettingsReader::Printing ? printingPortrait : dialogPortrait;
        return reader == SettingsReader::Printing ? printing : dialog;
    }
};

using SettingField = std::variant<std::string CompanySettings::*, int CompanySettings::*, bool CompanySettings::*>;

// One key of the company settings file.
struct SettingRow {
    std::string_view key; // "[社名]=", brackets and equals sign included
    SettingForm form;
    SettingField field;
    SettingDefaults defaults;
    std::size_t maxBytes = 200; // Text and Honorific; 200 is what a key lookup returns at most
    int lowest = INT_MIN;       // Integer: smaller values are raised to it
    int choices = 0;            // Choice: the number of valid indices
};

inline constexpr std::size_t kCompanySettingKeyCount = 113;

// Every key in file order.
std::span<const SettingRow> companySettingRows();

// The keys that are read but never written.
std::span<const SettingRow> companySettingReadOnlyRows();

// Sets the row's field from the value text found in the file, or from the
// row's default when value is null (the key is absent).
void readSettingValue(const SettingRow& row, const std::string* value, Orientation orientation,
                      SettingsReader reader, CompanySettings& settings);

// The value text written after the key.
std::string writeSettingValue(const SettingRow& row, const CompanySettings& settings);

} // namespace yorozu
