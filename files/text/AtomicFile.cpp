#include "files/text/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace yorozu {

namespace {

std::string reason(int err)
{
    return std::strerror(err);
}

WriteResult failure(std::string what)
{
    WriteResult r;
    r.ok = false;
    r.error = std::move(what);
    return r;
}

// Unique among the processes (pid) and the writes of this one (counter);
// a leading dot keeps it out of the file lists while it exists.
std::filesystem::path temporaryName(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    auto name = "." + target.filename().string() + "." + std::to_string(::getpid()) + "."
        + std::to_string(counter.fetch_add(1)) + ".tmp";
    return target.parent_path() / name;
}

std::filesystem::path resolveTarget(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto real = std::filesystem::weakly_canonical(path, ec);
        if (!ec)
            return real;
    }
    return path;
}

// A process killed between creating its temporary file and the rename
// leaves that file behind. Once the target has been replaced, the
// temporaries of the same target whose writer no longer runs are removed;
// those of a running process (another instance still writing) are left.
void removeStaleTemporaries(const std::filesystem::path& target)
{
    const std::string prefix = "." + target.filename().string() + ".";
    const std::string suffix = ".tmp";
    std::error_code ec;
    const auto folder = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0
            || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        // What lies between is "<pid>.<counter>".
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size() - suffix.size();
        long pid = 0;
        const auto [dot, err] = std::from_chars(first, last, pid);
        unsigned long counter = 0;
        if (err != std::errc() || dot == last || *dot != '.' || pid <= 0 || pid == ::getpid())
            continue;
        const auto [after, err2] = std::from_chars(dot + 1, last, counter);
        if (err2 != std::errc() || after != last)
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // best effort: the rename itself has happened
    ::close(fd);
}

class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target)
    {
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = temporaryName(target);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0)
            ::fchmod(fd_, old.st_mode & 07777);
    }
    ~TemporaryFile()
    {
        closeFile();
        if (!kept_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    int error() const { return error_; }
    const std::filesystem::path& path() const { return path_; }
    bool closeFile()
    {
        if (fd_ < 0)
            return true;
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0;
    }
    void keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    int error_ = 0;
    bool kept_ = false;
};

bool writeAll(const FileOps& ops, int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::ptrdiff_t n = ops.write ? ops.write(fd, bytes.data(), bytes.size())
                                           : ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC; // no progress: treat as a full disk rather than loop
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Moves `from` to `to` unless `to` exists. EEXIST when it does.
int renameNoReplace(const char* from, const char* to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return -1;
    // The file system cannot rename without replacing: a hard link is just
    // as exclusive, and the temporary name is dropped afterwards.
    if (::link(from, to) != 0)
        return -1;
    ::unlink(from);
    return 0;
}

// Writes the bytes into the temporary file, flushes them to the disk and
// closes it: everything before the file takes its final name.
WriteResult fillTemporary(TemporaryFile& tmp, std::string_view bytes, const FileOps& ops)
{
    if (!writeAll(ops, tmp.fd(), bytes)) {
        const int err = errno;
        return failure("cannot write " + tmp.path().string() + ": " + reason(err));
    }
    if ((ops.fsync ? ops.fsync(tmp.fd()) : ::fsync(tmp.fd())) != 0) {
        const int err = errno;
        return failure("cannot flush " + tmp.path().string() + ": " + reason(err));
    }
    if (!tmp.closeFile()) {
        const int err = errno;
        return failure("cannot close " + tmp.path().string() + ": " + reason(err));
    }
    return {};
}

} // namespace

WriteResult writeFileAtomic(const std::filesystem::path& path, std::string_view bytes, const FileOps& ops)
{
    const auto target = resolveTarget(path);
    TemporaryFile tmp(target);
    if (tmp.fd() < 0)
        return failure("cannot create a temporary file for " + target.string() + ": " + reason(tmp.error()));
    if (auto written = fillTemporary(tmp, bytes, ops); !written.ok)
        return written;
    if ((ops.rename ? ops.rename(tmp.path().c_str(), target.c_str())
                    : std::rename(tmp.path().c_str(), target.c_str())) != 0) {
        const int err = errno;
        return failure("cannot replace " + target.string() + ": " + reason(err));
    }
    tmp.keep();
    syncFolder(target.parent_path());
    removeStaleTemporaries(target);
    return {};
}

WriteResult createFileExclusive(const std::filesystem::path& path, std::string_view bytes, const FileOps& ops)
{
    TemporaryFile tmp(path);
    if (tmp.fd() < 0)
        return failure("cannot create a temporary file for " + path.string() + ": " + reason(tmp.error()));
    if (auto written = fillTemporary(tmp, bytes, ops); !written.ok)
        return written;
    if (renameNoReplace(tmp.path().c_str(), path.c_str()) != 0) {
        const int err = errno;
        auto r = failure("cannot create " + path.string() + ": " + reason(err));
        r.exists = err == EEXIST;
        return r;
    }
    tmp.keep();
    syncFolder(path.parent_path());
    removeStaleTemporaries(path);
    return {};
}

} // namespace yorozu
