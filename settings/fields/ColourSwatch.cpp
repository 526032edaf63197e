#include "settings/fields/ColourSwatch.h"

#include <QPalette>

namespace yorozu {

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFixedSize(60, 20);
    setValue(0);
}

void ColourSwatch::setValue(int value)
{
    value_ = value;
    QPalette p = palette();
    p.setColor(QPalette::Window, toColor(value));
    setPalette(p);
}

QColor ColourSwatch::color() const
{
    return toColor(value_);
}

void ColourSwatch::setColor(const QColor& color)
{
    setValue(fromColor(color));
}

QColor ColourSwatch::toColor(int value)
{
    // A system colour (high byte set) has no fixed look; its low bytes stand in.
    const auto v = static_cast<unsigned>(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int ColourSwatch::fromColor(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace yorozu
