#include "ui/colors/WinColor.h"

#include <QApplication>
#include <QPalette>

namespace yorozu {

QColor fromWinColor(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    if (v & 0xFF000000u) {
        // The system colours the program stores: the button face and friends.
        const QPalette pal = QApplication::palette();
        switch (v & 0xFFu) {
        case 5: // window
            return pal.color(QPalette::Base);
        case 8: // window text
        case 18: // button text
            return pal.color(QPalette::Text);
        case 13: // highlight
            return pal.color(QPalette::Highlight);
        default: // 15, the button face, and anything else
            return pal.color(QPalette::Button);
        }
    }
    return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu), static_cast<int>((v >> 16) & 0xFFu));
}

std::int32_t toWinColor(const QColor& color)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     (static_cast<std::uint32_t>(color.green()) << 8) |
                                     (static_cast<std::uint32_t>(color.blue()) << 16));
}

} // namespace yorozu
