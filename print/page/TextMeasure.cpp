#include "print/page/TextMeasure.h"

#include "print/page/Faces.h"

#include <QFontMetricsF>

#include <cmath>

namespace yorozu {

int pixelSize(int points, int dpi)
{
    return static_cast<int>((static_cast<long long>(points) * dpi + 36) / 72);
}

QFont qtFont(const PrintFont& font, int pixels)
{
    QFont f(installedFace(font.face));
    f.setPixelSize(pixels > 0 ? pixels : 1);
    f.setBold(font.bold);
    // Outlines without hinting measure the same at every size and on every
    // device, so the layout's widths hold on paper, in PDF and on screen.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

int QtTextMeasure::width(std::string_view utf8, const PrintFont& font)
{
    if (utf8.empty())
        return 0;
    std::string key;
    key.reserve(font.face.size() + utf8.size() + 8);
    key += font.face;
    key += '\x01';
    key += std::to_string(font.size);
    key += font.bold ? 'b' : 'r';
    key.append(utf8);
    const auto found = cache_.find(key);
    if (found != cache_.end())
        return found->second;
    const QFontMetricsF metrics(qtFont(font, pixelSize(font.size, dpi_)));
    const int w = static_cast<int>(std::lround(metrics.horizontalAdvance(printedText(utf8))));
    cache_.emplace(std::move(key), w);
    return w;
}

} // namespace yorozu
