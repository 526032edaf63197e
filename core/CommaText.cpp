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

std::vector<std::string> decodeCommaText(std::string_view line)
{
    std::vector<std::string> items;
    // A row has 18 cells: one allocation instead of five regrowths for every line of a file.
    items.reserve(StringGrid::kColumns);
    size_t i = 0;
    const size_t n = line.size();
    auto skipBlanks = [&] {
        while (i < n && isSpaceOrControl(line[i]))
            ++i;
    };
    skipBlanks();
    if (i >= n)
        return items;
    while (true) {
        std::string item;
        if (i < n && line[i] == '"') {
            ++i;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += line[i++];
            }
        } else {
            const size_t start = i;
            while (i < n && line[i] != ',' && !isSpaceOrControl(line[i]))
                ++i;
            item.assign(line.substr(start, i - start));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i >= n)
            break;
        if (line[i] == ',') {
            ++i;
            // Only a comma at the very end gives a final empty item.
            if (i >= n) {
                items.emplace_back();
                break;
            }
            skipBlanks();
            if (i >= n)
                break;
        }
    }
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
    auto items = decodeCommaText(line);
    const int count = std::min(static_cast<int>(items.size()), grid.colCount());
    for (int c = 0; c < count; ++c)
        grid.setCell(c, row, std::move(items[static_cast<size_t>(c)]));
}

} // namespace yorozu
