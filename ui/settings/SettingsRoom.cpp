#include "ui/settings/SettingsRoom.h"

#include "settings/dialog/SetYorozu.h"
#include "ui/window/CommandHooks.h"
#include "ui/window/CommandTable.h"
#include "ui/window/WindowServices.h"

namespace yorozu {

SettingsRoom::SettingsRoom(const RoomContext& context, QTimer* reminder, std::function<void()> afterClose)
    : run([](TSetYorozu& dialog) { dialog.exec(); }), context_(context), reminder_(reminder),
      afterClose_(std::move(afterClose))
{
    context_.commands.set(Command::SettingsDialog, [this] { SpeedButton1Click(); });
}

void SettingsRoom::SpeedButton1Click()
{
    {
        TSetYorozu dialog(context_.programDir, orientationOfMUKI(context_.estimate.MUKI), context_.dialogs, reminder_,
                          context_.window.widget());
        run(dialog);
    }
    // The dialog may have renamed the classification lists: the parts panel
    // closes and starts afresh at its next opening.
    CommandHooks::run(context_.hooks.partsReset);
    if (afterClose_)
        afterClose_();
}

} // namespace yorozu
