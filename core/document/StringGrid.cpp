#include "core/document/StringGrid.h"

#include <algorithm>

namespace yorozu {

namespace {
const std::string kEmpty;
}

StringGrid::StringGrid(int rowCount, int colCount)
    : widths_(static_cast<size_t>(std::max(colCount, 0)), 64), colCount_(std::max(colCount, 0))
{
    setRowCount(rowCount);
}

void StringGrid::setRowCount(int count)
{
    ++layoutVersion_;
    const auto wanted = static_cast<size_t>(std::max(count, 0));
    const auto columns = static_cast<size_t>(colCount_);
    while (rows_.size() > wanted) {
        auto& row = rows_.back();
        for (auto& c : row)
            c.clear();
        spare_.rows.push_back(std::move(row));
        rows_.pop_back();
    }
    if (rows_.size() >= wanted)
        return;
    while (rows_.size() < wanted && !spare_.rows.empty()) {
        auto& row = spare_.rows.back();
        // Empty already; the column count may have changed since.
        row.resize(columns);
        rows_.push_back(std::move(row));
        spare_.rows.pop_back();
    }
    const auto fresh = rows_.size();
    rows_.resize(wanted);
    for (auto i = fresh; i < wanted; ++i)
        rows_[i].assign(columns, std::string());
}

void StringGrid::setColCount(int count)
{
    ++layoutVersion_;
    colCount_ = std::max(count, 0);
    for (auto& r : rows_)
        r.resize(static_cast<size_t>(colCount_));
    widths_.resize(static_cast<size_t>(colCount_), 64);
}

const std::string& StringGrid::cell(int col, int row) const
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= colCount_)
        return kEmpty;
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void StringGrid::setCell(int col, int row, std::string text)
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= colCount_)
        return;
    rows_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
}

void StringGrid::clearRow(int r)
{
    ++layoutVersion_;
    if (r < 0 || r >= rowCount())
        return;
    for (auto& c : rows_[static_cast<size_t>(r)])
        c.clear();
}

void StringGrid::insertRow(int at)
{
    ++layoutVersion_;
    at = std::clamp(at, 0, rowCount());
    rows_.insert(rows_.begin() + at, std::vector<std::string>(static_cast<size_t>(colCount_)));
}

void StringGrid::removeRow(int at)
{
    ++layoutVersion_;
    if (at < 0 || at >= rowCount())
        return;
    rows_.erase(rows_.begin() + at);
}

void StringGrid::moveRowContent(int from, int to)
{
    ++layoutVersion_;
    if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount())
        return;
    rows_[static_cast<size_t>(to)] = std::move(rows_[static_cast<size_t>(from)]);
    rows_[static_cast<size_t>(from)].assign(static_cast<size_t>(colCount_), std::string());
}

void StringGrid::moveRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount())
        return;
    ++layoutVersion_;
    const auto first = rows_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

int StringGrid::colWidth(int col) const
{
    if (col < 0 || col >= colCount_)
        return -1;
    return widths_[static_cast<size_t>(col)];
}

void StringGrid::setColWidth(int col, int width)
{
    if (col < 0 || col >= colCount_)
        return;
    widths_[static_cast<size_t>(col)] = width;
}

void StringGrid::renumber(int firstRow)
{
    for (int r = std::max(firstRow, 1); r < rowCount(); ++r)
        setCell(0, r, std::to_string(r));
}

} // namespace yorozu
