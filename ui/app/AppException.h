#pragma once

#include <QLoggingCategory>

#include <exception>
#include <utility>

Q_DECLARE_LOGGING_CATEGORY(lcAppException)

namespace yorozu {

// The one place for errors no command catches itself: the command stops at
// the failing step, keeping what it changed before it, and nothing is
// shown. The error goes to the "yorozu.app" log category, which is off
// unless QT_LOGGING_RULES turns it on.
void AppException(const char* where, const std::exception* error);

// Runs a command under AppException.
template <class F>
void guarded(const char* where, F&& command)
{
    try {
        std::forward<F>(command)();
    } catch (const std::exception& e) {
        AppException(where, &e);
    } catch (...) {
        AppException(where, nullptr);
    }
}

} // namespace yorozu
