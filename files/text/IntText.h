#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace yorozu {

// Decimal integers of the settings files: an optional sign and at least one
// digit, nothing else (no blanks, no separators), within the type's range.
// Nothing for any other text.
std::optional<std::int32_t> parseInt(std::string_view text);
std::optional<std::int64_t> parseInt64(std::string_view text);

// The lenient reading: the integer, or `fallback` when the text is not one.
inline std::int32_t intOr(std::string_view text, std::int32_t fallback)
{
    return parseInt(text).value_or(fallback);
}

} // namespace yorozu
