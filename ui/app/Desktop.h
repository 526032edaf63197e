#pragma once

#include <QRect>

#include <functional>

class QWidget;

namespace yorozu {

// What the window asks of the desktop: the size of its screen and the work
// area (the screen without task bars). Tests pass their own.
struct Desktop {
    std::function<QRect()> screen;
    std::function<QRect()> workArea;

    // The desktop the window is on.
    static Desktop of(const QWidget& window);
};

} // namespace yorozu
