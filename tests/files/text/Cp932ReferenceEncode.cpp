#include "files/text/Cp932Reference.h"

#include "files/text/Cp932Bytes.h"
#include "files/text/Cp932Iconv.h"
#include "files/text/Utf8.h"

namespace yorozu::cp932::reference {

namespace {

constexpr std::size_t kShortAscii = 16;
constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD"; // names a malformed UTF-8 byte

void addUnmappable(std::string& list, std::string_view ch)
{
    // UTF-8 is self-synchronising: a whole character only matches at a boundary.
    if (list.find(ch) == std::string::npos)
        list += ch;
}

// glibc maps some characters one way only and says nothing about it, so what
// was encoded is decoded again and must give back the same text.
bool roundTrips(std::string_view bytes, std::string_view utf8)
{
    thread_local std::string scratch;
    scratch.clear();
    decodeAppend(bytes, scratch);
    return scratch == utf8;
}

bool encodeOne(std::string_view ch, std::string& out)
{
    const auto mark = out.size();
    std::string_view in = ch;
    if (detail::encodeChunk(in, out) == detail::Stop::done
        && roundTrips(std::string_view(out).substr(mark), ch))
        return true;
    out.resize(mark);
    return false;
}

// Reused by the calls of one thread: most calls are one short line each.
std::string& pendingBuffer()
{
    thread_local std::string buffer;
    return buffer;
}

class Encoder {
public:
    Encoder(std::string& out, std::string& unmappable)
        : out_(out), unmappable_(unmappable), start_(out.size()), pending_(pendingBuffer())
    {
        pending_.clear();
    }

    bool run(std::string_view utf8)
    {
        std::size_t i = 0;
        while (i < utf8.size()) {
            if (static_cast<unsigned char>(utf8[i]) < 0x80) {
                // ASCII is copied as is; a short piece between other
                // characters rides along with them to save iconv calls.
                auto j = i + 1;
                while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) < 0x80)
                    ++j;
                const auto ascii = utf8.substr(i, j - i);
                if (!pending_.empty() && ascii.size() < kShortAscii) {
                    pending_ += ascii;
                } else {
                    flush();
                    out_ += ascii;
                }
                i = j;
                continue;
            }
            const auto at = i;
            const char32_t cp = utf8::next(utf8, i);
            if (cp == utf8::kInvalid) {
                flush();
                fail(kReplacementChar);
                continue;
            }
            if (const int byte = detail::carriedByte(cp); byte >= 0) {
                flush();
                out_ += static_cast<char>(byte);
                carried_ = true;
                continue;
            }
            if (const char32_t twin = detail::twinOf(cp))
                utf8::append(pending_, twin);
            else
                pending_ += utf8.substr(at, i - at);
        }
        flush();
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

    void flush()
    {
        if (pending_.empty())
            return;
        const auto mark = out_.size();
        std::string_view in = pending_;
        if (detail::encodeChunk(in, out_) != detail::Stop::done
            || !roundTrips(std::string_view(out_).substr(mark), pending_)) {
            // Something in the stretch is not held: go character by
            // character to name every one of them.
            out_.resize(mark);
            std::string_view rest = pending_;
            std::size_t i = 0;
            while (i < rest.size()) {
                const auto at = i;
                utf8::next(rest, i);
                const auto ch = rest.substr(at, i - at);
                if (ch.size() == 1)
                    out_ += ch;
                else if (!encodeOne(ch, out_))
                    fail(ch);
            }
        }
        pending_.clear();
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
        if (roundTrips(std::string_view(out_).substr(start_), expected))
            return;
        i = 0;
        while (i < utf8.size()) {
            const auto at = i;
            if (detail::carriedByte(utf8::next(utf8, i)) >= 0)
                fail(utf8.substr(at, i - at));
        }
    }

    std::string& out_;
    std::string& unmappable_;
    const std::size_t start_;
    std::string& pending_;
    bool ok_ = true;
    bool carried_ = false;
};

} // namespace

bool encodeAppend(std::string_view utf8, std::string& out, std::string& unmappable)
{
    return Encoder(out, unmappable).run(utf8);
}

} // namespace yorozu::cp932::reference
