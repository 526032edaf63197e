#include "files/parts/CatalogueNames.h"

#include "files/text/TextFile.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string nameListFileName(int list)
{
    return "BUMON" + std::to_string(list) + ".LST";
}

fs::path catalogueFile(const fs::path& programDir, const std::string& name)
{
    std::error_code ec;
    const fs::path exact = programDir / name;
    if (fs::exists(exact, ec))
        return exact;
    for (fs::directory_iterator it(programDir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), name))
            return it->path();
    }
    return exact;
}

std::optional<std::vector<std::string>> readNameList(const fs::path& programDir, int list)
{
    const fs::path file = catalogueFile(programDir, nameListFileName(list));
    std::error_code ec;
    if (!fs::exists(file, ec))
        return std::nullopt;
    auto lines = readTextLines(file);
    if (!lines)
        throw std::runtime_error("cannot read " + file.string());
    if (lines->size() > kCatalogueNames)
        lines->resize(kCatalogueNames);
    return lines;
}

WriteResult writeNameList(const fs::path& programDir, int list, const std::vector<std::string>& names)
{
    std::vector<std::string> lines(names.begin(),
                                   names.begin() + std::min<std::ptrdiff_t>(names.size(), kCatalogueNames));
    return writeTextLines(catalogueFile(programDir, nameListFileName(list)), lines);
}

} // namespace yorozu
