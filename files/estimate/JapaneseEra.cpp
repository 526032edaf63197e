#include "files/estimate/JapaneseEra.h"

#include <tuple>

namespace yorozu {

namespace {

struct Era {
    const char* name;
    int year, month, day; // first day of the era
};

// Newest first, so the first era that started on or before the date is its era.
constexpr Era kEras[] = {
    {"令和", 2019, 5, 1},
    {"平成", 1989, 1, 8},
    {"昭和", 1926, 12, 25},
    {"大正", 1912, 7, 30},
    {"明治", 1868, 1, 25},
};

} // namespace

EraYear japaneseEra(const Date& date)
{
    const auto key = std::tie(date.year, date.month, date.day);
    for (const auto& e : kEras) {
        if (key >= std::make_tuple(e.year, e.month, e.day))
            return {e.name, date.year - e.year + 1};
    }
    const auto& oldest = kEras[std::size(kEras) - 1];
    return {oldest.name, date.year - oldest.year + 1};
}

} // namespace yorozu
