#include "core/document/RowBlock.h"

#include "core/document/CommaText.h"
#include "core/document/StringGrid.h"

#include <algorithm>

namespace yorozu {

RowBlock copyBlock(const StringGrid& grid, int left, int top, int right, int bottom)
{
    RowBlock b;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    left = std::max(left, 0);
    right = std::min(right, grid.colCount() - 1);
    top = std::max(top, 1);
    bottom = std::min(bottom, grid.rowCount() - 1);
    if (left > right || top > bottom)
        return b;
    b.left = left;
    b.top = top;
    b.right = right;
    b.bottom = bottom;
    b.cells.reserve(static_cast<size_t>(bottom - top + 1));
    for (int r = top; r <= bottom; ++r) {
        const auto& src = grid.row(r);
        b.cells.emplace_back(src.begin() + left, src.begin() + right + 1);
    }
    return b;
}

void pasteBlock(StringGrid& grid, const RowBlock& block, int col, int row, bool insert)
{
    if (block.empty() || row < 1)
        return;
    for (size_t j = 0; j < block.cells.size(); ++j) {
        const int t = row + static_cast<int>(j);
        if (insert) {
            if (t < grid.rowCount())
                grid.insertRow(t);
            else
                grid.setRowCount(t + 1);
        } else if (t >= grid.rowCount()) {
            grid.setRowCount(t + 1);
        }
        const auto& cells = block.cells[j];
        for (size_t k = 0; k < cells.size(); ++k) {
            const int c = col + static_cast<int>(k);
            if (c < 1 || c >= grid.colCount())
                continue; // the row numbers are the program's; nothing lands outside the sheet
            const int s = block.left + static_cast<int>(k);
            if (isBlockNumberColumn(c) && !isBlockNumberColumn(s))
                grid.setCell(c, t, std::string());
            else
                grid.setCell(c, t, cells[k]);
        }
    }
    grid.renumber(row);
}

namespace {

void appendFlat(std::string& out, const std::string& cell)
{
    for (char ch : cell)
        out += (ch == '\t' || ch == '\r' || ch == '\n') ? ' ' : ch;
}

} // namespace

std::string blockToTabText(const RowBlock& block)
{
    std::string out;
    for (size_t j = 0; j < block.cells.size(); ++j) {
        if (j > 0)
            out += "\r\n";
        const auto& cells = block.cells[j];
        for (size_t k = 0; k < cells.size(); ++k) {
            if (k > 0)
                out += '\t';
            appendFlat(out, cells[k]);
        }
    }
    return out;
}

std::vector<std::vector<std::string>> splitTabText(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    if (text.empty())
        return rows;
    std::vector<std::string> current(1);
    size_t i = 0;
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == '\t') {
            current.emplace_back();
            ++i;
        } else if (ch == '\r' || ch == '\n') {
            rows.push_back(std::move(current));
            current.assign(1, std::string());
            i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        } else {
            current.back() += ch;
            ++i;
        }
    }
    if (!(current.size() == 1 && current[0].empty()))
        rows.push_back(std::move(current));
    return rows;
}

void moveSheetRow(StringGrid& grid, int from, int to)
{
    const int last = grid.rowCount() - 1;
    if (from < 1 || to < 1 || from > last || to > last || from == to)
        return;
    grid.moveRow(from, to);
    grid.renumber(std::min(from, to));
}

void pasteRowText(StringGrid& grid, int row, const std::string& text)
{
    if (row < 1 || row >= grid.rowCount())
        return;
    setRowFromCommaText(grid, row, text);
    grid.setCell(0, row, std::to_string(row));
}

} // namespace yorozu
