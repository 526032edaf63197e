// The company settings reader must take any file, for both orientations and
// both readers; what it read must write back and read again. (Not
// necessarily to the same values: a value holding another key's text
// shadows that key, and the shadowing value may be cut on writing.)
#include "FuzzTempDir.h"
#include "files/settings/CompanySettingsFile.h"
#include "files/text/TextFile.h"

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
            // Bytes read come back as the same bytes, so the lines of what was
            // read always encode; they are read back in memory (a real write
            // flushes to the disk, far too slow here).
            std::string bytes;
            const auto lines = companySettingsLines(settings);
            if (!encodeTextLines(lines, bytes).ok)
                std::abort();
            const auto again = companySettingsFromLines(splitLines(bytes), orientation, reader);
            if (companySettingsLines(again).size() != lines.size())
                std::abort();
        }
    return 0;
}
