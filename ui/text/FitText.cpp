#include "ui/text/FitText.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace yorozu {

namespace {

int pixelSizeOf(const QFont& f)
{
    return f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
}

} // namespace

std::optional<QFont> fittingFont(const QFont& base, const QString& text, int width)
{
    if (QFontMetrics(base).horizontalAdvance(text) <= width)
        return base;
    QFont f = base;
    for (int px = pixelSizeOf(base) - 1; px >= kMinFitPixels; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text) <= width)
            return f;
    }
    return std::nullopt;
}

} // namespace yorozu
