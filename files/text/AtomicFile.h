#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace yorozu {

struct WriteResult {
    bool ok = true;
    std::string error;      // what went wrong, for the log and the tests
    std::string unmappable; // characters code page 932 cannot hold (the file was not touched)
    bool exists = false;    // createFileExclusive: a file of that name was there first
    explicit operator bool() const { return ok; }
};

// The system calls a file write goes through. Each empty one is the real
// call; a test puts in one that fails (after k bytes, say) to show that the
// previous content survives.
struct FileOps {
    std::function<std::ptrdiff_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
};

// Replaces the file with `bytes` whole or not at all: they go to a new file
// of a unique name in the same folder, which is flushed to the disk and then
// renamed over the old one (the folder is flushed too). On any failure the
// old file is left as it was, the new one is removed and the result says why.
// The old file's permissions are kept; a symbolic link is written through.
WriteResult writeFileAtomic(const std::filesystem::path& path, std::string_view bytes, const FileOps& ops = {});

// Creates a new file holding `bytes`, whole or not at all, and never replaces
// one: the bytes are written and flushed as above, and the last step puts the
// file in place only if no file of that name exists by then (a rename that
// refuses to replace, or a hard link where the file system lacks it). When
// another writer was first, nothing is changed and the result says `exists`.
// `ops.rename` is not used.
WriteResult createFileExclusive(const std::filesystem::path& path, std::string_view bytes, const FileOps& ops = {});

} // namespace yorozu
