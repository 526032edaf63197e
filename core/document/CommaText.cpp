#include "core/document/CommaText.h"

#include "core/document/StringGrid.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace yorozu {

namespace {

bool isSpaceOrControl(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 1 && b <= 32;
}

// Per byte: whether it ends a bare item (a blank, a control character, a
// comma) and whether it makes a cell need quotes (those and the quote).
constexpr unsigned char kEndsItem = 1;
constexpr unsigned char kNeedsQuotes = 2;
constexpr auto kByteClass = [] {
    std::array<unsigned char, 256> t{};
    for (int b = 1; b <= 32; ++b)
        t[static_cast<size_t>(b)] = kEndsItem | kNeedsQuotes;
    t[','] = kEndsItem | kNeedsQuotes;
    t['"'] = kNeedsQuotes;
    return t;
}();

bool is(char c, unsigned char what)
{
    return (kByteClass[static_cast<unsigned char>(c)] & what) != 0;
}

// Where the bare item starting at i ends: the first comma, blank or control
// character from i on, or n. Eight bytes at a time: the lowest byte that
// passes each test below is exact (a false hit only ever follows a true
// one), so the lowest of the two is the end, unless it is a NUL, which is
// part of an item and only passes the "below 33" test.
size_t bareItemEnd(std::string_view line, size_t i)
{
    const size_t n = line.size();
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101u;
        constexpr std::uint64_t highs = 0x8080808080808080u;
        while (i + 8 <= n) {
            std::uint64_t x;
            std::memcpy(&x, line.data() + i, 8);
            const std::uint64_t c = x ^ (ones * ',');
            const std::uint64_t hits = ((c - ones) & ~c & highs) | ((x - ones * 33) & ~x & highs);
            if (hits == 0) {
                i += 8;
                continue;
            }
            const size_t at = i + static_cast<size_t>(std::countr_zero(hits) / 8);
            if (line[at] != '\0')
                return at;
            i = at + 1;
        }
    }
    while (i < n && !is(line[i], kEndsItem))
        ++i;
    return i;
}

// Cells are short (a few bytes on average): a plain loop beats the word
// at a time of bareItemEnd here.
bool needsQuotes(std::string_view cell)
{
    for (char c : cell)
        if (is(c, kNeedsQuotes))
            return true;
    return false;
}

void appendQuoted(std::string& out, std::string_view cell)
{
    out += '"';
    while (true) {
        // Up to and with the next quote, which is then doubled.
        const auto quote = cell.find('"');
        if (quote == std::string_view::npos)
            break;
        out.append(cell.data(), quote + 1);
        out += '"';
        cell.remove_prefix(quote + 1);
    }
    out += cell;
    out += '"';
}

} // namespace

void appendCommaText(const std::vector<std::string>& cells, std::string& out)
{
    // Exactly the cells and their commas while no cell needs quotes (nearly
    // every row of a file); from the first one that does, appended.
    std::size_t size = cells.empty() ? 0 : cells.size() - 1;
    for (const auto& cell : cells)
        size += cell.size();
    const std::size_t start = out.size();
    out.resize(start + size);
    char* o = out.data() + start;
    for (size_t i = 0; i < cells.size(); ++i) {
        const auto& cell = cells[i];
        if (needsQuotes(cell)) {
            out.resize(static_cast<size_t>(o - out.data()));
            for (; i < cells.size(); ++i) {
                if (i > 0)
                    out += ',';
                if (needsQuotes(cells[i]))
                    appendQuoted(out, cells[i]);
                else
                    out += cells[i];
            }
            return;
        }
        if (i > 0)
            *o++ = ',';
        std::memcpy(o, cell.data(), cell.size());
        o += cell.size();
    }
}

std::string encodeCommaText(const std::vector<std::string>& cells)
{
    std::string out;
    appendCommaText(cells, out);
    return out;
}

namespace {

// Reads the items of a line in order. `next()` gives the string the next item
// goes into (empty on entry), or nullptr when no more items are wanted.
// Items are cut out in whole runs rather than character by character: a
// file of ten thousand rows is mostly this loop.
template <class Next>
void readItems(std::string_view line, Next next)
{
    size_t i = 0;
    const size_t n = line.size();
    auto skipBlanks = [&] {
        while (i < n && isSpaceOrControl(line[i]))
            ++i;
    };
    skipBlanks();
    if (i >= n)
        return;
    while (true) {
        std::string* item = next();
        if (item == nullptr)
            return;
        if (line[i] == '"') {
            ++i;
            while (i < n) {
                // Everything up to the next quote belongs to the item.
                auto quote = line.find('"', i);
                if (quote == std::string_view::npos)
                    quote = n;
                item->append(line.data() + i, quote - i);
                i = quote;
                if (i >= n)
                    break;
                if (i + 1 < n && line[i + 1] == '"') {
                    *item += '"';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
        } else {
            const size_t start = i;
            i = bareItemEnd(line, i);
            item->assign(line.data() + start, i - start);
        }
        skipBlanks();
        if (i >= n)
            break;
        if (line[i] == ',') {
            ++i;
            // Only a comma at the very end gives a final empty item.
            if (i >= n) {
                next();
                break;
            }
            skipBlanks();
            if (i >= n)
                break;
        }
    }
}

} // namespace

std::vector<std::string> decodeCommaText(std::string_view line)
{
    std::vector<std::string> items;
    // A row has 18 cells: one allocation instead of five regrowths for every line of a file.
    items.reserve(StringGrid::kColumns);
    readItems(line, [&] { return &items.emplace_back(); });
    return items;
}

std::string rowCommaText(const StringGrid& grid, int row)
{
    if (row < 0 || row >= grid.rowCount())
        return encodeCommaText(std::vector<std::string>(static_cast<size_t>(grid.colCount())));
    return encodeCommaText(grid.row(row));
}

void setRowFromCommaText(StringGrid& grid, int row, std::string_view line)
{
    grid.clearRow(row);
    if (row < 0 || row >= grid.rowCount())
        return;
    // Straight into the row's cells, which clearRow left empty.
    int col = 0;
    readItems(line, [&]() -> std::string* { return col < grid.colCount() ? grid.cellText(col++, row) : nullptr; });
}

} // namespace yorozu
