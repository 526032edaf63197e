// The settings lookup must take any file: the input's first line is the key
// (up to 40 bytes), the rest is the file. Whatever it returns is at most 200
// code page 932 bytes and is what follows the key in a line of the file.
#include "FuzzTempDir.h"
#include "files/text/Cp932.h"
#include "files/settings/ReadSetting.h"
#include "files/text/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string key = "[行間]=";
    std::size_t bodyAt = 0;
    if (const auto nl = input.find('\n'); nl != std::string_view::npos && nl <= 40) {
        key = yorozu::cp932::decode(input.substr(0, nl));
        bodyAt = nl + 1;
    }
    const auto& dir = yorozu::fuzz::tempDir();
    const auto file = dir.write("SET2.INI", data + bodyAt, size - bodyAt);
    const auto value = yorozu::ReadSetting(dir.path(), "SET2.INI", key);
    if (yorozu::cp932::byteLength(value) > 200)
        std::abort();
    // The in-memory lookup of the many-key readers gives the same.
    if (yorozu::findSetting(yorozu::splitLines(input.substr(bodyAt)), key) != value)
        std::abort();
    if (!value.empty()) {
        const auto lines = yorozu::readTextLines(file);
        if (!lines)
            std::abort();
        const bool found = std::any_of(lines->begin(), lines->end(), [&](const std::string& line) {
            const auto at = line.find(key);
            return at != std::string::npos && line.compare(at + key.size(), value.size(), value) == 0;
        });
        if (!found)
            std::abort();
    }
    return 0;
}
