#include "ui/sheet/SheetEditRules.h"

#include <gtest/gtest.h>

#include <optional>

using namespace yorozu;

namespace {

// A new sheet (31 rows) with the shape and memo columns as asked.
SheetShape shapeWith(bool shapeShown, bool memoShown)
{
    Estimate e;
    e.SunpouClick(shapeShown);
    e.setMemoVisible(memoShown);
    return sheetShapeOf(e);
}

using MoveRule = std::optional<CellMove> (*)(EditKey, int, int, const SheetShape&);

struct MoveCase {
    const char* name;
    MoveRule rule;
    EditKey key;
    bool shapeShown;
    bool memoShown;
    int col;
    int row;
    std::optional<CellMove> expected;
};

CellMove to(int c, int r)
{
    return CellMove{c, r};
}
CellMove nextLine(int r, bool append)
{
    return CellMove{1, r + 1, append, true, false};
}
CellMove stayAtEnd(int c, int r)
{
    return CellMove{c, r, false, true, false};
}
CellMove follow(int c, int r)
{
    return CellMove{c, r, false, false, true};
}

const MoveCase kMoves[] = {
    // text editor, Enter
    {"text Enter 3 to description", textEditorMove, EditKey::Enter, true, true, 3, 4, to(7, 4)},
    {"text Enter 7 to shape", textEditorMove, EditKey::Enter, true, true, 7, 4, to(9, 4)},
    {"text Enter 7 past hidden shape", textEditorMove, EditKey::Enter, false, true, 7, 4, to(10, 4)},
    {"text Enter 1 to 2", textEditorMove, EditKey::Enter, true, true, 1, 4, to(2, 4)},
    {"text Enter 9 to quantity", textEditorMove, EditKey::Enter, true, true, 9, 4, to(10, 4)},
    {"text Enter memo appends even mid-sheet", textEditorMove, EditKey::Enter, true, true, 17, 5, nextLine(5, true)},
    {"text Enter amount column ends the line", textEditorMove, EditKey::Enter, true, true, 14, 5, nextLine(5, true)},
    // text editor, Right (caret at the end) and Left (caret at the start)
    {"text Right 3 to description", textEditorMove, EditKey::Right, true, true, 3, 4, to(7, 4)},
    {"text Right 7 past hidden shape", textEditorMove, EditKey::Right, false, true, 7, 4, to(10, 4)},
    {"text Right memo to next row", textEditorMove, EditKey::Right, true, true, 17, 4, to(1, 5)},
    {"text Right memo on last row", textEditorMove, EditKey::Right, true, true, 17, 30, std::nullopt},
    {"text Left on row 1 column 1", textEditorMove, EditKey::Left, true, true, 1, 1, std::nullopt},
    {"text Left column 1 to memo above", textEditorMove, EditKey::Left, true, true, 1, 5, to(17, 4)},
    {"text Left column 1 to cost above", textEditorMove, EditKey::Left, true, false, 1, 5, to(13, 4)},
    {"text Left description to 3", textEditorMove, EditKey::Left, true, true, 7, 5, to(3, 5)},
    {"text Left shape to description", textEditorMove, EditKey::Left, true, true, 9, 5, to(7, 5)},
    {"text Left memo to cost", textEditorMove, EditKey::Left, true, true, 17, 5, to(13, 5)},
    // rows and pages, every editor
    {"text Down", textEditorMove, EditKey::Down, true, true, 7, 4, follow(7, 5)},
    {"text Up on row 1 stays", textEditorMove, EditKey::Up, true, true, 7, 1, follow(7, 1)},
    {"numeric Down on the last row stays", numericEditorMove, EditKey::Down, true, true, 12, 30, follow(12, 30)},
    {"Page Down bounded by the last row", numericEditorMove, EditKey::PageDown, true, true, 12, 20, follow(12, 30)},
    {"Page Down 23 rows", textEditorMove, EditKey::PageDown, true, true, 7, 2, follow(7, 25)},
    {"Page Up bounded by row 1", textEditorMove, EditKey::PageUp, true, true, 7, 10, follow(7, 1)},
    // numeric editor
    {"numeric Enter quantity to unit", numericEditorMove, EditKey::Enter, true, true, 10, 4, to(11, 4)},
    {"numeric Enter price to cost", numericEditorMove, EditKey::Enter, true, true, 12, 4, to(13, 4)},
    {"numeric Enter cost to memo", numericEditorMove, EditKey::Enter, true, true, 13, 4, to(17, 4)},
    {"numeric Enter cost, memo hidden", numericEditorMove, EditKey::Enter, true, false, 13, 4, nextLine(4, false)},
    {"numeric Enter cost on last row appends", numericEditorMove, EditKey::Enter, true, false, 13, 30,
     nextLine(30, true)},
    {"numeric Enter memo on last row appends", numericEditorMove, EditKey::Enter, true, true, 17, 30,
     nextLine(30, true)},
    {"numeric Right cost, memo hidden, stays", numericEditorMove, EditKey::Right, true, false, 13, 4,
     stayAtEnd(13, 4)},
    {"numeric Right memo to next row", numericEditorMove, EditKey::Right, true, true, 17, 4,
     CellMove{1, 5, false, true, false}},
    {"numeric Right memo on last row stays", numericEditorMove, EditKey::Right, true, true, 17, 30,
     stayAtEnd(17, 30)},
    {"numeric Left quantity to shape", numericEditorMove, EditKey::Left, true, true, 10, 4, to(9, 4)},
    {"numeric Left quantity past hidden shape", numericEditorMove, EditKey::Left, false, true, 10, 4, to(7, 4)},
    {"numeric Left price to unit", numericEditorMove, EditKey::Left, true, true, 12, 4, to(11, 4)},
    {"numeric Left memo to cost", numericEditorMove, EditKey::Left, true, true, 17, 4, to(13, 4)},
    // unit combo
    {"unit Enter to price", unitComboMove, EditKey::Enter, true, true, 11, 4, to(12, 4)},
    {"unit Right to price", unitComboMove, EditKey::Right, true, true, 11, 4, to(12, 4)},
    {"unit Left to quantity", unitComboMove, EditKey::Left, true, true, 11, 4, to(10, 4)},
    {"unit Up", unitComboMove, EditKey::Up, true, true, 11, 4, to(11, 3)},
    {"unit Page Down swallowed", unitComboMove, EditKey::PageDown, true, true, 11, 4, std::nullopt},
    // the sheet itself
    {"sheet Enter amount to cost total", sheetMove, EditKey::Enter, true, true, 14, 4, to(15, 4)},
    {"sheet Enter rate to next line", sheetMove, EditKey::Enter, true, true, 16, 4, nextLine(4, false)},
    {"sheet Enter rate on last row appends", sheetMove, EditKey::Enter, true, true, 16, 30, nextLine(30, true)},
    {"sheet Enter passes the exempt mark", sheetMove, EditKey::Enter, true, true, 7, 4, to(9, 4)},
    {"sheet Enter passes hidden shape too", sheetMove, EditKey::Enter, false, true, 7, 4, to(10, 4)},
    {"sheet Right from description, shape hidden", sheetMove, EditKey::Right, false, true, 7, 4, to(10, 4)},
    {"sheet Left from quantity, shape hidden", sheetMove, EditKey::Left, false, true, 10, 4, to(7, 4)},
    {"sheet Left from shape", sheetMove, EditKey::Left, true, true, 9, 4, to(7, 4)},
    {"sheet Left never reaches the row numbers", sheetMove, EditKey::Left, true, true, 1, 4, std::nullopt},
    {"sheet Right past the hidden memo", sheetMove, EditKey::Right, true, false, 16, 4, std::nullopt},
};

TEST(SheetEditRules, KeyMovesFromEveryEditorAndTheSheet)
{
    for (const MoveCase& c : kMoves) {
        SCOPED_TRACE(c.name);
        const SheetShape shape = shapeWith(c.shapeShown, c.memoShown);
        const auto got = c.rule(c.key, c.col, c.row, shape);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(got->col, c.expected->col);
            EXPECT_EQ(got->row, c.expected->row);
            EXPECT_EQ(got->appendRow, c.expected->appendRow);
            EXPECT_EQ(got->endOfLine, c.expected->endOfLine);
            if (c.rule != unitComboMove && c.rule != sheetMove) {
                EXPECT_EQ(got->keepEditor, c.expected->keepEditor);
            }
        }
    }
}

