#pragma once

#include <string>
#include <string_view>

// The text rules of the numeric edit control, kept free of any toolkit so that
// they can be tested and fuzzed on their own. All texts are UTF-8.
//
// A value text is canonical: an optional "-" first, integer digits without
// leading zeros (a lone "0" before a point or as the whole integer part), an
// optional "." and decimal digits; never a comma. The empty text means "no
// value"; "-" alone is the state between typing the sign and the first digit.
namespace yorozu {

struct NumLimits {
    int integerLength = 9; // most integer digits, the sign not counted
    int decimalLength = 3; // most decimal digits; 0 forbids the point
    bool minus = true;     // a leading "-" is allowed
};

struct NumDisplayFormat {
    bool comma = true;         // group the integer digits by three
    bool decimalFixed = false; // always show decimalLength decimals
    bool integerFixed = false; // show "0" for an empty integer part
    int decimalLength = 3;
    std::string leftMark;      // drawn before the number, "\" shown as a yen sign
    std::string rightMark;     // drawn after the number
};

// The display in its three drawn parts. The marks are empty whenever the
// number part is empty, so an empty value shows nothing at all.
struct NumDisplay {
    std::string leftMark;
    std::string number;
    std::string rightMark;

    std::string text() const { return leftMark + number + rightMark; }
};

// Full-width digits, "－" and "．" become ASCII and the full-width comma is
// dropped; any other non-ASCII character (or broken UTF-8) ends the text.
std::string narrowNumberText(std::string_view text);

// One character typed or delivered by an input method, narrowed as above.
// Characters other than the full-width number forms come back unchanged.
char32_t narrowNumberChar(char32_t ch);

// Leading zeros off the integer part, "0" before a bare point, sign in front:
// "007" -> "7", "000" -> "0", ".5" -> "0.5", "." -> "0.", "-.5" -> "-0.5".
std::string removeLeadingZeros(std::string_view value);

// Any text into a value within the limits: narrowed, taken from the left up
// to its first character that cannot belong to the number, surplus decimals
// cut, leading zeros removed. Too many integer digits empty the whole value.
std::string filterNumberText(std::string_view text, const NumLimits& limits);

// The display of a value: grouped, padded to fixed decimals, with marks.
NumDisplay buildNumberDisplay(std::string_view value, const NumDisplayFormat& format);

// The part of the display the user has typed (grouped, without padding or
// marks); the caret stands at its end.
std::string typedNumberPart(std::string_view value, const NumDisplayFormat& format);

// The number area's template: the value's own display parts, or with
// integerFixed a sign (when allowed) and integerLength zeros, with
// decimalFixed the point and decimalLength zeros, grouped like the display.
// Left and centred numbers are right-aligned inside it so that digits line up.
std::string numberTemplate(std::string_view value, const NumDisplayFormat& format,
                           const NumLimits& limits);

// The widest display the limits allow (sign, every integer digit grouped,
// point and every decimal, both marks), for sizing a control to fit it.
std::string widestNumberDisplay(const NumDisplayFormat& format, const NumLimits& limits);

// Number of integer digits of a value, the sign and a lone "0" not counted.
int integerDigitCount(std::string_view value);
// Number of decimal digits of a value (0 without a point).
int decimalDigitCount(std::string_view value);

} // namespace yorozu
