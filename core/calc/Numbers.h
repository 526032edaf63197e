#pragma once

#include "core/calc/Money.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace yorozu {

// Every product, quotient and sum of the sheet is formed in 80-bit extended
// precision (64-bit significand); in double, 1.1 x 100 rounded up gives 111.
using Extended = long double;

// A strict parse or a division that fails ends the user action that caused it.
struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Decimal text: optional spaces, an optional sign, digits with at most one
// point (".5" and "5." count, a lone "." does not), an optional exponent
// ("1.5E20", as the general form writes large values), optional spaces.
// No separators, no "inf"/"nan"/hex, nothing beyond the extended range.
// The value is the correctly rounded extended one; no locale is consulted.
//
// Lenient reading of a cell: empty or unparsable text gives 0. Cheap and
// allocation-free: the sum pass reads every amount on each keystroke.
Extended readNumber(std::string_view text);
// Strict reading: throws ConversionError on unparsable text.
Extended strictNumber(std::string_view text);

// A value as money: nearest integer of v x 10000, ties to even, exactly;
// kMoneyOutOfRange from 9,223,372,036,854,775,807 yen in magnitude (NaN is 0).
Money toFixed(Extended value);
// A cell's text as money: a plain decimal is read digit by digit, with no
// binary value in between; anything else as readNumber reads it.
Money cellToFixed(std::string_view text);
// sum + units, or kMoneyOutOfRange when either is out of range or the result
// would be.
Money addFixed(Money sum, Money units);
// S := nearest integer of (v x 10000 + S), ties to even, exactly.
Money addToFixed(Money sum, Extended value);
// The same for a cell's text (cellToFixed).
Money addCellToFixed(Money sum, std::string_view text);
Extended fixedToExtended(Money fixed);
// The exact decimal text of a held money value with four decimals ("-12.5000").
std::string fixedDecimalText(Money fixed);
// Whole yen of a held money value, cut toward zero, as digits ("-12").
std::string wholeYenDigits(Money fixed);

// Rounding primitives. 64-bit results, so amounts beyond the 32-bit range
// stay exact; past the 64-bit range they are pinned to its ends and NaN
// gives 0 (a plain conversion would be undefined there).
std::int64_t Roundoff(Extended x);    // half away from zero
std::int64_t Ceil_New2(Extended x);   // away from zero
Extended Int(Extended x);             // toward zero
std::int64_t roundToEven(Extended x); // nearest integer, ties to even (pinned like the others)

// Truncation toward zero of the value as written in the general 15-digit
// form and read back with four decimals: the fraction mode 0 of amounts and
// tax, so a product that lies a hair below a whole number still reaches it.
std::int64_t truncateGeneral(Extended x);

// The text written into an amount or cost-total cell for the raw product x:
// mode 0 truncateGeneral, empty for 0; mode 1 Ceil_New2; mode 2 Roundoff
// (both "0" for 0). Any other mode counts as 0.
std::string HASU_SYORI(Extended x, int hasuMode);
// HASU_SYORI in two steps, for a caller that goes on with the number: the
// whole number of the rounding, and its cell text (readNumber of the text
// gives the whole number back exactly, the empty text of mode 0 included).
std::int64_t hasuWhole(Extended x, int hasuMode);
std::string hasuText(std::int64_t whole, int hasuMode);

// Display text of a numeric cell; decimalLength is that of the sheet's
// numeric editor (Estimate::editorDecimals): 2 gives "###,##0.##", else
// "###,##0.###". Empty and one-character texts are shown as they stand;
// anything else that is no number throws ConversionError.
std::string STR_COMMA(std::string_view text, int decimalLength);

// Full-width digits to ASCII digits; every other character unchanged.
std::string ZEN_HAN(std::string_view text);
// Numeric-text check: non-empty, only digits, "." and a leading "-".
bool MOJITOKAZU(std::string_view text);
// a / b x 100 as a percentage text with one truncated decimal; empty for a
// denominator text "0", below 0.09 or above 999.9. Throws ConversionError on
// text that is no number and on a denominator that reads as zero.
std::string WARIZAN(std::string_view a, std::string_view b);

// Name of a fraction mode as the status bar shows it: "切捨て", "切り上げ", "四捨五入".
std::string hasuModeName(int hasuMode);

} // namespace yorozu
