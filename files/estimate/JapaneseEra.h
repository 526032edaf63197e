#pragma once

#include "core/document/Date.h"

#include <string>

namespace yorozu {

// The era a date belongs to and the year counted in it (1 for the first
// year): 令和 from 2019-05-01, 平成 from 1989-01-08, 昭和 from 1926-12-25,
// 大正 from 1912-07-30, 明治 before.
struct EraYear {
    std::string era;
    int year = 0;
};

EraYear japaneseEra(const Date& date);

} // namespace yorozu
