// "SET2.INI" must read from any file: what was read writes back and reads
// again, and the window position read is always within reach of the screen.
#include "FuzzTempDir.h"
#include "files/Set2File.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace yorozu;
    const auto& dir = fuzz::tempDir();
    dir.write(kSet2FileName, data, size);
    for (const Set2Screen screen : {Set2Screen{}, Set2Screen{1920, 1000}}) {
        const auto read = SET2_YOMIKOMI(dir.path(), screen);
        const auto& s = read.settings;
        if (!read.fileFound || std::abs(s.windowTop) > screen.windowHeight || std::abs(s.windowLeft) > s.windowWidth)
            std::abort();
        if (s.windowWidth != 1024 && s.windowWidth != screen.screenWidth)
            std::abort();
        const auto again = dir.path() / "again";
        std::filesystem::create_directories(again);
        if (!SET2_KAKIDASI(again, s).ok)
            std::abort();
        const auto reread = SET2_YOMIKOMI(again, screen);
        // Values the program wrote itself are never refused.
        if (!reread.rejectedLines.empty())
            std::abort();
    }
    startupPartsBarWidth(dir.path());
    return 0;
}
