#include "print/page/PageDump.h"

#include <ostream>

namespace yorozu {

const char* itemKindName(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Text: return "text";
    case ItemKind::Line: return "line";
    case ItemKind::Rect: return "rect";
    case ItemKind::RoundRect: return "roundrect";
    case ItemKind::FillRect: return "fill";
    case ItemKind::Image: return "image";
    }
    return "?";
}

namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

} // namespace

void writePageItems(const PageList& pages, std::ostream& out)
{
    for (size_t p = 0; p < pages.pages.size(); ++p) {
        for (const auto& item : pages.pages[p]) {
            const bool text = item.kind == ItemKind::Text;
            out << p + 1 << '\t' << itemKindName(item.kind) << '\t' << item.x << '\t' << item.y << '\t' << item.x2
                << '\t' << item.y2 << '\t' << (text ? item.font.face : "") << '\t' << (text ? item.font.size : 0)
                << '\t' << (text && item.font.bold ? 1 : 0) << '\t' << item.colour << '\t'
                << (text ? 0 : item.penWidth) << '\t' << (item.penStyle == PenStyle::Dot ? "dot" : "solid") << '\t'
                << item.corner << '\t';
            if (item.kind == ItemKind::Image)
                out << item.image.width() << 'x' << item.image.height();
            else
                out << escaped(item.text);
            out << '\n';
        }
    }
}

} // namespace yorozu
