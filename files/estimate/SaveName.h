#pragma once

#include "core/document/Date.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// A moment to the second, as the saved file's name carries it.
struct DateTime {
    Date date;
    int hour = 0, minute = 0, second = 0;

    static DateTime now();
    // "yyyyMMddHHmmss"; nothing for any other text or a time that does not exist.
    static std::optional<DateTime> parseStamp(std::string_view stamp);
    std::string stamp() const;
    DateTime plusSeconds(int seconds) const;
    friend auto operator<=>(const DateTime& a, const DateTime& b)
    {
        return a.stamp() <=> b.stamp();
    }
    friend bool operator==(const DateTime& a, const DateTime& b) { return a.stamp() == b.stamp(); }
};

// Name of a saved estimate: "yyyyMMddHHmmss_" + registration name + ".qte".
// The browser lists the files in name order and takes the last as the
// newest, so the stamp is `when`, or one second past the newest stamp among
// `existingNames` when that is not earlier (two saves within a second, a
// clock set back). So the new name never equals an existing one and sorts
// after all of them. The registration name is shortened, never in the middle
// of a character, so that the name (230 bytes at most) and the temporary file of the atomic
// write fit the 255 bytes a file name may have.
std::string saveFileName(std::string_view title, const DateTime& when, const std::vector<std::string>& existingNames);

// The stamp a saved estimate's name starts with, if it has one.
std::optional<DateTime> stampOfFileName(std::string_view fileName);

} // namespace yorozu
