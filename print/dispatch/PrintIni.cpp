#include "print/dispatch/PrintIni.h"

#include "files/settings/ReadSetting.h"
#include "files/text/IntText.h"

namespace yorozu {

std::uint32_t dataTextColour(const std::filesystem::path& programDir)
{
    return static_cast<std::uint32_t>(intOr(ReadSetting(programDir, "PRINT.INI", "[データ文字色]="), 0));
}

} // namespace yorozu
