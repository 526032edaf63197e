#pragma once

// A private folder for the fuzz targets that need a real file: created once
// per process under the system temp folder and removed at exit, so a target
// never touches any other part of the file system.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace yorozu::fuzz {

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (base() / "yorozu-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes as the file `name` in the folder, replacing it.
    std::filesystem::path write(const std::string& name, const std::uint8_t* data, std::size_t size) const
    {
        const auto file = path_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out.flush())
            std::abort();
        return file;
    }

private:
    // Memory-backed when the system has it: a file write per input to a disk
    // folder costs more than the reading under test.
    static std::filesystem::path base()
    {
        std::error_code ec;
        if (!std::getenv("TMPDIR") && std::filesystem::is_directory("/dev/shm", ec))
            return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path path_;
};

inline const TempDir& tempDir()
{
    static const TempDir dir;
    return dir;
}

} // namespace yorozu::fuzz
