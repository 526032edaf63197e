#include "controls/numedit/NumEditModel.h"

#include <gtest/gtest.h>

#include <functional>

using namespace yorozu;

namespace {

// Script steps for driving the model: any other character is typed.
constexpr char kBack = '\b';     // Backspace or Delete
constexpr char kSelect = '\x01'; // select all
constexpr char kUndo = '\x1a';   // menu undo
constexpr char kDelete = '\x7f'; // menu delete
constexpr char kEnter = '\x0e';  // focus gained, auto-select on
constexpr char kLeave = '\x0f';  // focus lost, hide selection on

struct Outcome {
    int changes = 0; // announced changes
    int refusals = 0;
};

Outcome run(NumEditModel& m, const std::string& script)
{
    Outcome out;
    for (char c : script) {
        NumEditResult r = NumEditResult::Unchanged;
        switch (c) {
        case kBack:
            r = m.deleteBack();
            break;
        case kSelect:
            m.selectAll();
            break;
        case kUndo:
            r = m.undo();
            break;
        case kDelete:
            r = m.deleteSelection();
            break;
        case kEnter:
            m.focusGained(true);
            break;
        case kLeave:
            m.focusLost(true);
            break;
        default:
            r = m.typeChar(static_cast<unsigned char>(c));
        }
        out.changes += r == NumEditResult::Changed;
        out.refusals += r == NumEditResult::Refused;
    }
    return out;
}

struct TypingCase {
    const char* name;
    std::function<void(NumEditModel&)> setup;
    std::string script;
    const char* value;
    const char* display;
    int changes;
    int refusals;
};

void none(NumEditModel&) {}

const TypingCase kTypingCases[] = {
    {"digits are grouped", none, "1234", "1234", "1,234", 4, 0},
    {"decimal limit stops the fourth decimal",
     [](NumEditModel& m) { m.setDecimalLength(2); }, "1.234", "1.23", "1.23", 4, 1},
    {"leading zeros vanish", none, "007", "7", "7", 3, 0},
    {"minus toggles on", [](NumEditModel& m) { m.setText("500"); }, "-", "-500", "-500", 1, 0},
    {"minus toggles off", [](NumEditModel& m) { m.setText("500"); }, "--", "500", "500", 2, 0},
    {"minus refused when not allowed", [](NumEditModel& m) { m.setMinus(false); }, "-5", "5", "5", 1, 1},
    {"integer limit", [](NumEditModel& m) { m.setIntegerLength(3); }, "12345", "123", "123", 3, 2},
    {"integer limit does not bind decimals",
     [](NumEditModel& m) { m.setIntegerLength(3); }, "123.45", "123.45", "123.45", 6, 0},
    {"a one-digit field replaces its zero",
     [](NumEditModel& m) { m.setIntegerLength(1); m.setDecimalLength(0); }, "078", "7", "7", 2, 1},
    {"lone point gets a zero", none, ".", "0.", "0.", 1, 0},
    {"second point refused", none, "1..", "1.", "1.", 2, 1},
    {"point refused without decimals", [](NumEditModel& m) { m.setDecimalLength(0); }, "1.", "1", "1", 1, 1},
    {"point after a sign", none, "-.5", "-0.5", "-0.5", 3, 0},
    {"zero decimals are kept", none, "0.05", "0.05", "0.05", 4, 0},
    {"letters refused", none, "1a", "1", "1", 1, 1},
    {"backspace takes the point with the last decimal",
     [](NumEditModel& m) { m.setText("1.5"); }, std::string(1, kBack), "1", "1", 1, 0},
    {"backspace keeps an inner point", [](NumEditModel& m) { m.setText("1.25"); }, std::string(1, kBack),
     "1.2", "1.2", 1, 0},
    {"backspace down to nothing", [](NumEditModel& m) { m.setText("-5"); }, std::string(3, kBack), "", "",
     2, 0},
    {"backspace on a full selection is silent",
     [](NumEditModel& m) { m.setText("123"); }, std::string{kSelect, kBack}, "", "", 0, 0},
    {"auto-select: a digit replaces the value",
     [](NumEditModel& m) { m.setText("123"); }, std::string{kEnter} + "8", "8", "8", 1, 0},
    {"auto-select: the sign starts a new value",
     [](NumEditModel& m) { m.setText("500"); }, std::string{kEnter} + "-3", "-3", "-3", 2, 0},
    {"auto-select: a point starts a fraction",
     [](NumEditModel& m) { m.setText("500"); }, std::string{kEnter} + ".5", "0.5", "0.5", 2, 0},
    {"lone minus emptied on leaving", none, std::string{'-', kLeave}, "", "", 1, 0},
    {"lone minus kept with eoMinusOnly", [](NumEditModel& m) { m.setOptions(eoMinusOnly); },
     std::string{'-', kLeave}, "-", "-", 1, 0},
    {"a negative number survives leaving", none, std::string{'-', '4', kLeave}, "-4", "-4", 2, 0},
    {"undo restores the earlier value", none, std::string{'1', '2', kUndo}, "1", "1", 3, 0},
    {"second undo restores the later value", none, std::string{'1', '2', kUndo, kUndo}, "12", "12", 4, 0},
    {"nothing to undo at first", none, std::string{kUndo}, "", "", 0, 0},
    {"menu delete needs a selection", [](NumEditModel& m) { m.setText("9"); }, std::string{kDelete}, "9", "9",
     0, 0},
    {"menu delete of a selection", [](NumEditModel& m) { m.setText("9"); }, std::string{kSelect, kDelete}, "",
     "", 1, 0},
    {"fixed decimals show while typing",
     [](NumEditModel& m) { m.setDecimalLength(2); m.setDecimalFixed(true); }, "3", "3", "3.00", 1, 0},
};

TEST(NumEditModel, TypingRules)
{
    for (const auto& c : kTypingCases) {
        SCOPED_TRACE(c.name);
        NumEditModel m;
        c.setup(m);
        const Outcome out = run(m, c.script);
        EXPECT_EQ(m.value(), c.value);
        EXPECT_EQ(m.displayText(), c.display);
        EXPECT_EQ(out.changes, c.changes);
        EXPECT_EQ(out.refusals, c.refusals);
    }
}

TEST(NumEditModel, UndoAfterTypingSelectsAll)
{
    NumEditModel m;
    run(m, "12");
    ASSERT_FALSE(m.allSelected());
    m.undo();
    EXPECT_TRUE(m.allSelected());
    // With all selected, the next digit replaces the restored value.
    m.typeChar(U'5');
    EXPECT_EQ(m.value(), "5");
}

TEST(NumEditModel, LeavingDropsTheSelectionOnlyWithHideSelection)
{
    NumEditModel m;
    m.setText("5");
    m.focusGained(true);
    m.focusLost(false);
    EXPECT_TRUE(m.allSelected());
    m.focusLost(true);
    EXPECT_FALSE(m.allSelected());
}

TEST(NumEditModel, WidthStopRefusesWhatWouldNotFit)
{
    NumEditModel m;
    m.setOptions(eoORInputStop);
    m.setFitTest([](const std::string& display) { return display.size() <= 5; });
    EXPECT_EQ(run(m, "123456").refusals, 2); // "1,234" fits, "12,345" does not
    EXPECT_EQ(m.value(), "1234");
    EXPECT_EQ(m.typeChar(U'-'), NumEditResult::Refused); // "-1,234" is six wide
}

TEST(NumEditModel, RefusedInputKeepsTheSelectedValue)
{
    // A refused key must not cost the user the value it would have replaced.
    NumEditModel m;
    m.setText("42");
    m.setOptions(eoORInputStop);
    m.setFitTest([](const std::string&) { return false; });
    m.selectAll();
    EXPECT_EQ(m.typeChar(U'7'), NumEditResult::Refused);
    EXPECT_EQ(m.value(), "42");
    EXPECT_TRUE(m.allSelected());
}

TEST(NumEditModel, WidthStopIsOffWithoutTheOption)
{
    NumEditModel m;
    m.setFitTest([](const std::string&) { return false; });
    EXPECT_EQ(m.typeChar(U'1'), NumEditResult::Changed);
}

TEST(NumEditModel, TextFromOutsideIsNormalisedAndSilentOnRepeat)
{
    NumEditModel m;
    EXPECT_TRUE(m.setText("１２．５"));
    EXPECT_EQ(m.value(), "12.5");
    EXPECT_FALSE(m.setText("12.5"));
    EXPECT_TRUE(m.setText("12345678901"));
    EXPECT_EQ(m.value(), "");
    EXPECT_FALSE(m.canUndo()); // setting the text is not an edit
}

TEST(NumEditModel, LimitsFilterTheCurrentValueAgain)
{
    struct Case {
        const char* name;
        const char* value;
        std::function<void(NumEditModel&)> change;
        const char* after;
    };
    const Case cases[] = {
        {"fewer decimals cut", "1.25", [](NumEditModel& m) { m.setDecimalLength(1); }, "1.2"},
        {"no decimals drop the point", "1.25", [](NumEditModel& m) { m.setDecimalLength(0); }, "1"},
        {"fewer integer digits empty", "123", [](NumEditModel& m) { m.setIntegerLength(2); }, ""},
        {"sign forbidden empties", "-5", [](NumEditModel& m) { m.setMinus(false); }, ""},
        {"negative lengths are ignored", "1.25", [](NumEditModel& m) { m.setDecimalLength(-1); m.setIntegerLength(-1); }, "1.25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NumEditModel m;
        m.setText(c.value);
        c.change(m);
        EXPECT_EQ(m.value(), c.after);
        EXPECT_EQ(m.displayText(), buildNumberDisplay(c.after, m.format()).text());
    }
}

TEST(NumEditModel, PasteFiltersTheJoinedText)
{
    struct Case {
        const char* name;
        const char* value;
        bool selected;
        const char* clip;
        const char* after;
    };
    const Case cases[] = {
        {"appended", "12", false, "3,456", "123456"},
        {"replaces a selection", "99", true, "１２ab", "12"},
        {"too long empties", "12345678", false, "99", ""},
        {"garbage on a selection empties", "99", true, "abc", ""},
        {"second point cut", "1.5", false, ".5", "1.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NumEditModel m;
        m.setText(c.value);
        if (c.selected)
            m.selectAll();
        EXPECT_EQ(m.paste(c.clip), NumEditResult::Changed);
        EXPECT_EQ(m.value(), c.after);
        EXPECT_FALSE(m.allSelected());
        // Undo brings back what the paste replaced.
        m.undo();
        EXPECT_EQ(m.value(), c.value);
    }
}

TEST(NumEditModel, CopyGivesValueOrImage)
{
    NumEditModel m;
    m.setLeftMark("\\");
    m.setText("-1234.5");
    EXPECT_EQ(m.copyText(false), "-1234.5");
    EXPECT_EQ(m.copyText(true), "¥-1,234.5");
    EXPECT_EQ(m.cut(), NumEditResult::Unchanged); // nothing selected
    m.selectAll();
    EXPECT_EQ(m.cut(), NumEditResult::Changed);
    EXPECT_EQ(m.value(), "");
}

} // namespace
