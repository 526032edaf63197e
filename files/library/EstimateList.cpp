#include "files/library/EstimateList.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Glob match with "*" and "?", iterative with one backtrack point.
bool matchesPattern(std::string_view name, std::string_view pattern)
{
    if (pattern == "*.*" || pattern == "*")
        return true;
    size_t n = 0, p = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool matchesMask(std::string_view fileName, std::string_view mask)
{
    while (true) {
        const auto semi = mask.find(';');
        if (matchesPattern(fileName, mask.substr(0, semi)))
            return true;
        if (semi == std::string_view::npos)
            return false;
        mask.remove_prefix(semi + 1);
    }
}

std::vector<fs::path> listFiles(const fs::path& dir, std::string_view mask)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        // Hidden files include the temporaries of a save still being written.
        if (name.empty() || name.front() == '.' || !matchesMask(name, mask))
            continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    std::vector<fs::path> files;
    files.reserve(names.size());
    for (auto& name : names)
        files.push_back(dir / name);
    return files;
}

} // namespace yorozu
