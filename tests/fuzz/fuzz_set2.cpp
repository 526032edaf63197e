// "SET2.INI" must read from any file: what was read writes back and reads
// again to a fixed point, and the window position read is always within
// reach of the screen.
#include "FuzzTempDir.h"
#include "files/settings/Set2File.h"

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
        // A text value may hold another key (a folder named "[固定2]=x"), which
        // that key then finds and may refuse; so one round can change what
        // was read, but after it the settings come back as they were written.
        const auto reread = SET2_YOMIKOMI(again, screen);
        if (!SET2_KAKIDASI(again, reread.settings).ok)
            std::abort();
        const auto third = SET2_YOMIKOMI(again, screen);
        if (!(third.settings == reread.settings) || third.rejectedLines != reread.rejectedLines)
            std::abort();
    }
    startupPartsBarWidth(dir.path());
    return 0;
}
