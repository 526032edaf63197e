#pragma once

#include "files/settings/CompanySettings.h"
#include "files/settings/CompanySettingsFile.h"

#include <ostream>

namespace yorozu {

// Failed comparisons show the settings as the lines of their file.
inline void PrintTo(const CompanySettings& settings, std::ostream* os)
{
    for (const auto& line : companySettingsLines(settings))
        *os << "\n    " << line;
}

} // namespace yorozu
