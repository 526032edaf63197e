#pragma once

#include "print/page/PageItem.h"

#include <iosfwd>

namespace yorozu {

// One TAB-separated record per drawing item: page (from 1), kind, x, y, x2,
// y2, face, size, bold, colour, pen width, pen style, corner, text.
void writePageItems(const PageList& pages, std::ostream& out);

const char* itemKindName(ItemKind kind);

} // namespace yorozu
