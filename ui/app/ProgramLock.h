#pragma once

#include <QString>

#include <filesystem>
#include <memory>

class QLockFile;

namespace yorozu {

class Dialogs;

// One copy of the program per program folder. The folder's settings, pick
// lists and estimate number are read at start and written at close; two
// copies would hand out the same number and overwrite each other's lists.
// The lock is held for the whole run, so numbering always happens under it.
// A copy that crashed leaves a lock the next start recognises as stale.
class ProgramLock {
public:
    explicit ProgramLock(const std::filesystem::path& programDir);
    ~ProgramLock();
    ProgramLock(const ProgramLock&) = delete;
    ProgramLock& operator=(const ProgramLock&) = delete;

    bool held() const { return held_; }
    // Another copy holds the folder. A folder that cannot take the lock at
    // all (read-only) has no writer to fear and lets the program start.
    bool otherCopyRuns() const { return otherCopy_; }

    // True when this copy may start; otherwise tells the user that the
    // program already runs on this folder.
    bool mayStart(Dialogs& dialogs) const;

    static constexpr const char* kFileName = "Yorozu.lock";
    static QString alreadyRunningMessage(const std::filesystem::path& programDir);

private:
    std::filesystem::path programDir_;
    std::unique_ptr<QLockFile> file_;
    bool held_ = false;
    bool otherCopy_ = false;
};

} // namespace yorozu
