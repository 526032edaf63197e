#pragma once

#include "print/page/PageItem.h"

#include <QFont>

#include <string>
#include <string_view>
#include <unordered_map>

namespace yorozu {

// Text widths in device pixels of the reference printer. Layout decisions
// (shrinking, splitting, centring) are taken on these widths, so they must
// be the widths the printer draws.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(std::string_view utf8, const PrintFont& font) = 0;
    // The em height of the font in device pixels (a Windows font height).
    virtual int emHeight(const PrintFont& font) = 0;
};

// The pixel size a font of `points` has on a device of `dpi`, rounded as
// Windows rounds a font height.
int pixelSize(int points, int dpi);

// The QFont a replay draws a PrintFont with, at `pixels` pixels.
QFont qtFont(const PrintFont& font, int pixels);

// Widths from Qt's font metrics at the printer's resolution. Widths are
// remembered per font and text: the sheets measure the same texts many times
// while they shrink them.
class QtTextMeasure final : public TextMeasure {
public:
    explicit QtTextMeasure(int dpi) : dpi_(dpi) {}
    int width(std::string_view utf8, const PrintFont& font) override;
    int emHeight(const PrintFont& font) override { return pixelSize(font.size, dpi_); }
    int dpi() const { return dpi_; }

private:
    int dpi_;
    std::unordered_map<std::string, int> cache_;
};

} // namespace yorozu
