#pragma once

#include "ui/window/RoomContext.h"

#include <functional>

class QTimer;

namespace yorozu {

class TSetYorozu;

// The window's settings command ("設定"): opens the settings dialog on the
// orientation in force, modal, and when it has closed has the window take
// in whatever it changed.
class SettingsRoom {
public:
    // `reminder` is the window's save-reminder timer, which registering
    // switches. `afterClose` re-reads the orientation's settings and the five
    // images and recalculates (the window's orientation handler).
    SettingsRoom(const RoomContext& context, QTimer* reminder, std::function<void()> afterClose);

    void SpeedButton1Click();

    // How the dialog is run once made; modal by default. A test puts in a
    // function that works the dialog and closes it.
    std::function<void(TSetYorozu&)> run;

private:
    RoomContext context_;
    QTimer* reminder_;
    std::function<void()> afterClose_;
};

} // namespace yorozu
