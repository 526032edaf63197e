// The company settings reader must take any file, for both orientations and
// both readers; what it read must write back and read again to the same
// values. The one exception is a key whose text also stands in another
// line's value: there that value shadows the key's own line.
#include "FuzzTempDir.h"
#include "files/settings/CompanySettingsFile.h"
#include "files/text/TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

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
            const auto back = companySettingsLines(again);
            if (back.size() != lines.size())
                std::abort();
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (back[i] == lines[i])
                    continue;
                const auto end = lines[i].find("]=");
                if (end == std::string::npos)
                    std::abort();
                const std::string key = lines[i].substr(0, end + 2);
                bool shadowed = false;
                for (std::size_t j = 0; j < lines.size() && !shadowed; ++j)
                    shadowed = j != i && lines[j].find(key) != std::string::npos;
                if (!shadowed)
                    std::abort();
            }
        }
    return 0;
}
