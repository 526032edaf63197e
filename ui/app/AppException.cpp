#include "ui/app/AppException.h"

Q_LOGGING_CATEGORY(lcAppException, "yorozu.app", QtCriticalMsg)

namespace yorozu {

void AppException(const char* where, const std::exception* error)
{
    qCWarning(lcAppException) << where << ":" << (error ? error->what() : "unknown error");
}

} // namespace yorozu
