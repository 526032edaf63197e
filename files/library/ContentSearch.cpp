#include "files/library/ContentSearch.h"

#include "files/text/Cp932.h"
#include "files/text/Cp932Bytes.h"
#include "files/text/Utf8.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace yorozu {

namespace {

// The characters that more than one code of the code page reads as (the NEC
// and IBM copies of some symbols and kanji). A file may hold either code, so
// their bytes alone cannot decide a match.
const std::unordered_set<char32_t>& charactersWithTwoCodes()
{
    static const std::unordered_set<char32_t> twice = [] {
        std::unordered_map<char32_t, int> seen;
        auto count = [&seen](const std::string& utf8) {
            std::size_t i = 0;
            const char32_t cp = utf8::next(utf8, i);
            if (i == utf8.size() && cp != utf8::kInvalid)
                ++seen[cp];
        };
        for (int b = 0; b < 0x100; ++b)
            if (!cp932::detail::isLeadByte(static_cast<std::uint8_t>(b)))
                count(cp932::decode(std::string(1, static_cast<char>(b))));
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!cp932::detail::isLeadByte(static_cast<std::uint8_t>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail)
                if (cp932::detail::isTrailByte(static_cast<std::uint8_t>(trail))) {
                    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                    count(cp932::decode(std::string_view(pair, 2)));
                }
        }
        std::unordered_set<char32_t> out;
        for (const auto& [cp, n] : seen)
            if (n > 1)
                out.insert(cp);
        return out;
    }();
    return twice;
}

bool byteSearchIsExact(std::string_view text)
{
    const auto& twice = charactersWithTwoCodes();
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = utf8::next(text, i);
        // A carried byte may join the byte after it in a file.
        if (cp == utf8::kInvalid || cp932::isCarried(cp) || twice.count(cp))
            return false;
    }
    return true;
}

// True when `pos` is where a character starts, counting from the start of
// its line: a line feed is never part of a double-byte character, so the
// byte after one always starts a character.
bool startsCharacter(std::string_view bytes, std::size_t pos)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t i = pos;
    while (i > 0 && p[i - 1] != '\n')
        --i;
    while (i < pos) {
        if (cp932::detail::isLeadByte(p[i]) && i + 1 < bytes.size() && cp932::detail::isTrailByte(p[i + 1]))
            i += 2;
        else
            i += 1;
    }
    return i == pos;
}

bool readWhole(const std::filesystem::path& file, std::string& buffer)
{
    buffer.clear();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    buffer.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t used = 0;
    while (true) {
        if (used == buffer.size())
            buffer.resize(buffer.size() * 2);
        const ssize_t n = ::read(fd, buffer.data() + used, buffer.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    buffer.resize(used);
    return true;
}

} // namespace

std::string normalizeSearchTerm(std::string_view term)
{
    std::string out;
    out.reserve(term.size());
    for (std::size_t i = 0; i < term.size(); ++i) {
        if (term.compare(i, 2, "\xC2\xA5") == 0) {
            out += '\\';
            ++i;
        } else {
            out += term[i];
        }
    }
    return out;
}

ContentMatcher::ContentMatcher(const std::vector<std::string>& terms)
{
    for (const auto& t : terms) {
        if (t.empty())
            continue;
        Term term;
        auto encoded = cp932::encode(normalizeSearchTerm(t));
        if (!encoded.ok) {
            // Nothing the program reads can contain it.
            term.possible = false;
        } else {
            term.bytes = std::move(encoded.bytes);
            term.text = cp932::decode(term.bytes);
            term.byBytes = byteSearchIsExact(term.text);
        }
        terms_.push_back(std::move(term));
    }
}

bool ContentMatcher::found(const Term& term, std::string_view bytes)
{
    if (!term.possible)
        return false;
    if (!term.byBytes) {
        if (!decodedValid_) {
            decoded_.clear();
            cp932::decodeAppend(bytes, decoded_);
            decodedValid_ = true;
        }
        return decoded_.find(term.text) != std::string::npos;
    }
    const std::string_view needle = term.bytes;
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* from = begin;
    while (static_cast<std::size_t>(end - from) >= needle.size()) {
        const void* hit = ::memmem(from, static_cast<std::size_t>(end - from), needle.data(), needle.size());
        if (!hit)
            return false;
        const auto pos = static_cast<std::size_t>(static_cast<const char*>(hit) - begin);
        if (startsCharacter(bytes, pos))
            return true;
        from = begin + pos + 1;
    }
    return false;
}

bool ContentMatcher::matches(std::string_view bytes)
{
    decodedValid_ = false;
    for (const auto& term : terms_)
        if (!found(term, bytes))
            return false;
    return !terms_.empty();
}

ContentMatcher::Result ContentMatcher::examine(const std::filesystem::path& file)
{
    if (!readWhole(file, buffer_))
        return Result::Unreadable;
    return matches(buffer_) ? Result::Match : Result::NoMatch;
}

} // namespace yorozu
