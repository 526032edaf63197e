#include "files/TextFile.h"

#include "files/Cp932.h"

#include <fstream>
#include <iterator>

namespace yorozu {

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        auto len = end - start;
        if (len > 0 && bytes[start + len - 1] == '\r')
            --len;
        lines.push_back(cp932::decode(std::string_view(bytes).substr(start, len)));
        start = end + 1;
    }
    return lines;
}

WriteResult writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines) {
        auto e = cp932::encode(line);
        if (!e.ok)
            return {false, "unmappable characters", e.unmappable};
        bytes += e.bytes;
        bytes += "\r\n";
    }
    auto tmp = path;
    tmp += ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            return {false, "cannot create " + tmp.string(), {}};
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            return {false, "cannot write " + tmp.string(), {}};
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec)
        return {false, ec.message(), {}};
    return {};
}

} // namespace yorozu
