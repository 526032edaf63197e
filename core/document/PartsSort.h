#pragma once

#include <functional>
#include <string>

namespace yorozu {

class StringGrid;

// Orders two keys; the window passes the user locale's case-insensitive
// comparison.
using KeyLess = std::function<bool(const std::string& a, const std::string& b)>;

// SORT_STR: every data row is ordered by its text in `keyColumn` (rows move
// whole, numbers with them); then, from the last row up, every row whose
// name and shape are both empty is deleted (SG_DEL), except that an empty
// last row ends the pass at once; then every row is numbered again.
void SORT_STR(StringGrid& SG2, int keyColumn, const KeyLess& less);

// "部品ソート": SORT_STR by shape, then by name. Empty keys sort first, so
// the second pass leaves the parts in name order with the empty rows at the
// end.
void sortParts(StringGrid& SG2, const KeyLess& less);

} // namespace yorozu
