#include "files/settings/ReadSetting.h"

#include "files/text/Cp932.h"
#include "files/text/TextFile.h"

#include <fstream>
#include <stdexcept>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

fs::path settingPath(const fs::path& programDir, std::string_view fileName)
{
    return programDir / fs::path(std::string(fileName));
}

// False when no file is there; throws when the question cannot even be
// answered (a folder we may not look into) or the path is a folder.
bool settingFileExists(const fs::path& path)
{
    std::error_code ec;
    const auto st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found)
        return false;
    if (ec)
        throw std::runtime_error("cannot read " + path.string() + ": " + ec.message());
    if (fs::is_directory(st))
        throw std::runtime_error("cannot read " + path.string() + ": it is a folder");
    return true;
}

// The longest run of ASCII characters in the key. Code page 932 writes an
// ASCII character as that same single byte, so a line whose raw bytes lack
// this run cannot hold the key, and we skip decoding it. The real test is
// the character match that follows.
std::string_view asciiCore(std::string_view key)
{
    std::string_view best;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= key.size(); ++i) {
        if (i == key.size() || static_cast<unsigned char>(key[i]) >= 0x80) {
            if (i - start > best.size())
                best = key.substr(start, i - start);
            start = i + 1;
        }
    }
    return best;
}

std::string valueAfter(std::string_view line, std::size_t keyEnd)
{
    return cp932::truncateBytes(line.substr(keyEnd), kSettingValueBytes);
}

} // namespace

bool settingFileExists(const fs::path& programDir, std::string_view fileName)
{
    return settingFileExists(settingPath(programDir, fileName));
}

std::optional<std::string> findSettingIfPresent(const std::vector<std::string>& lines, std::string_view key)
{
    for (const auto& line : lines) {
        const auto at = line.find(key);
        if (at != std::string::npos)
            return valueAfter(line, at + key.size());
    }
    return std::nullopt;
}

std::string findSetting(const std::vector<std::string>& lines, std::string_view key)
{
    return findSettingIfPresent(lines, key).value_or(std::string{});
}

std::string ReadSetting(const fs::path& programDir, std::string_view fileName, std::string_view key)
{
    const auto path = settingPath(programDir, fileName);
    if (!settingFileExists(path))
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path.string());
    // Line by line, stopping at the first match: the print routines look up
    // dozens of keys one at a time in files of a hundred lines.
    const auto core = asciiCore(key);
    std::string raw;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (!core.empty() && raw.find(core) == std::string::npos)
            continue;
        const auto line = cp932::decode(raw);
        const auto at = line.find(key);
        if (at != std::string::npos)
            return valueAfter(line, at + key.size());
    }
    if (in.bad())
        throw std::runtime_error("cannot read " + path.string());
    return {};
}

std::vector<std::string> readSettingLines(const fs::path& programDir, std::string_view fileName, bool* found)
{
    const auto path = settingPath(programDir, fileName);
    const bool exists = settingFileExists(path);
    if (found)
        *found = exists;
    if (!exists)
        return {};
    auto lines = readTextLines(path);
    if (!lines)
        throw std::runtime_error("cannot read " + path.string());
    return std::move(*lines);
}

} // namespace yorozu
