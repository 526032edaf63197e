#include "files/settings/ProgramFiles.h"

#include "files/settings/CompanySettingsSlots.h"
#include "files/settings/ReadSetting.h"

#include <charconv>

namespace yorozu {

int settingInt(const std::filesystem::path& programDir, const std::string& fileName, const std::string& key)
{
    const auto text = ReadSetting(programDir, fileName, key);
    int v = 0;
    const char* b = text.data();
    const char* e = text.data() + text.size();
    if (b != e && *b == '+')
        ++b;
    const auto r = std::from_chars(b, e, v);
    return (b != e && r.ec == std::errc() && r.ptr == e) ? v : 0;
}

} // namespace yorozu
