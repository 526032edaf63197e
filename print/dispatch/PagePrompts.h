#pragma once

#include <optional>
#include <string_view>

namespace yorozu {

class Dialogs;

// The pages of a print, from the start page to the end page (both counted from 1).
struct PageRange {
    int start = 1;
    int end = 9999;
    friend bool operator==(const PageRange&, const PageRange&) = default;
};

// The answers of the two prompts: full-width digits count, anything that is
// no number gives the preset, a start below 1 becomes 1.
int startPageFromAnswer(std::string_view answer);
int endPageFromAnswer(std::string_view answer);

// Asks the start page, then the end page; nothing when either is cancelled.
std::optional<PageRange> askPageRange(Dialogs& dialogs);

} // namespace yorozu
