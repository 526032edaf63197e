#include "print/sheet/SheetSettings.h"

#include "core/document/Estimate.h"
#include "files/settings/CompanySettingsFile.h"
#include "files/settings/CompanySettingsSlots.h"
#include "files/settings/ReadSetting.h"
#include "files/text/IntText.h"
#include "print/dispatch/PrintIni.h"

namespace yorozu {

SheetKind sheetKindOf(const Estimate& doc)
{
    if (doc.SEIQ)
        return SheetKind::Invoice;
    if (doc.NOHIN)
        return SheetKind::Delivery;
    if (doc.GAISAN)
        return SheetKind::Rough;
    return SheetKind::Estimate;
}

SheetSettings SheetSettings::read(const std::filesystem::path& programDir, const Estimate& doc)
{
    SheetSettings s;
    const auto orientation = orientationOfMUKI(doc.MUKI);
    const std::string file = companySettingsFileName(orientation);
    s.landscape = orientation == Orientation::Landscape;
    s.company = readCompanySettings(programDir / file, orientation, SettingsReader::Printing);
    const auto lines = readSettingLines(programDir, file);
    const auto sized = [&lines](const char* key, int fallback, bool* given) {
        const auto value = parseInt(findSetting(lines, key));
        if (given)
            *given = value.has_value();
        return value.value_or(fallback);
    };
    s.dataSizeHeader = sized("[DATAfontSize]=", 10, &s.dataSizeGiven);
    s.dataSizeRows = sized("[DATAfontSize]=", 12, nullptr);
    s.numberSizeHeader = sized("[数値fontSize]=", 10, &s.numberSizeGiven);
    s.numberSizeRows = sized("[数値fontSize]=", 12, nullptr);
    s.fixedSize = sized("[固定fontSize]=", 10, nullptr);
    s.descriptionHeading = findSetting(lines, "[摘要]=");
    s.shapeHeading = findSetting(lines, "[形状]=");
    s.kind = sheetKindOf(doc);
    const auto& c = s.company;
    s.fixedColour = static_cast<std::uint32_t>(doc.SEIQ    ? c.invoiceFixedColour
                                               : doc.NOHIN ? c.deliveryFixedColour
                                                           : c.fixedColour);
    s.frameColour = static_cast<std::uint32_t>(doc.SEIQ      ? c.invoiceFrameColour
                                               : doc.NOHIN   ? c.deliveryFrameColour
                                               : doc.GENKA_P ? c.costCopyFrameColour
                                                             : c.frameColour);
    s.printIniColour = dataTextColour(programDir);
    return s;
}

} // namespace yorozu