TEST(SheetEditRules, EditorByColumnFollowsTheMemoMode)
{
    struct Case {
        int col;
        SheetEditorKind text, numeric; // in text and numeric memo mode
    };
    const Case cases[] = {
        {0, SheetEditorKind::None, SheetEditorKind::None},       {1, SheetEditorKind::Text, SheetEditorKind::Text},
        {3, SheetEditorKind::Text, SheetEditorKind::Text},       {6, SheetEditorKind::None, SheetEditorKind::None},
        {7, SheetEditorKind::Text, SheetEditorKind::Text},       {9, SheetEditorKind::Text, SheetEditorKind::Text},
        {10, SheetEditorKind::Numeric, SheetEditorKind::Numeric}, {11, SheetEditorKind::Unit, SheetEditorKind::Unit},
        {12, SheetEditorKind::Numeric, SheetEditorKind::Numeric}, {13, SheetEditorKind::Numeric, SheetEditorKind::Numeric},
        {14, SheetEditorKind::None, SheetEditorKind::None},       {16, SheetEditorKind::None, SheetEditorKind::None},
        {17, SheetEditorKind::Text, SheetEditorKind::Numeric},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.col);
        EXPECT_EQ(editorForColumn(c.col, MemoMode::Text), c.text);
        EXPECT_EQ(editorForColumn(c.col, MemoMode::Numeric), c.numeric);
    }
    // The wheel lays the text editor even over the computed columns, and
    // over the unit column.
    EXPECT_EQ(wheelEditorForColumn(14, MemoMode::Text), SheetEditorKind::Text);
    EXPECT_EQ(wheelEditorForColumn(11, MemoMode::Text), SheetEditorKind::Text);
    EXPECT_EQ(wheelEditorForColumn(17, MemoMode::Numeric), SheetEditorKind::Numeric);
    EXPECT_FALSE(textEditorStores(14));
    EXPECT_FALSE(textEditorStores(8));
    EXPECT_TRUE(textEditorStores(11));
    EXPECT_EQ(numericDecimals(10), 3);
    EXPECT_EQ(numericDecimals(12), 2);
    EXPECT_EQ(numericDecimals(17), 2);
}

