#include "files/text/IntText.h"

#include <charconv>

namespace yorozu {

namespace {

template <typename T>
std::optional<T> parse(std::string_view text)
{
    // from_chars takes "-" but not "+"; a leading "+" is a valid sign here.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    T value{};
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int32_t> parseInt(std::string_view text)
{
    return parse<std::int32_t>(text);
}

std::optional<std::int64_t> parseInt64(std::string_view text)
{
    return parse<std::int64_t>(text);
}

} // namespace yorozu
