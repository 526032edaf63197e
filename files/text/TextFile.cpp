#include "files/text/TextFile.h"

#include "files/text/Cp932.h"
#include "files/text/TextLinesEncoder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace yorozu {

std::optional<std::string> readFileBytes(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt; // a folder, an I/O error: not a readable file
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::vector<std::string_view> splitLineViews(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = bytes.size();
        auto len = end - start;
        if (len > 0 && bytes[start + len - 1] == '\r')
            --len;
        // Splitting before decoding is safe: no trail byte is CR or LF.
        lines.push_back(bytes.substr(start, len));
        if (last)
            break;
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    const auto views = splitLineViews(bytes);
    std::vector<std::string> lines(views.size());
    for (std::size_t i = 0; i < views.size(); ++i)
        cp932::decodeAppend(views[i], lines[i]);
    return lines;
}

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

std::optional<std::string> readTextFile(const std::filesystem::path& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return cp932::decode(*bytes);
}

WriteResult encodeTextLines(const std::vector<std::string>& lines, std::string& bytes)
{
    std::size_t total = 0;
    for (const auto& line : lines)
        total += line.size() + 2;
    TextLinesEncoder encoder(bytes, total);
    for (const auto& line : lines)
        encoder.add(line);
    return encoder.finish();
}

WriteResult writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                           const FileOps& ops)
{
    std::string bytes;
    auto r = encodeTextLines(lines, bytes);
    if (!r.ok)
        return r;
    return writeFileAtomic(path, bytes, ops);
}

} // namespace yorozu
