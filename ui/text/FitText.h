#pragma once

#include <QFont>
#include <QString>

#include <optional>

namespace yorozu {

// A figure is never shown with digits cut off: where it does not fit its
// place in its own font, a smaller size of that font is used, down to
// kMinFitPixels; below that nothing fits and the caller shows a stand-in.
inline constexpr int kMinFitPixels = 7;

// The font to draw `text` in within `width` pixels: `base` itself when it
// fits, else the largest smaller size that does; nothing when none does.
std::optional<QFont> fittingFont(const QFont& base, const QString& text, int width);

// Shown in a cell whose figure fits in no size; the full figure is in the
// cell's tooltip.
inline const QString kNoRoom = QStringLiteral("###");

} // namespace yorozu
