#include "ui/window/CommandTable.h"

#include "ui/app/AppException.h"

namespace yorozu {

const char* CommandTable::name(Command c)
{
    static constexpr const char* names[] = {
#define YOROZU_COMMAND_NAME(id, name) name,
        YOROZU_WINDOW_COMMANDS(YOROZU_COMMAND_NAME)
#undef YOROZU_COMMAND_NAME
    };
    return names[index(c)];
}

void CommandTable::trigger(Command c) const
{
    guarded(name(c), [&] { run(c); });
}

} // namespace yorozu
