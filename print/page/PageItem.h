#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace yorozu {

// A font as the sheets name it: the Windows face of the settings, the size
// in points and the weight. The face is kept as written; the replay maps it
// to an installed face.
struct PrintFont {
    std::string face;
    int size = 10;
    bool bold = false;
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

enum class ItemKind { Text, Line, Rect, RoundRect, FillRect, Image };
enum class PenStyle { Solid, Dot };

// One drawing call of a printed page, in device pixels of the reference
// printer. Text: (x, y) is the top-left corner, `colour` the font colour.
// Line: from (x, y) to (x2, y2). Rect, RoundRect and FillRect: the corners
// (x, y) and (x2, y2), `corner` the corner ellipse's width and height.
// Image: drawn at (x, y), one image pixel per device pixel.
struct PageItem {
    ItemKind kind = ItemKind::Text;
    int x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text; // UTF-8, exactly as the sheet gave it ("\" included)
    PrintFont font;
    std::uint32_t colour = 0; // Windows colour value: red in the low byte
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    int corner = 0;
    QImage image;

    bool operator==(const PageItem& o) const
    {
        return kind == o.kind && x == o.x && y == o.y && x2 == o.x2 && y2 == o.y2 && text == o.text &&
               font == o.font && colour == o.colour && penWidth == o.penWidth && penStyle == o.penStyle &&
               corner == o.corner && image == o.image;
    }
};

using Page = std::vector<PageItem>;

// The pages of one print, with the reference device they were laid out for.
struct PageList {
    std::vector<Page> pages;
    int dpi = 600;        // resolution of the reference printer
    int width = 0;        // printable area in device pixels
    int height = 0;
    bool landscape = false;
};

} // namespace yorozu
