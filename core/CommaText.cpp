#include "core/CommaText.h"

#include "core/StringGrid.h"

namespace yorozu {

namespace {

bool isSpaceOrControl(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 1 && b <= 32;
}

bool needsQuotes(const std::string& cell)
{
    for (char c : cell)
        if (isSpaceOrControl(c) || c == '"' || c == ',')
            return true;
    return false;
}

} // namespace

std::string encodeCommaText(const std::vector<std::string>& cells)
{
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += ',';
        const auto& cell = cells[i];
        if (!needsQuotes(cell)) {
            out += cell;
            continue;
        }
        out += '"';
        for (char c : cell) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
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
            while (i < n && line[i] != ',' && !isSpaceOrControl(line[i]))
                ++i;
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
