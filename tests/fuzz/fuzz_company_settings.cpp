// The company settings reader must take any file, for both orientations and
// both readers; what it read must write back and read again. (Not
// necessarily to the same values: a value holding another key's text
// shadows that key, and the shadowing value may be cut on writing.)
#include "FuzzTempDir.h"
#include "files/CompanySettingsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace yorozu;
    const auto& dir = fuzz::tempDir();
    const auto file = dir.write("SET3.INI", data, size);
    for (auto orientation : {Orientation::Portrait, Orientation::Landscape})
        for (auto reader : {SettingsReader::Printing, SettingsReader::Dialog}) {
            const auto settings = readCompanySettings(file, orientation, reader);
            // Bytes read come back as the same bytes, so writing what was read
            // never fails for want of a character.
            const auto out = dir.path() / "SET.INI";
            const auto saved = writeCompanySettings(out, settings);
            if (!saved.ok && !saved.unmappable.empty())
                std::abort();
            if (saved.ok) {
                const auto again = readCompanySettings(out, orientation, reader);
                if (companySettingsLines(again).size() != companySettingsLines(settings).size())
                    std::abort();
            }
        }
    return 0;
}
