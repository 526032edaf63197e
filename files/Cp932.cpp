#include "files/Cp932.h"

#include <iconv.h>

#include <stdexcept>

namespace yorozu::cp932 {

namespace {

// Straight iconv conversion; the private-use carrying of undefined bytes and
// the report of unmappable characters come on top of it.
bool convert(const char* to, const char* from, std::string_view in, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv_open failed");
    out.clear();
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1);
    out.resize(out.size() - dstLeft);
    iconv_close(cd);
    return ok;
}

} // namespace

std::string decode(std::string_view bytes)
{
    std::string out;
    convert("UTF-8", "CP932", bytes, out);
    return out;
}

EncodeResult encode(std::string_view utf8)
{
    EncodeResult r;
    r.ok = convert("CP932", "UTF-8", utf8, r.bytes);
    return r;
}

std::size_t byteLength(std::string_view utf8)
{
    return encode(utf8).bytes.size();
}

std::string truncateBytes(std::string_view utf8, std::size_t maxBytes)
{
    std::string out;
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t len = 1;
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 0xF0) len = 4; else if (b >= 0xE0) len = 3; else if (b >= 0xC0) len = 2;
        const auto ch = utf8.substr(i, len);
        const auto n = byteLength(ch);
        if (used + n > maxBytes)
            break;
        used += n;
        out += ch;
        i += len;
    }
    return out;
}

} // namespace yorozu::cp932
