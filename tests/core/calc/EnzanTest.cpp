#include "core/calc/Enzan.h"
#include "core/document/Estimate.h"
#include "core/calc/Numbers.h"

#include <gtest/gtest.h>

#include <vector>

using namespace yorozu;

namespace {

// The editor as the window drives it: its text is written through to the
// current cell on every change, and moves complete the operation first.
class EnzanTest : public ::testing::Test {
protected:
    Estimate doc;
    Enzan enzan;
    std::string editor;
    Enzan::Cell current{col::UnitPrice, 1};

    void SetUp() override { doc.SG1.setCell(col::Quantity, 1, "2"); }

    void type(const std::string& text)
    {
        editor = text;
        doc.SG1.setCell(current.col, current.row, editor);
        doc.recalculateLine(current.row);
    }
    void key(char k)
    {
        if (enzan.start(k, editor, current))
            editor.clear();
    }
    void enter()
    {
        if (auto text = enzan.ENZAN(doc, editor, current))
            editor = *text;
        doc.SG1.setCell(current.col, current.row, editor);
    }
    std::string cell() const { return doc.SG1.cell(current.col, current.row); }
};

} // namespace

TEST_F(EnzanTest, OperationsLandInTheCell)
{
    struct Case {
        const char* first;
        char op;
        const char* second;
        const char* result;
    } cases[] = {
        {"1200", '*', "3", "3600"}, {"1200", '=', "200", "1000"}, {"1000", '/', "8", "125"},
        {"1000", '+', "25", "1025"}, {"0", '*', "5", "5"},       {"1200", '*', "", "1200"},
        {"10", '/', "3", "3.33333333333333"}, {"0.5", '*', "3", "1.5"}, {"-2", '*', "4", "-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + c.op + c.second);
        type(c.first);
        key(c.op);
        EXPECT_EQ(editor, "");
        type(c.second);
        enter();
        EXPECT_EQ(cell(), c.result);
        EXPECT_FALSE(enzan.pending());
        EXPECT_FALSE(enzan.SIKIVisible);
        EXPECT_EQ(enzan.ENZAN_CELL, (Enzan::Cell{0, 0}));
    }
    // The line follows the result.
    EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "-16");
}

TEST_F(EnzanTest, LabelShowsTheFirstOperandAndTheSign)
{
    struct Case {
        const char* first;
        char op;
        const char* siki;
        const char* opText;
    } cases[] = {
        {"120", '*', " 120 × ", "*"},          {"1234567", '/', " 1,234,567 ÷ ", "/"},
        {"12.345", '+', " 12.345 ＋ ", "+"},   {"0.5", '=', " 0.5 － ", "-"},
        {"1.23456", '*', " 1.235 × ", "*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.siki);
        enzan.reset();
        type(c.first);
        key(c.op);
        EXPECT_EQ(enzan.SIKI, c.siki);
        EXPECT_TRUE(enzan.SIKIVisible);
        EXPECT_EQ(enzan.ENZAN_OP, c.opText);
    }
    EXPECT_EQ(enzan.ENZAN_VAL, 12346); // 1.23456 x 10000, nearest
}

TEST_F(EnzanTest, OperatorOnAnEmptyEditorOnlyRecordsTheCell)
{
    for (const char* text : {"", "-"}) {
        SCOPED_TRACE(text);
        editor = text;
        EXPECT_FALSE(enzan.start('*', editor, {col::Quantity, 4}));
        EXPECT_FALSE(enzan.pending());
        EXPECT_FALSE(enzan.SIKIVisible);
        EXPECT_EQ(enzan.ENZAN_CELL, (Enzan::Cell{col::Quantity, 4}));
    }
    EXPECT_FALSE(enzan.start('x', "5", current));
}

TEST_F(EnzanTest, SecondOperatorStartsAfresh)
{
    type("5");
    key('*');
    type("3");
    key('+');
    type("2");
    enter();
    EXPECT_EQ(cell(), "5");
}

TEST_F(EnzanTest, MousePressCompletesIntoTheStartingCell)
{
    type("1200");
    key('*');
    type("3");
    // The press has moved the current cell to another row already.
    const Enzan::Cell start = current;
    current = {col::UnitPrice, 5};
    const auto text = enzan.ENZAN2(doc, editor);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "3600");
    EXPECT_EQ(doc.SG1.cell(start.col, start.row), "3600");
    EXPECT_EQ(doc.SG1.cell(col::Amount, start.row), "7200");
    EXPECT_EQ(doc.KINGAKU_KEI, 7200 * 10000);
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 5), "");
}

