#include "ui/app/ProgramLock.h"

#include "ui/dialogs/Dialogs.h"

#include <QLockFile>

namespace yorozu {

ProgramLock::ProgramLock(const std::filesystem::path& programDir)
    : programDir_(programDir), file_(std::make_unique<QLockFile>(QString::fromStdString((programDir / kFileName).string())))
{
    // Held as long as the program runs: never stale by age, only when the
    // process that took it is gone.
    file_->setStaleLockTime(0);
    held_ = file_->tryLock(0);
    otherCopy_ = !held_ && file_->error() == QLockFile::LockFailedError;
}

ProgramLock::~ProgramLock() = default;

QString ProgramLock::alreadyRunningMessage(const std::filesystem::path& programDir)
{
    return QStringLiteral("見積プログラムはこのフォルダで既に起動しています。\r\n\r\n") +
           QString::fromStdString(programDir.string());
}

bool ProgramLock::mayStart(Dialogs& dialogs) const
{
    if (!otherCopy_)
        return true;
    dialogs.information(alreadyRunningMessage(programDir_));
    return false;
}

} // namespace yorozu
