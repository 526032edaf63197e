#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace yorozu {

// A calendar date as the estimate carries it (no time of day).
struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;

    static Date today();
    // "yyyy/MM/dd"; also takes "yyyy/M/d" and "-" as separator. Invalid dates give nothing.
    static std::optional<Date> parse(std::string_view text);
    std::string toString() const; // "yyyy/MM/dd"
    bool isValid() const;
    friend bool operator==(const Date&, const Date&) = default;
};

} // namespace yorozu