TEST_F(EnzanTest, CompletingWhileIdleDoesNothing)
{
    type("7");
    EXPECT_FALSE(enzan.ENZAN(doc, editor, current));
    EXPECT_FALSE(enzan.ENZAN2(doc, editor));
    EXPECT_EQ(cell(), "7");
}

TEST_F(EnzanTest, HeadingsAreNeverWritten)
{
    // A pending operation whose recorded cell is the idle corner: the
    // headings and row numbers stay.
    enzan.ENZAN_OP = "*";
    enzan.ENZAN_VAL = 20000;
    EXPECT_FALSE(enzan.ENZAN2(doc, "3"));
    EXPECT_EQ(doc.SG1.cell(0, 0), "№");
    enzan.deleteKey(doc, {0, 1});
    EXPECT_EQ(doc.SG1.cell(0, 1), "1");
    enzan.escapeKey(doc, {col::UnitPrice, 0});
    EXPECT_EQ(doc.SG1.cell(col::UnitPrice, 0), "単価");
}

TEST_F(EnzanTest, FailuresLeaveEverythingAsItWas)
{
    // A first operand that is no number starts nothing.
    EXPECT_THROW(enzan.start('*', "1.2.3", current), ConversionError);
    EXPECT_FALSE(enzan.pending());
    EXPECT_EQ(enzan.ENZAN_CELL, (Enzan::Cell{0, 0}));

    // Division by zero: nothing written, the operation stays pending.
    type("1000");
    key('/');
    type("0");
    EXPECT_THROW(enzan.ENZAN(doc, editor, current), ConversionError);
    EXPECT_EQ(cell(), "0");
    EXPECT_TRUE(enzan.pending());
    EXPECT_TRUE(enzan.SIKIVisible);
    EXPECT_EQ(enzan.ENZAN_VAL, 1000 * 10000);
    // The user corrects the divisor and completes.
    type("4");
    enter();
    EXPECT_EQ(cell(), "250");

    // A second operand that is no number fails the same way.
    type("10");
    key('*');
    editor = "-";
    EXPECT_THROW(enzan.ENZAN(doc, editor, current), ConversionError);
    EXPECT_TRUE(enzan.pending());
}

TEST_F(EnzanTest, CancelKeys)
{
    type("1200");
    key('*');
    type("3");
    enzan.deleteKey(doc, current);
    EXPECT_FALSE(enzan.pending());
    EXPECT_FALSE(enzan.SIKIVisible);
    EXPECT_EQ(cell(), "");
    EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "");

    type("1200");
    key('*');
    enzan.backspaceKey();
    EXPECT_FALSE(enzan.pending());
    EXPECT_EQ(enzan.ENZAN_VAL, 0);

    // Escape with a pending operand puts it back and keeps the operation.
    type("1200");
    key('*');
    type("3");
    editor = enzan.escapeKey(doc, current);
    EXPECT_EQ(editor, "1200");
    EXPECT_EQ(cell(), "1200");
    EXPECT_TRUE(enzan.pending());
    type("2");
    enter();
    EXPECT_EQ(cell(), "2400");

    // Escape without one empties the editor and the cell.
    type("55");
    editor = enzan.escapeKey(doc, current);
    EXPECT_EQ(editor, "");
    EXPECT_EQ(cell(), "");
}

TEST_F(EnzanTest, TheCellReceivesWhatTheEditorKeeps)
{
    // A price editor keeps two decimals: the cell and the line follow the
    // editor's text, not the longer result.
    const Enzan::EditorEcho twoDecimals = [](const std::string& text) {
        const auto point = text.find('.');
        return point == std::string::npos ? text : text.substr(0, point + 3);
    };
    type("10");
    key('/');
    type("3");
    const auto stored = enzan.ENZAN(doc, editor, current, twoDecimals);
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, "3.33");
    EXPECT_EQ(cell(), "3.33");
    EXPECT_EQ(doc.SG1.cell(col::Amount, 1), "6"); // 2 x 3.33 = 6.66, truncated

    type("1.256");
    key('*');
    EXPECT_EQ(enzan.escapeKey(doc, current, twoDecimals), "1.25");
    EXPECT_EQ(cell(), "1.25");
}
