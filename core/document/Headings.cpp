#include "core/document/Headings.h"

#include "core/document/StringGrid.h"

#include <algorithm>

namespace yorozu {

namespace {

constexpr int kDescription = 7;
constexpr std::string_view kFullStop = "．";
constexpr std::string_view kFullSpace = "　";
// A description the commands rewrite keeps at most this many bytes.
constexpr size_t kDescriptionBytes = 200;

// Bytes of the UTF-8 sequence starting at text[i], and its code page length.
struct CharSize {
    size_t utf8;
    size_t cp932;
};

CharSize charAt(std::string_view text, size_t i)
{
    const auto b = static_cast<unsigned char>(text[i]);
    size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (i + n > text.size())
        n = text.size() - i;
    if (b < 0x80)
        return {1, 1};
    // U+FF61..U+FF9F, half-width katakana: EF BD A1..EF BD BF and EF BE 80..EF BE 9F.
    if (n == 3 && b == 0xEF) {
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        if ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F))
            return {3, 1};
    }
    return {n, 2};
}

bool isClassMark(const std::string& c1) { return c1 == "@" || c1 == "\\" || c1 == "#"; }
bool endsNumbering(const std::string& c1) { return c1 == "@" || c1 == "\\"; }

bool blank(const std::string& text)
{
    for (char ch : text)
        if (static_cast<unsigned char>(ch) > ' ')
            return false;
    return true;
}

void stripNumber(std::string& d)
{
    const size_t stop = d.find(kFullStop);
    if (stop == std::string::npos || cp932Length(std::string_view(d).substr(0, stop)) >= 6)
        return;
    d = cp932Prefix(std::string_view(d).substr(stop + kFullStop.size()), kDescriptionBytes);
}

void prefix(std::string& d, std::string_view front)
{
    d.insert(0, front);
}

} // namespace

size_t cp932Length(std::string_view text)
{
    size_t n = 0;
    for (size_t i = 0; i < text.size();) {
        const auto c = charAt(text, i);
        i += c.utf8;
        n += c.cp932;
    }
    return n;
}

std::string cp932Prefix(std::string_view text, size_t bytes)
{
    size_t n = 0, i = 0;
    while (i < text.size()) {
        const auto c = charAt(text, i);
        if (n + c.cp932 > bytes)
            break;
        n += c.cp932;
        i += c.utf8;
    }
    return std::string(text.substr(0, i));
}

void numberDescriptions(StringGrid& grid)
{
    const int rows = grid.rowCount();
    bool headings = false;
    for (int r = 1; r < rows; ++r) {
        if (std::string* d = grid.cellText(kDescription, r))
            stripNumber(*d);
        const auto& c1 = grid.cell(1, r);
        if (!c1.empty() && !isClassMark(c1))
            headings = true;
    }
    int counter = 1;
    for (int r = 1; r < rows; ++r) {
        const auto& c1 = grid.cell(1, r);
        std::string* d = grid.cellText(kDescription, r);
        if (d && !blank(*d) && !isClassMark(c1)) {
            if (!headings) {
                prefix(*d, std::to_string(counter++) + std::string(kFullStop));
            } else {
                for (int c = 1; c <= 3; ++c) {
                    const auto& mark = grid.cell(c, r);
                    if (!mark.empty())
                        prefix(*d, mark + std::string(kFullStop));
                }
            }
        }
        if (endsNumbering(c1))
            break;
    }
}

bool indentDescriptions(StringGrid& grid, int lastRow)
{
    lastRow = std::min(lastRow, grid.rowCount() - 1);
    if (lastRow < 1)
        return false;
    bool any2 = false, any3 = false;
    for (int r = lastRow; r >= 1; --r) {
        if (grid.cell(1, r).empty())
            prefix(*grid.cellText(kDescription, r), kFullSpace);
        any2 = any2 || !grid.cell(2, r).empty();
        any3 = any3 || !grid.cell(3, r).empty();
    }
    if (!any2)
        return false;
    for (int r = 1; r <= lastRow; ++r)
        if (grid.cell(1, r).empty() && grid.cell(2, r).empty())
            prefix(*grid.cellText(kDescription, r), kFullSpace);
    if (!any3)
        return false;
    bool inSmall = false;
    for (int r = 1; r <= lastRow; ++r) {
        if (!grid.cell(1, r).empty() || !grid.cell(2, r).empty())
            inSmall = false;
        else if (!grid.cell(3, r).empty())
            inSmall = true;
        else if (inSmall)
            prefix(*grid.cellText(kDescription, r), kFullSpace);
    }
    return true;
}

void unindentDescriptions(StringGrid& grid)
{
    for (int r = grid.rowCount() - 1; r >= 1; --r) {
        std::string* d = grid.cellText(kDescription, r);
        if (!d)
            continue;
        size_t skip = 0;
        while (d->compare(skip, kFullSpace.size(), kFullSpace) == 0)
            skip += kFullSpace.size();
        if (skip > 0)
            *d = cp932Prefix(std::string_view(*d).substr(skip), kDescriptionBytes);
    }
}

} // namespace yorozu
