#include "ui/app/YorozuApplication.h"

#include "ui/app/AppException.h"

namespace yorozu {

YorozuApplication::YorozuApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool YorozuApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    guarded("event handler", [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace yorozu
