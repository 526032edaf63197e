#include "files/text/Cp932.h"

#include "files/text/Cp932Bytes.h"
#include "files/text/Cp932Tables.h"
#include "files/text/Utf8.h"

#include <cstring>

namespace yorozu::cp932 {

namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD"; // names a malformed UTF-8 byte

void addUnmappable(std::string& list, std::string_view ch)
{
    // UTF-8 is self-synchronising: a whole character only matches at a boundary.
    if (list.find(ch) == std::string::npos)
        list += ch;
}

class Encoder {
public:
    Encoder(std::string& out, std::string& unmappable)
        : out_(out), unmappable_(unmappable), start_(out.size())
    {
    }

    bool run(std::string_view utf8)
    {
        // The code page form is never longer than the UTF-8: room for it
        // first, trimmed at the end.
        out_.resize(start_ + utf8.size());
        char* const begin = out_.data();
        char* o = begin + start_;
        const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
        const std::size_t n = utf8.size();
        std::size_t i = 0;
        while (i < n) {
            if (p[i] < 0x80) {
                // ASCII is copied as is.
                const std::size_t ascii = detail::asciiRunLength(p + i, n - i);
                std::memcpy(o, p + i, ascii);
                o += ascii;
                i += ascii;
                continue;
            }
            const auto at = i;
            const char32_t cp = utf8::next(utf8, i);
            if (cp == utf8::kInvalid) {
                fail(kReplacementChar);
                continue;
            }
            if (const int byte = detail::carriedByte(cp); byte >= 0) {
                *o++ = static_cast<char>(byte);
                carried_ = true;
                continue;
            }
            // Fetched at the first character that needs it: ASCII alone
            // never asks iconv, so it writes even where glibc lacks the code page.
            if (t_ == nullptr && cp < 0x10000)
                t_ = &detail::tables();
            const std::uint16_t code = cp < 0x10000 ? t_->encoded[cp] : detail::kUnmappable;
            if (code == detail::kUnmappable) {
                fail(utf8.substr(at, i - at));
            } else if (code < 0x100) {
                *o++ = static_cast<char>(code);
            } else {
                *o++ = static_cast<char>(code >> 8);
                *o++ = static_cast<char>(code & 0xFF);
            }
        }
        out_.resize(static_cast<std::size_t>(o - begin));
        if (ok_ && carried_)
            checkCarried(utf8);
        return ok_;
    }

private:
    void fail(std::string_view ch)
    {
        ok_ = false;
        addUnmappable(unmappable_, ch);
    }

    // A carried byte is written raw and could pair up with the byte after it
    // (after an edit put a character next to a lone lead byte, say); reading
    // would then give other characters, so such a text is refused.
    void checkCarried(std::string_view utf8)
    {
        std::string expected;
        std::size_t i = 0;
        while (i < utf8.size()) {
            const char32_t cp = utf8::next(utf8, i);
            const char32_t twin = detail::twinOf(cp);
            utf8::append(expected, twin ? twin : cp);
        }
        if (decode(std::string_view(out_).substr(start_)) == expected)
            return;
        i = 0;
        while (i < utf8.size()) {
            const auto at = i;
            if (detail::carriedByte(utf8::next(utf8, i)) >= 0)
                fail(utf8.substr(at, i - at));
        }
    }

    const detail::Tables* t_ = nullptr;
    std::string& out_;
    std::string& unmappable_;
    const std::size_t start_;
    bool ok_ = true;
    bool carried_ = false;
};

} // namespace

bool encodeAppend(std::string_view utf8, std::string& out, std::string& unmappable)
{
    return Encoder(out, unmappable).run(utf8);
}

EncodeResult encode(std::string_view utf8)
{
    EncodeResult r;
    r.ok = encodeAppend(utf8, r.bytes, r.unmappable);
    return r;
}

} // namespace yorozu::cp932
