#include "files/estimate/SaveName.h"

#include "files/estimate/FileNameCheck.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace yorozu {

namespace {

constexpr size_t kStampLength = 14;
// A file name may have 255 bytes; the atomic write puts a temporary file with
// a longer name beside the target, so leave room for its suffix.
constexpr size_t kMaxNameBytes = 230;
constexpr std::string_view kSeparator = "_";
constexpr std::string_view kExtension = ".qte";

size_t utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

std::string truncateUtf8(std::string_view text, size_t maxBytes)
{
    size_t i = 0;
    while (i < text.size()) {
        const size_t len = utf8Length(static_cast<unsigned char>(text[i]));
        if (i + len > maxBytes)
            break;
        i += len;
    }
    return std::string(text.substr(0, i));
}

} // namespace

DateTime DateTime::now()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min, local.tm_sec};
}

std::optional<DateTime> DateTime::parseStamp(std::string_view stamp)
{
    if (stamp.size() != kStampLength)
        return std::nullopt;
    for (char c : stamp)
        if (c < '0' || c > '9')
            return std::nullopt;
    auto number = [&](size_t at, size_t len) {
        int v = 0;
        for (size_t i = at; i < at + len; ++i)
            v = v * 10 + (stamp[i] - '0');
        return v;
    };
    DateTime t{{number(0, 4), number(4, 2), number(6, 2)}, number(8, 2), number(10, 2), number(12, 2)};
    if (!t.date.isValid() || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

std::string DateTime::stamp() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", date.year, date.month, date.day, hour, minute, second);
    return buf;
}

DateTime DateTime::plusSeconds(int seconds) const
{
    using namespace std::chrono;
    const sys_days day{year_month_day{year{date.year}, month{static_cast<unsigned>(date.month)},
                                      std::chrono::day{static_cast<unsigned>(date.day)}}};
    const auto t = day + hours{hour} + minutes{minute} + std::chrono::seconds{second + seconds};
    const auto d = floor<days>(t);
    const year_month_day ymd{d};
    const hh_mm_ss hms{t - d};
    return {{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
             static_cast<int>(static_cast<unsigned>(ymd.day()))},
            static_cast<int>(hms.hours().count()), static_cast<int>(hms.minutes().count()),
            static_cast<int>(hms.seconds().count())};
}

std::optional<DateTime> stampOfFileName(std::string_view fileName)
{
    if (fileName.size() < kStampLength)
        return std::nullopt;
    return DateTime::parseStamp(fileName.substr(0, kStampLength));
}

std::string saveFileName(std::string_view title, const DateTime& when, const std::vector<std::string>& existingNames)
{
    DateTime stamp = when;
    for (const auto& name : existingNames) {
        if (auto t = stampOfFileName(name); t && !(*t < stamp))
            stamp = t->plusSeconds(1);
    }
    const size_t room = kMaxNameBytes - kStampLength - kSeparator.size() - kExtension.size();
    return stamp.stamp() + std::string(kSeparator) + truncateUtf8(withoutControlCharacters(title), room) + std::string(kExtension);
}

} // namespace yorozu
