#pragma once

#include "files/settings/CompanySettings.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace yorozu {

class Estimate;

// Which document a print is, decided in this order: invoice, delivery note,
// rough estimate, estimate.
enum class SheetKind { Invoice, Delivery, Rough, Estimate };

SheetKind sheetKindOf(const Estimate& doc);

// The settings of one print as the sheet uses them, read afresh at every
// print from the orientation's settings file; missing or non-numeric keys
// take the sheet's defaults.
struct SheetSettings {
    CompanySettings company;
    bool landscape = false;
    SheetKind kind = SheetKind::Estimate;

    // Font sizes: the header and the rows have different defaults for a key
    // that is missing.
    int dataSizeHeader = 10, dataSizeRows = 12;
    int numberSizeHeader = 10, numberSizeRows = 12;
    int fixedSize = 10;
    bool numberSizeGiven = false, dataSizeGiven = false;

    std::string descriptionHeading; // "[摘要]=" as written, empty when not set
    std::string shapeHeading;       // "[形状]="

    std::uint32_t fixedColour = 0; // by document kind
    std::uint32_t frameColour = 0;
    std::uint32_t printIniColour = 0;

    static SheetSettings read(const std::filesystem::path& programDir, const Estimate& doc);
};

} // namespace yorozu
