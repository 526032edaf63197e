#include "files/parts/ProgramFileName.h"

#include <string>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

} // namespace

fs::path programFilePath(const fs::path& programDir, std::string_view name)
{
    fs::path exact = programDir / fs::path(std::string(name));
    std::error_code ec;
    if (fs::symlink_status(exact, ec).type() != fs::file_type::not_found && !ec)
        return exact;
    std::string best;
    for (fs::directory_iterator it(programDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (sameIgnoringCase(entry, name) && (best.empty() || entry < best))
            best = entry;
    }
    return best.empty() ? exact : programDir / best;
}

} // namespace yorozu
