#pragma once

#include <string>
#include <vector>

namespace yorozu {

// A string grid as the sheet and its copies use it: every value is cell text
// (UTF-8), addressed as (column, row) with row 0 the headings. Rows are kept
// as separate vectors so that inserting or removing a row moves pointers, not
// text: the subtotal passes insert thousands of rows one at a time.
class StringGrid {
public:
    static constexpr int kColumns = 18;

    explicit StringGrid(int rowCount = 2, int colCount = kColumns);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int colCount() const { return colCount_; }
    // Growing adds empty rows at the end; shrinking drops rows from the end.
    void setRowCount(int count);
    void setColCount(int count);

    // Reading outside the grid gives the empty text; writing outside it is ignored.
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    // The cell's text to fill in place (keeping its buffer); nullptr outside the grid.
    std::string* cellText(int col, int row)
    {
        if (row < 0 || row >= rowCount() || col < 0 || col >= colCount_)
            return nullptr;
        return &rows_[static_cast<size_t>(row)][static_cast<size_t>(col)];
    }

    const std::vector<std::string>& row(int r) const { return rows_.at(static_cast<size_t>(r)); }
    void clearRow(int r);
    // Inserts an empty row before `at` (at == rowCount() appends) / removes row `at`.
    void insertRow(int at);
    void removeRow(int at);
    // Moves the content of row `from` into row `to`, leaving `from` empty.
    void moveRowContent(int from, int to);
    // Takes row `from` out and puts it back at `to`; the rows between shift by one.
    void moveRow(int from, int to);

    // Column widths in pixels; -1 hides a column.
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    const std::vector<int>& colWidths() const { return widths_; }

    int defaultRowHeight() const { return rowHeight_; }
    void setDefaultRowHeight(int height) { rowHeight_ = height; }

    // Writes the decimal row index into column 0 of every data row.
    void renumber(int firstRow = 1);

    // Counts the changes of more than one cell at a time (row count, rows
    // inserted, removed, moved or cleared): whoever keeps figures per row
    // knows from it that the rows are no longer the ones it saw.
    unsigned long layoutVersion() const { return layoutVersion_; }

private:
    // Rows dropped by shrinking, emptied but with their cells' buffers kept,
    // for the next growth: clearing a ten-thousand-row sheet and reading the
    // next file into it then allocates nothing. A copy of the grid does not
    // take them over.
    struct SpareRows {
        std::vector<std::vector<std::string>> rows;
        SpareRows() = default;
        SpareRows(const SpareRows&) {}
        SpareRows(SpareRows&&) = default;
        SpareRows& operator=(const SpareRows&) { return *this; }
        SpareRows& operator=(SpareRows&&) = default;
    };

    std::vector<std::vector<std::string>> rows_;
    SpareRows spare_;
    std::vector<int> widths_;
    int colCount_;
    int rowHeight_ = 20;
    unsigned long layoutVersion_ = 0;
};

} // namespace yorozu
