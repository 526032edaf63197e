#include "ui/sheet/SheetEditRules.h"

#include <algorithm>

namespace yorozu {

namespace {

constexpr int kLastCol = col::Memo;

bool isNumberColumn(int c, MemoMode memoMode)
{
    return c == col::Quantity || c == col::UnitPrice || c == col::CostPrice
           || (c == col::Memo && memoMode == MemoMode::Numeric);
}

// A move never ends on a column that is not on screen: the hidden reserved
// columns and a hidden shape or memo column are passed over in the direction
// of the move. Nothing when no shown column is left that way.
std::optional<CellMove> settle(CellMove m, int direction, const SheetShape& shape)
{
    while (m.col >= col::Dai && m.col <= kLastCol && !shape.shown[static_cast<size_t>(m.col)])
        m.col += direction;
    if (m.col < col::Dai || m.col > kLastCol)
        return std::nullopt;
    return m;
}

// Up, Down and the page keys: the same column, bounded by row 1 and the
// last row; the open editor follows.
std::optional<CellMove> rowMove(EditKey key, int c, int row, const SheetShape& shape)
{
    int target = row;
    switch (key) {
    case EditKey::Up:
        target = row - 1;
        break;
    case EditKey::Down:
        target = row + 1;
        break;
    case EditKey::PageUp:
        target = row - kPageRows;
        break;
    case EditKey::PageDown:
        target = row + kPageRows;
        break;
    default:
        return std::nullopt;
    }
    target = std::clamp(target, 1, std::max(1, shape.lastRow()));
    return CellMove{c, target, false, false, true};
}

CellMove nextLine(int row, const SheetShape& shape, bool appendAlways)
{
    CellMove m{col::Dai, row + 1};
    m.appendRow = appendAlways || row >= shape.lastRow();
    m.endOfLine = true;
    return m;
}

} // namespace

SheetShape sheetShapeOf(const Estimate& estimate)
{
    SheetShape s;
    s.rowCount = estimate.SG1.rowCount();
    s.Sunpou = estimate.Sunpou;
    s.memoMode = estimate.memoMode;
    for (int c = 0; c < StringGrid::kColumns; ++c)
        s.shown[static_cast<size_t>(c)] = estimate.SG1.colWidth(c) > 0;
    return s;
}

SheetEditorKind editorForColumn(int c, MemoMode memoMode)
{
    switch (c) {
    case col::Dai:
    case col::Cyu:
    case col::Syo:
    case 4:
    case 5:
    case col::Description:
    case col::TaxExempt:
    case col::Shape:
        return SheetEditorKind::Text;
    case col::Quantity:
    case col::UnitPrice:
    case col::CostPrice:
        return SheetEditorKind::Numeric;
    case col::Unit:
        return SheetEditorKind::Unit;
    case col::Memo:
        return memoMode == MemoMode::Numeric ? SheetEditorKind::Numeric : SheetEditorKind::Text;
    default:
        return SheetEditorKind::None;
    }
}

SheetEditorKind wheelEditorForColumn(int c, MemoMode memoMode)
{
    if (c < col::Dai || c > kLastCol)
        return SheetEditorKind::None;
    return isNumberColumn(c, memoMode) ? SheetEditorKind::Numeric : SheetEditorKind::Text;
}

bool textEditorStores(int c)
{
    switch (c) {
    case col::Dai:
    case col::Cyu:
    case col::Syo:
    case 4:
    case col::Description:
    case col::Shape:
    case col::Unit:
    case col::Memo:
        return true;
    default:
        return false;
    }
}

bool isCodeColumn(int c)
{
    return c >= col::Dai && c <= 5;
}

int numericDecimals(int c)
{
    return c == col::Quantity ? 3 : 2;
}

std::optional<CellMove> textEditorMove(EditKey key, int c, int row, const SheetShape& shape)
{
    switch (key) {
    case EditKey::Enter: {
        CellMove m{c + 1, row};
        if (c == col::Syo)
            m.col = col::Description;
        else if (c == col::Description)
            m.col = shape.Sunpou ? col::Shape : col::Quantity;
        else if (c == col::CostPrice && shape.memoShown())
            m.col = col::Memo;
        else if (c > col::UnitPrice)
            m = nextLine(row, shape, true);
        m.endOfLine = m.col == col::Dai;
        return settle(m, 1, shape);
    }
    case EditKey::Right: {
        CellMove m{c + 1, row};
        if (c == col::Syo) {
            m.col = col::Description;
        } else if (c == col::Description) {
            m.col = shape.Sunpou ? col::Shape : col::Quantity;
        } else if (c == col::Memo) {
            if (row >= shape.lastRow())
                return std::nullopt;
            m = CellMove{col::Dai, row + 1};
        }
        return settle(m, 1, shape);
    }
    case EditKey::Left: {
        CellMove m{c - 1, row};
        if (c == col::Dai) {
            if (row <= 1)
                return std::nullopt;
            m = CellMove{shape.memoShown() ? col::Memo : col::CostPrice, row - 1};
        } else if (c == col::Memo) {
            m.col = col::CostPrice;
        } else if (c == col::Description) {
            m.col = col::Syo;
        } else if (c == col::Shape) {
            m.col = col::Description;
        } else if (c == col::Quantity) {
            m.col = shape.Sunpou ? col::Shape : col::Description;
        }
        return settle(m, -1, shape);
    }
    default:
        return rowMove(key, c, row, shape);
    }
}

std::optional<CellMove> numericEditorMove(EditKey key, int c, int row, const SheetShape& shape)
{
    switch (key) {
    case EditKey::Enter:
    case EditKey::Right: {
        if (c == col::CostPrice && shape.memoShown())
            return settle(CellMove{col::Memo, row}, 1, shape);
        if (c == col::CostPrice || c == col::Memo) {
            if (key == EditKey::Enter)
                return nextLine(row, shape, false);
            CellMove m{c, row};
            if (c == col::Memo && row < shape.lastRow())
                m = CellMove{col::Dai, row + 1};
            m.endOfLine = true;
            return settle(m, 1, shape);
        }
        return settle(CellMove{c + 1, row}, 1, shape);
    }
    case EditKey::Left: {
        CellMove m{c - 1, row};
        if (c == col::Memo)
            m.col = col::CostPrice;
        else if (c == col::Quantity)
            m.col = shape.Sunpou ? col::Shape : col::Description;
        return settle(m, -1, shape);
    }
    default:
        return rowMove(key, c, row, shape);
    }
}

std::optional<CellMove> unitComboMove(EditKey key, int c, int row, const SheetShape& shape)
{
    switch (key) {
    case EditKey::Enter:
    case EditKey::Right:
        return settle(CellMove{col::UnitPrice, row}, 1, shape);
    case EditKey::Left:
        return settle(CellMove{col::Quantity, row}, -1, shape);
    case EditKey::Up:
    case EditKey::Down: {
        auto m = rowMove(key, c, row, shape);
        m->keepEditor = false; // the sheet takes the focus and reopens the combo
        return m;
    }
    default:
        return std::nullopt;
    }
}

std::optional<CellMove> sheetMove(EditKey key, int c, int row, const SheetShape& shape)
{
    switch (key) {
    case EditKey::Enter: {
        if (c == col::CostPrice || c == col::Rate || c >= kLastCol)
            return nextLine(row, shape, false);
        CellMove m{c + 1, row};
        if (m.col == col::TaxExempt)
            m.col = col::Shape;
        // Past the last shown column the line is finished all the same.
        if (auto settled = settle(m, 1, shape))
            return settled;
        return nextLine(row, shape, false);
    }
    case EditKey::Right:
        return settle(CellMove{c + 1, row}, 1, shape);
    case EditKey::Left:
        return settle(CellMove{c - 1, row}, -1, shape);
    default: {
        auto m = rowMove(key, c, row, shape);
        m->keepEditor = false;
        return m;
    }
    }
}

std::string column1Text(const std::string& text)
{
    if (text == "＃")
        return "#";
    if (text == "￥")
        return "\\";
    if (text == "＠")
        return "@";
    if (text == "_" || text == "^" || text == "$" || text == "~" || text == "|")
        return {};
    return text;
}

bool acceptsTypedChar(int c, char32_t ch)
{
    if (c != col::Dai && c != col::Cyu && c != col::Syo)
        return true;
    const bool ascii = ch < 0x80;
    const bool letter = ascii && ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'));
    const bool digit = ch >= '0' && ch <= '9';
    if (ch == '\b' || ch == '\r' || ch == '.' || digit || letter)
        return true;
    // The yen key gives U+00A5 on some layouts; it is stored as the mark "\".
    return c == col::Dai && (ch == '#' || ch == '@' || ch == '\\' || ch == 0xA5);
}

bool fillDiscountLine(StringGrid& grid, int row)
{
    if (grid.cell(col::Dai, row) != kDiscountMark)
        return false;
    grid.setCell(col::Description, row, kDiscountText);
    grid.setCell(col::Quantity, row, "1");
    grid.setCell(col::Unit, row, "式");
    return true;
}

void appendNumberedRow(StringGrid& grid)
{
    const int row = grid.rowCount();
    grid.setRowCount(row + 1);
    grid.setCell(col::No, row, std::to_string(row));
}

std::string withoutLineBreaks(std::string text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            out += ' ';
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace yorozu
