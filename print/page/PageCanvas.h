#pragma once

#include "print/page/PageGeometry.h"
#include "print/page/PageItem.h"
#include "print/page/TextMeasure.h"

#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// What fitting a text into a width decided: the size, how many points it
// was reduced by, and, when it would not fit at the minimum, the two lines.
struct FitResult {
    int size = 10;
    int steps = 0;
    bool split = false;
    std::string first, second;
};

// The canvas a sheet draws on: it keeps the current font, colour and pen as
// a printer canvas does and records every drawing call into the current page
// of a page list, mapped from page units to device pixels.
class PageCanvas {
public:
    PageCanvas(PageList& pages, TextMeasure& measure, PageGeometry geometry);

    PageGeometry geometry;

    // ---- pages
    void beginPage();         // starts a new page (the first one included)
    bool hasPage() const { return !pages_.pages.empty(); }

    // ---- state; an empty face keeps the current one
    void setFace(std::string_view face);
    void setSize(int points) { font_.size = points; }
    void setBold(bool bold) { font_.bold = bold; }
    void setColour(std::uint32_t colour) { colour_ = colour; }
    void setPen(int width, std::uint32_t colour, PenStyle style = PenStyle::Solid);
    const PrintFont& font() const { return font_; }
    std::uint32_t colour() const { return colour_; }

    // ---- measuring
    int width(std::string_view text);                  // in the current font
    int width(std::string_view text, const PrintFont& font);
    int emHeight() { return measure_.emHeight(font_); }

    // ---- drawing, page units unless named device
    void text(int x, int y, std::string_view text);
    void textDevice(int dx, int dy, std::string_view text);
    void centred(int x0, int x1, int y, std::string_view text);
    void right(int x1, int y, std::string_view text);     // 15 units inside x1
    void rightEdge(int x1, int y, std::string_view text); // flush against x1
    void line(int x1, int y1, int x2, int y2);
    void lineDevice(int dx1, int dy1, int dx2, int dy2);
    void rect(int x1, int y1, int x2, int y2);
    void roundRect(int x1, int y1, int x2, int y2, int corner);
    void image(int x, int y, const QImage& image);
    // A label drawn character by character so that it is as wide as a text of
    // `referenceWidth` device pixels.
    void spread(int x, int y, std::string_view label, int referenceWidth);

    // Shrinks the current font from its size while the text is wider than
    // `available` page units (down to 2 points at the least); below
    // `minimum` it splits the text into two lines at `minimum` points, the
    // first at most `splitWidth` page units wide, the second holding at most
    // `secondMax` characters. The current size is left at the result's size.
    FitResult fit(std::string_view text, int available, int minimum, int splitWidth, int secondMax);

private:
    PageItem& add(ItemKind kind);
    PageList& pages_;
    TextMeasure& measure_;
    PrintFont font_{"ＭＳ ゴシック", 10, false};
    std::uint32_t colour_ = 0;
    int penWidth_ = 1;
    std::uint32_t penColour_ = 0;
    PenStyle penStyle_ = PenStyle::Solid;
};

// The characters of a UTF-8 text (a double-byte character is one).
std::vector<std::string_view> characters(std::string_view text);

// Removes the leading full-width spaces of a text; returns how many there were.
int stripLeadingIdeographicSpaces(std::string& text);

} // namespace yorozu
