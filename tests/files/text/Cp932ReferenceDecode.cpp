#include "files/text/Cp932Reference.h"

#include "files/text/Cp932Bytes.h"
#include "files/text/Cp932Iconv.h"
#include "files/text/Utf8.h"

namespace yorozu::cp932::reference {

namespace {

using detail::isLeadByte;
using detail::isTrailByte;

void appendCarried(std::string& out, unsigned char b)
{
    utf8::append(out, detail::carriedCodePoint(b));
}

// A stretch of non-ASCII characters goes to iconv whole; where it stops, the
// bytes it refused are carried and the rest of the stretch goes on.
void decodeRun(std::string_view run, std::string& out)
{
    while (!run.empty()) {
        if (detail::decodeChunk(run, out) == detail::Stop::done)
            return;
        const auto b = static_cast<unsigned char>(run[0]);
        if (isLeadByte(b) && run.size() >= 2 && isTrailByte(static_cast<unsigned char>(run[1]))) {
            // A well-formed pair the table leaves empty: both bytes belong
            // to it, as for any reader of the code page.
            appendCarried(out, b);
            appendCarried(out, static_cast<unsigned char>(run[1]));
            run.remove_prefix(2);
        } else {
            // 0x80, 0xA0, 0xFD..0xFF, or a lead byte at the end or before a
            // byte that cannot follow it (which then stands on its own).
            appendCarried(out, b);
            run.remove_prefix(1);
        }
    }
}

} // namespace

void decodeAppend(std::string_view bytes, std::string& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // Most of what we read is ASCII (numbers, commas, keys): copy it as is.
        std::size_t j = i;
        while (j < n && p[j] < 0x80)
            ++j;
        out.append(bytes.data() + i, j - i);
        if (j == n)
            break;
        i = j;
        // The run ends before the next ASCII byte that starts a character;
        // a trail byte in the ASCII range belongs to its lead byte.
        while (j < n && p[j] >= 0x80)
            j += (isLeadByte(p[j]) && j + 1 < n) ? 2 : 1;
        decodeRun(bytes.substr(i, j - i), out);
        i = j;
    }
}

} // namespace yorozu::cp932::reference
