#include "core/calc/Enzan.h"

#include "core/document/Estimate.h"
#include "core/calc/Format.h"
#include "core/calc/Numbers.h"

namespace yorozu {

namespace {

const char* symbolOf(const std::string& op)
{
    if (op == "*")
        return "×";
    if (op == "/")
        return "÷";
    if (op == "+")
        return "＋";
    return "－";
}

// Results go into data cells only: a target left at its idle value (the
// heading corner) must never overwrite a heading or a row number.
bool isDataCell(const Enzan::Cell& cell)
{
    return cell.row >= 1 && cell.col >= 1;
}

} // namespace

bool Enzan::start(char key, std::string_view editorText, Cell current)
{
    if (key != '*' && key != '/' && key != '+' && key != '=')
        return false;
    bool started = false;
    if (!editorText.empty() && editorText != "-") {
        const Money value = addToFixed(0, strictNumber(editorText));
        // A first operand no sum can hold is no number to start from.
        if (!moneyHeld(value))
            throw ConversionError("first operand out of range");
        ENZAN_VAL = value;
        // Built with count-and-character and appends: GCC 12 at -O3 misreads
        // the plain forms as overlapping copies (-Wrestrict).
        ENZAN_OP.assign(1, key == '=' ? '-' : key);
        SIKI.assign(1, ' ');
        SIKI.append(formatPicture(value, 4, "###,##0.###"));
        SIKI.append(1, ' ').append(symbolOf(ENZAN_OP)).append(1, ' ');
        SIKIVisible = true;
        started = true;
    }
    ENZAN_CELL = current;
    return started;
}

std::optional<std::string> Enzan::ENZAN(Estimate& doc, std::string_view editorText, Cell current,
                                        const EditorEcho& echo)
{
    return complete(doc, editorText, current, echo);
}

std::optional<std::string> Enzan::ENZAN2(Estimate& doc, std::string_view editorText, const EditorEcho& echo)
{
    return complete(doc, editorText, ENZAN_CELL, echo);
}

std::optional<std::string> Enzan::complete(Estimate& doc, std::string_view editorText, Cell target,
                                           const EditorEcho& echo)
{
    if (!pending()) {
        SIKIVisible = false;
        return std::nullopt;
    }
    if (ENZAN_VAL == 0) {
        reset();
        return std::nullopt;
    }
    const Extended first = fixedToExtended(ENZAN_VAL);
    Extended result = first;
    if (!editorText.empty()) {
        // Everything that can fail comes before the first change.
        const Extended second = strictNumber(editorText);
        if (ENZAN_OP == "*") {
            result = second * first;
        } else if (ENZAN_OP == "/") {
            if (second == 0)
                throw ConversionError("division by zero");
            result = first / second;
        } else if (ENZAN_OP == "+") {
            result = second + first;
        } else {
            result = first - second;
        }
    }
    std::string text = formatGeneral(result);
    if (echo)
        text = echo(text);
    reset();
    if (!isDataCell(target))
        return std::nullopt;
    doc.SG1.setCell(target.col, target.row, text);
    doc.recalculateLine(target.row);
    return text;
}

void Enzan::deleteKey(Estimate& doc, Cell current)
{
    reset();
    if (!isDataCell(current))
        return;
    doc.SG1.setCell(current.col, current.row, "");
    doc.recalculateLine(current.row);
}

void Enzan::backspaceKey()
{
    reset();
}

std::string Enzan::escapeKey(Estimate& doc, Cell current, const EditorEcho& echo)
{
    std::string text;
    if (pending() && ENZAN_VAL != 0)
        text = formatGeneral(fixedToExtended(ENZAN_VAL));
    if (echo)
        text = echo(text);
    if (isDataCell(current)) {
        doc.SG1.setCell(current.col, current.row, text);
        doc.notify(Change::Cells);
    }
    return text;
}

void Enzan::reset()
{
    ENZAN_OP.clear();
    ENZAN_VAL = 0;
    ENZAN_CELL = {};
    SIKIVisible = false;
}

} // namespace yorozu
