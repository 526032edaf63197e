#include "files/estimate/FileNameCheck.h"

namespace yorozu {

const char* const kUnusableNameMessage =
    "登録ファイル名に使用できない文字が含まれています。\r\n\r\n\\ / : . ; * ? \" < > |";

std::optional<std::string> FNAME_CHECK(std::string_view name)
{
    static constexpr std::string_view kUnusable = "\\/:.;*?\"<>|";
    // The name is UTF-8: every byte of a multi-byte character is 0x80 or
    // above, so a byte below 0x80 is always a whole character. A code page
    // 932 character whose trail byte is 0x5C (ソ, 表, 能, 十) never matches.
    for (char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80)
            continue;
        if (kUnusable.find(c) != std::string_view::npos)
            return std::string(kUnusableNameMessage);
    }
    return std::nullopt;
}

std::string withoutControlCharacters(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F)
            c = '_';
    }
    return out;
}

} // namespace yorozu
