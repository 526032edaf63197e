#pragma once

// Where the numeric edit control draws its parts, computed from measured
// widths so that the alignment rules can be checked without a screen.
// Every width is a drawn width + 1 pixel, and 0 for an empty text.
namespace yorozu {

enum class NumAlign { Left, Right, Center };
enum class NumVertAlign { Top, Bottom, VCenter };

struct NumLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int leftMargin = 2;
    int rightMargin = 2;
    int topMargin = 2;
    int bottomMargin = 2;
    NumAlign align = NumAlign::Right;
    NumVertAlign vertAlign = NumVertAlign::VCenter;
    int textHeight = 0;    // height of "M"
    int leftMarkWidth = 0; // 0 when the marks are not shown
    int rightMarkWidth = 0;
    int templateWidth = 0; // the number area
    int numberWidth = 0;   // the displayed number, at most the template
    int typedWidth = 0;    // the typed part of the number
};

struct NumLayout {
    int textTop = 0;
    int leftMarkX = 0;
    int templateX = 0;   // left of the number area
    int numberX = 0;     // where the number is drawn: right-aligned in its area
    int rightMarkX = 0;
    int fillLeft = 0;    // the filled extent: the number area and both marks
    int fillRight = 0;
    int caretX = 0;
};

NumLayout layoutNumEdit(const NumLayoutInput& in);

} // namespace yorozu
