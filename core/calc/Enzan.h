#pragma once

#include "core/calc/Money.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace yorozu {

class Estimate;

// The in-cell arithmetic of the sheet's numeric editor: first operand,
// operator key, second operand, and the result lands in the cell. The
// editor owns its text; it passes it in and shows what comes back.
//
// Idle while ENZAN_OP is empty; an operator key makes it pending; a
// completion, Delete or Backspace returns it to idle.
class Enzan {
public:
    struct Cell {
        int col = 0;
        int row = 0;
        bool operator==(const Cell&) const = default;
    };

    std::string ENZAN_OP;      // "", "*", "/", "+" or "-"
    Money ENZAN_VAL = 0; // first operand, value x 10,000
    Cell ENZAN_CELL;           // where the operation started
    std::string SIKI;          // text of the pending-operation label, e.g. " 120 × "
    bool SIKIVisible = false;

    bool pending() const { return !ENZAN_OP.empty(); }

    // Puts a text into the editor and gives back the value text the editor
    // keeps (it may cut decimals beyond its length); that text is what the
    // cell receives. Without one the text goes into the cell as it is.
    using EditorEcho = std::function<std::string(const std::string&)>;

    // An operator key "*", "/", "+" or "=" (subtraction: "-" types the sign)
    // pressed in the editor on the current cell. With a first operand in the
    // editor text the operation starts (or starts afresh) and true tells the
    // editor to empty itself; an empty text or a lone "-" starts nothing.
    // Either way the cell is recorded. Text that is no number throws
    // ConversionError and changes nothing.
    bool start(char key, std::string_view editorText, Cell current);

    // Completes a pending operation into the current cell (ENZAN) or into the
    // cell where it started (ENZAN2, after a mouse press has moved the
    // current cell): the result, in the general 15-digit form, goes into the
    // editor, the editor's text into the cell, and the line recalculation
    // runs for the cell's row. Returns the text stored, or nothing when no
    // result was written (idle, or a zero first operand, which drops the
    // operation). A division by zero or a second operand that is no number
    // throws ConversionError: nothing is written and the operation stays
    // pending with its label shown.
    std::optional<std::string> ENZAN(Estimate& doc, std::string_view editorText, Cell current,
                                     const EditorEcho& echo = {});
    std::optional<std::string> ENZAN2(Estimate& doc, std::string_view editorText, const EditorEcho& echo = {});

    // Delete in the editor: back to idle, the cell emptied and the line
    // recalculated. The editor empties itself.
    void deleteKey(Estimate& doc, Cell current);
    // Backspace in the editor: back to idle; the editor then edits its text
    // as usual.
    void backspaceKey();
    // Escape in the editor: with a pending non-zero first operand, that
    // operand goes back into the cell and is returned for the editor, and the
    // operation stays pending; otherwise the cell is emptied and the empty
    // text returned. No calculation runs.
    std::string escapeKey(Estimate& doc, Cell current, const EditorEcho& echo = {});

    // Back to idle with the label hidden.
    void reset();

private:
    std::optional<std::string> complete(Estimate& doc, std::string_view editorText, Cell target,
                                        const EditorEcho& echo);
};

} // namespace yorozu
