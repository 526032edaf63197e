#include "core/document/Date.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace yorozu {

Date Date::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool Date::isValid() const
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const std::chrono::year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    return ymd.ok();
}

std::optional<Date> Date::parse(std::string_view text)
{
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    char sep = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits[part] > 4)
                return std::nullopt;
            parts[part] = parts[part] * 10 + (c - '0');
        } else if ((c == '/' || c == '-') && part < 2 && digits[part] > 0 && (sep == 0 || sep == c)) {
            sep = c;
            ++part;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[2] == 0 || digits[1] > 2 || digits[2] > 2)
        return std::nullopt;
    Date d{parts[0], parts[1], parts[2]};
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::string Date::toString() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", year, month, day);
    return buf;
}

} // namespace yorozu
