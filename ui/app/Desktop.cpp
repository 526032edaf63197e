#include "ui/app/Desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace yorozu {

namespace {
const QScreen* screenOf(const QWidget& w)
{
    return w.screen() ? w.screen() : QGuiApplication::primaryScreen();
}
} // namespace

Desktop Desktop::of(const QWidget& window)
{
    const QWidget* w = &window;
    return {[w] {
                const QScreen* s = screenOf(*w);
                return s ? s->geometry() : QRect(0, 0, 1024, 768);
            },
            [w] {
                const QScreen* s = screenOf(*w);
                return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
            }};
}

} // namespace yorozu
