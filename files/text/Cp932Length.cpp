#include "files/text/Cp932.h"

#include "files/text/Cp932Bytes.h"
#include "files/text/Utf8.h"

// Byte counts come from the character alone, so limits can be checked per
// keystroke without a conversion.
namespace yorozu::cp932 {

std::size_t charByteLength(char32_t cp)
{
    if (cp < 0x80)
        return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F) // half-width katakana
        return 1;
    if (cp == 0x00A5 || cp == 0x203E) // written as 0x5C and 0x7E
        return 1;
    if (detail::carriedByte(cp) >= 0)
        return 1;
    return 2;
}

std::size_t byteLength(std::string_view utf8)
{
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++i;
            ++n;
            continue;
        }
        n += charByteLength(utf8::next(utf8, i)); // a malformed byte is unmappable: 2
    }
    return n;
}

std::string truncateBytes(std::string_view utf8, std::size_t maxBytes)
{
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t j = i;
        const auto width = charByteLength(utf8::next(utf8, j));
        if (used + width > maxBytes)
            break;
        used += width;
        i = j;
    }
    return std::string(utf8.substr(0, i));
}

bool isCarried(char32_t cp)
{
    return detail::carriedByte(cp) >= 0;
}

} // namespace yorozu::cp932
