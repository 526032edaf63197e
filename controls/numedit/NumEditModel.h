#pragma once

#include "controls/numedit/NumEditText.h"

#include <functional>
#include <string>
#include <string_view>

// The editing state of the numeric edit control without any toolkit: the
// value, its display, the all-or-nothing selection and the one-level undo,
// with the typing, deleting, clipboard and focus rules applied to them.
// The widget feeds it keys and paints what it holds.
namespace yorozu {

enum NumEditOption : unsigned {
    eoMinusOnly = 1u << 0,     // a lone "-" survives the loss of focus
    eoArrowUp = 1u << 1,       // with arrow focus moves, Up goes to the previous control
    eoArrowDown = 1u << 2,     // with arrow focus moves, Down goes to the next control
    eoAutoWidthSize = 1u << 3, // the width follows the widest possible display
    eoORInputStop = 1u << 4,   // input that would not fit the width is refused
};
using NumEditOptions = unsigned;

// What became of one input.
enum class NumEditResult {
    Changed,   // the value changed; the owner announces the change
    Silent,    // the value changed, but no change is announced
    Unchanged, // nothing to do (no beep)
    Refused,   // refused: the owner beeps when asked to
};

class NumEditModel {
public:
    // Tells whether a display text would fit the control; without one every
    // display fits.
    using FitTest = std::function<bool(const std::string& display)>;

    NumEditModel();

    const std::string& value() const { return value_; }
    const NumDisplay& display() const { return display_; }
    std::string displayText() const { return display_.text(); }
    // The grouped digits typed so far; the caret stands after them.
    std::string typedPart() const { return typedNumberPart(value_, format_); }
    std::string numberTemplate() const { return yorozu::numberTemplate(value_, format_, limits_); }

    const NumLimits& limits() const { return limits_; }
    const NumDisplayFormat& format() const { return format_; }
    NumEditOptions options() const { return options_; }
    void setOptions(NumEditOptions options) { options_ = options; }
    void setFitTest(FitTest fits) { fits_ = std::move(fits); }

    // Text set from outside: normalised, no change announced. True when the
    // value changed.
    bool setText(std::string_view text);

    // The limits filter the current value again; negative lengths are ignored.
    void setIntegerLength(int length);
    void setDecimalLength(int length);
    void setMinus(bool minus);
    // These only rebuild the display.
    void setComma(bool comma);
    void setDecimalFixed(bool fixed);
    void setIntegerFixed(bool fixed);
    void setLeftMark(std::string mark);
    void setRightMark(std::string mark);

    bool allSelected() const { return allSelected_; }
    void selectAll() { allSelected_ = true; }
    void dropSelection() { allSelected_ = false; }

    bool canUndo() const { return undoAvailable_; }

    // One typed character, already narrowed to ASCII where it had a
    // full-width form. Digits, "." and "-" edit the value; anything else is
    // refused. Control characters are the widget's business.
    NumEditResult typeChar(char32_t ch);

    // Backspace or Delete: with all selected the value is emptied without an
    // announcement; otherwise the last character goes, and a point left last
    // goes with it.
    NumEditResult deleteBack();

    // Paste of clipboard text: replaces a full selection, else is appended.
    NumEditResult paste(std::string_view clipboardText);
    // Menu delete of a full selection.
    NumEditResult deleteSelection();
    // Cut and copy both copy what `copyText` gives; cut then empties.
    NumEditResult cut();
    // The text copy and cut put on the clipboard: the value, or the display
    // with imageCopy.
    std::string copyText(bool imageCopy) const;
    // The value and the kept value change places; all is selected after it.
    NumEditResult undo();

    void focusGained(bool autoSelect);
    // A lone "-" is emptied (unless eoMinusOnly), silently.
    void focusLost(bool hideSelection);

private:
    bool fits(const std::string& candidate) const;
    void changeTo(std::string value);
    void refilter();
    void rebuild();

    NumLimits limits_;
    NumDisplayFormat format_;
    NumEditOptions options_ = eoArrowUp | eoArrowDown;
    FitTest fits_;
    std::string value_;
    NumDisplay display_;
    bool allSelected_ = false;
    std::string undoValue_;
    bool undoAvailable_ = false;
};

} // namespace yorozu
