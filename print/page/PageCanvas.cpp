#include "print/page/PageCanvas.h"

namespace yorozu {

PageCanvas::PageCanvas(PageList& pages, TextMeasure& measure, PageGeometry g)
    : geometry(g), pages_(pages), measure_(measure)
{
}

void PageCanvas::beginPage()
{
    pages_.pages.emplace_back();
}

void PageCanvas::setFace(std::string_view face)
{
    if (!face.empty())
        font_.face.assign(face);
}

void PageCanvas::setPen(int width, std::uint32_t colour, PenStyle style)
{
    penWidth_ = width;
    penColour_ = colour;
    penStyle_ = style;
}

int PageCanvas::width(std::string_view text)
{
    return measure_.width(text, font_);
}

int PageCanvas::width(std::string_view text, const PrintFont& font)
{
    return measure_.width(text, font);
}

PageItem& PageCanvas::add(ItemKind kind)
{
    if (pages_.pages.empty())
        beginPage();
    auto& page = pages_.pages.back();
    page.emplace_back();
    page.back().kind = kind;
    return page.back();
}

void PageCanvas::textDevice(int dx, int dy, std::string_view text)
{
    if (text.empty())
        return;
    auto& item = add(ItemKind::Text);
    item.x = dx;
    item.y = dy;
    item.text.assign(text);
    item.font = font_;
    item.colour = colour_;
}

void PageCanvas::text(int x, int y, std::string_view text)
{
    textDevice(geometry.mapX(x), geometry.mapY(y), text);
}

void PageCanvas::centred(int x0, int x1, int y, std::string_view text)
{
    const int w = width(text);
    const long double dx = (static_cast<long double>(x1 - x0) * geometry.sx - w) * 0.5L +
                           static_cast<long double>(x0) * geometry.sx + geometry.offX;
    textDevice(truncate(dx), geometry.mapY(y), text);
}

void PageCanvas::right(int x1, int y, std::string_view text)
{
    const int w = width(text);
    textDevice(truncate(static_cast<long double>(x1 - 15) * geometry.sx - w + geometry.offX), geometry.mapY(y), text);
}

void PageCanvas::rightEdge(int x1, int y, std::string_view text)
{
    const int w = width(text);
    textDevice(truncate(static_cast<long double>(x1) * geometry.sx - w + geometry.offX), geometry.mapY(y), text);
}

void PageCanvas::line(int x1, int y1, int x2, int y2)
{
    lineDevice(geometry.mapX(x1), geometry.mapY(y1), geometry.mapX(x2), geometry.mapY(y2));
}

void PageCanvas::lineDevice(int dx1, int dy1, int dx2, int dy2)
{
    auto& item = add(ItemKind::Line);
    item.x = dx1;
    item.y = dy1;
    item.x2 = dx2;
    item.y2 = dy2;
    item.penWidth = penWidth_;
    item.penStyle = penStyle_;
    item.colour = penColour_;
}

void PageCanvas::rect(int x1, int y1, int x2, int y2)
{
    auto& item = add(ItemKind::Rect);
    item.x = geometry.mapX(x1);
    item.y = geometry.mapY(y1);
    item.x2 = geometry.mapX(x2);
    item.y2 = geometry.mapY(y2);
    item.penWidth = penWidth_;
    item.penStyle = penStyle_;
    item.colour = penColour_;
}

void PageCanvas::roundRect(int x1, int y1, int x2, int y2, int corner)
{
    rect(x1, y1, x2, y2);
    auto& item = pages_.pages.back().back();
    item.kind = ItemKind::RoundRect;
    item.corner = corner;
}

void PageCanvas::image(int x, int y, const QImage& image)
{
    if (image.isNull())
        return;
    auto& item = add(ItemKind::Image);
    item.x = geometry.mapX(x);
    item.y = geometry.mapY(y);
    item.x2 = item.x + image.width();
    item.y2 = item.y + image.height();
    item.image = image;
}

std::vector<std::string_view> characters(std::string_view text)
{
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (i + n > text.size())
            n = text.size() - i;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

int stripLeadingIdeographicSpaces(std::string& text)
{
    static constexpr std::string_view space = "　";
    int n = 0;
    size_t pos = 0;
    while (text.compare(pos, space.size(), space) == 0) {
        pos += space.size();
        ++n;
    }
    text.erase(0, pos);
    return n;
}

void PageCanvas::spread(int x, int y, std::string_view label, int referenceWidth)
{
    const auto chars = characters(label);
    if (chars.empty())
        return;
    const int wl = width(label);
    // A single character has no gap to widen; it is drawn where it starts.
    const int gap = chars.size() > 1 ? truncate(static_cast<long double>(referenceWidth - wl) /
                                                static_cast<long double>(chars.size() - 1))
                                     : 0;
    const int dx0 = geometry.mapX(x);
    const int dy = geometry.mapY(y);
    int before = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        textDevice(dx0 + before + static_cast<int>(i) * gap, dy, chars[i]);
        before += width(chars[i]);
    }
}

FitResult PageCanvas::fit(std::string_view text, int available, int minimum, int splitWidth, int secondMax)
{
    FitResult r;
    const int limit = geometry.scaledX(available);
    while (width(text) > limit && font_.size != 2 && font_.size > 2) {
        --font_.size;
        ++r.steps;
    }
    r.size = font_.size;
    if (r.size >= minimum) {
        r.first.assign(text);
        return r;
    }
    r.split = true;
    font_.size = minimum;
    r.size = minimum;
    const int splitLimit = geometry.scaledX(splitWidth);
    const auto chars = characters(text);
    size_t i = 0;
    for (; i < chars.size(); ++i) {
        std::string candidate = r.first;
        candidate.append(chars[i]);
        if (width(candidate) > splitLimit)
            break;
        r.first = std::move(candidate);
    }
    for (size_t n = 0; i < chars.size() && static_cast<int>(n) < secondMax; ++i, ++n)
        r.second.append(chars[i]);
    return r;
}

} // namespace yorozu
