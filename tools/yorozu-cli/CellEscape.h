#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace yorozu::cli {

// One cell of a record: a TAB, a line break or a backslash inside it would
// split or garble the record, so they are written as "\t", "\n" and "\\".
// CR LF and a lone LF are both one line break ("\n"); a lone CR is "\r", so
// a cell reads back exactly.
std::string escapeCell(std::string_view text);

// The cells escaped and joined by single TABs (no line end).
std::string joinRecord(const std::vector<std::string>& cells);

} // namespace yorozu::cli
