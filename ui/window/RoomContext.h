#pragma once

#include "core/document/Estimate.h"
#include "files/settings/OrientationSettings.h"

#include <filesystem>

namespace yorozu {

class CommandTable;
class Dialogs;
class WindowServices;
struct CommandHooks;

// What the window hands a room of its own: the document, the dialogs, the
// program folder, the command table to register the room's commands in, the
// hooks of the window's sequences and the small window interface. A room
// keeps its own state and takes this, never the window itself:
//
//     PrintRoom::PrintRoom(const RoomContext& context) : context_(context)
//     {
//         context.commands.set(Command::Print, [this] { print(); });
//     }
struct RoomContext {
    Estimate& estimate;
    Dialogs& dialogs;
    const std::filesystem::path& programDir;
    CommandTable& commands;
    CommandHooks& hooks;
    WindowServices& window;

    // The company settings of the orientation in force, read when asked.
    OrientationSettings settings() const { return OrientationSettings::ofMUKI(programDir, estimate.MUKI); }
};

} // namespace yorozu
