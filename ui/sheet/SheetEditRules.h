#pragma once

#include "core/document/Estimate.h"

#include <array>
#include <optional>
#include <string>

// The rules of typing into the sheet, kept free of widgets so that every
// move can be checked without a window: which floating editor serves a
// column, where each key leads from each editor and from the sheet, and the
// filters of the classification column.
namespace yorozu {

enum class SheetEditorKind { None, Text, Numeric, Unit };

// What the moves depend on.
struct SheetShape {
    int rowCount = 31;         // grid rows, the heading row included
    bool Sunpou = true;        // the shape column is ticked on
    MemoMode memoMode = MemoMode::Text;
    std::array<bool, StringGrid::kColumns> shown{}; // width above 0

    bool memoShown() const { return shown[col::Memo]; }
    int lastRow() const { return rowCount - 1; }
};
SheetShape sheetShapeOf(const Estimate& estimate);

// The editor that opens on a cell of the column.
SheetEditorKind editorForColumn(int col, MemoMode memoMode);
// The editor the mouse wheel lays over a cell: numeric on the number
// columns, the text editor everywhere else.
SheetEditorKind wheelEditorForColumn(int col, MemoMode memoMode);
// Whether the text editor writes its text into a cell of the column.
bool textEditorStores(int col);
// The classification columns take codes, not Japanese text: the input
// method stays closed and the whole text is selected on entry.
bool isCodeColumn(int col);
// Decimal length of the numeric editor on the column.
int numericDecimals(int col);

enum class EditKey { Enter, Right, Left, Up, Down, PageUp, PageDown };

// Where a key takes the cursor.
struct CellMove {
    int col = 0;
    int row = 0;
    bool appendRow = false; // one numbered row is appended at the end first
    bool endOfLine = false; // a line was finished: the parts panel may take over
    bool keepEditor = false; // the same editor is laid over the new cell (Up, Down, pages)
    bool operator==(const CellMove&) const = default;
};

// Moves from the text editor. Right and Left apply only when the caret is at
// the end / start of the text; the caller checks that. Nothing: the key does
// nothing here.
std::optional<CellMove> textEditorMove(EditKey key, int col, int row, const SheetShape& shape);
// Moves from the numeric editor.
std::optional<CellMove> numericEditorMove(EditKey key, int col, int row, const SheetShape& shape);
// Moves from the unit combo with its list closed (page keys do nothing).
std::optional<CellMove> unitComboMove(EditKey key, int col, int row, const SheetShape& shape);
// Moves of the sheet itself, while it holds the focus (the columns without
// an editor).
std::optional<CellMove> sheetMove(EditKey key, int col, int row, const SheetShape& shape);

// Rows a page key moves.
inline constexpr int kPageRows = 23;

// ---- the classification column

// The text of column 1 after the mark rules: a lone full-width "＃", "￥" or
// "＠" becomes the half-width mark; a lone "_", "^", "$", "~" or "|" is
// reserved for the rows printing generates and becomes empty.
std::string column1Text(const std::string& text);
// Whether a typed character reaches the text editor on the column. Control
// characters other than Backspace and Enter are not characters here.
bool acceptsTypedChar(int col, char32_t ch);

inline constexpr const char* kDiscountMark = "\\";
inline constexpr const char* kDiscountText = "■　値　引　き";
// Enter on a discount mark: the row becomes the discount line. True when the
// row holds the mark (and was filled).
bool fillDiscountLine(StringGrid& grid, int row);

// One more empty row at the end of the sheet, with its number.
void appendNumberedRow(StringGrid& grid);

// A cell holds one line: the file layer refuses a line feed inside a row, so
// pasted line breaks (CR LF, CR or LF) become single spaces.
std::string withoutLineBreaks(std::string text);

} // namespace yorozu