TEST(SheetEditRules, Column1MarksAndReservedCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"＃", "#"}, {"￥", "\\"}, {"＠", "@"}, {"_", ""},   {"^", ""},     {"$", ""},   {"~", ""},
        {"|", ""},  {"A$", "A$"}, {"＃A", "＃A"}, {"$$", "$$"}, {"#", "#"}, {"A01", "A01"},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(column1Text(typed), stored);
    }
}

TEST(SheetEditRules, TypedCharacterFilterByColumn)
{
    struct Case {
        char32_t ch;
        bool col1, col2, col7;
    };
    const Case cases[] = {
        {U'A', true, true, true},   {U'z', true, true, true},    {U'5', true, true, true},
        {U'.', true, true, true},   {U'#', true, false, true},   {U'@', true, false, true},
        {U'\\', true, false, true}, {0xA5, true, false, true},   {U'$', false, false, true},
        {U'*', false, false, true}, {U'-', false, false, true},  {U'あ', false, false, true},
        {U'Ａ', false, false, true}, {U'\b', true, true, true},   {U' ', false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.ch));
        EXPECT_EQ(acceptsTypedChar(1, c.ch), c.col1);
        EXPECT_EQ(acceptsTypedChar(2, c.ch), c.col2);
        EXPECT_EQ(acceptsTypedChar(3, c.ch), c.col2);
        EXPECT_EQ(acceptsTypedChar(7, c.ch), c.col7);
    }
}

TEST(SheetEditRules, DiscountLineAndAppendedRow)
{
    Estimate e;
    e.SG1.setCell(1, 4, "\\");
    e.SG1.setCell(1, 5, "A");
    EXPECT_TRUE(fillDiscountLine(e.SG1, 4));
    EXPECT_EQ(e.SG1.cell(7, 4), "■　値　引　き");
    EXPECT_EQ(e.SG1.cell(10, 4), "1");
    EXPECT_EQ(e.SG1.cell(11, 4), "式");
    EXPECT_FALSE(fillDiscountLine(e.SG1, 5));
    EXPECT_EQ(e.SG1.cell(7, 5), "");

    appendNumberedRow(e.SG1);
    ASSERT_EQ(e.SG1.rowCount(), 32);
    EXPECT_EQ(e.SG1.cell(0, 31), "31");
    EXPECT_TRUE(e.rowIsEmpty(31));
}

TEST(SheetEditRules, LineBreaksBecomeSpaces)
{
    EXPECT_EQ(withoutLineBreaks("a\r\nb\nc\rd"), "a b c d");
    EXPECT_EQ(withoutLineBreaks("\r\n\r\n"), "  ");
    EXPECT_EQ(withoutLineBreaks("plain"), "plain");
}

} // namespace
