#include "CellEscape.h"

namespace yorozu::cli {

std::string escapeCell(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                out += "\\n";
                ++i;
            } else {
                out += "\\r";
            }
            break;
        default: out += c;
        }
    }
    return out;
}

std::string joinRecord(const std::vector<std::string>& cells)
{
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += '\t';
        out += escapeCell(cells[i]);
    }
    return out;
}

} // namespace yorozu::cli
