#include "files/program/ProgramFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// Settings, lists, numbering and catalogue pages: what a site hands its users.
bool isSettingsFile(const fs::path& p)
{
    const auto ext = upper(p.extension().string());
    return ext == ".INI" || ext == ".LST";
}

fs::path userDataFolder(const ProgramFolderInputs& in)
{
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
    if (!in.xdgDataHome.empty() && fs::path(in.xdgDataHome).is_absolute())
        return fs::path(in.xdgDataHome) / "yorozu";
    if (in.home.empty())
        return {};
    return fs::path(in.home) / ".local" / "share" / "yorozu";
}

bool newerThan(const fs::path& source, const fs::path& target)
{
    std::error_code ec;
    if (!fs::exists(target, ec))
        return true;
    const auto s = fs::last_write_time(source, ec);
    if (ec)
        return false;
    const auto t = fs::last_write_time(target, ec);
    return ec || s > t;
}

std::vector<std::string> copySiteDefaults(const fs::path& from, const fs::path& to)
{
    std::vector<std::string> copied;
    std::error_code ec;
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const auto& p = it->path();
        std::error_code fileEc;
        if (!it->is_regular_file(fileEc) || !isSettingsFile(p))
            continue;
        if (fs::copy_file(p, to / p.filename(), fs::copy_options::skip_existing, fileEc))
            copied.push_back(p.filename().string());
    }
    std::sort(copied.begin(), copied.end());
    return copied;
}

void refreshManual(const fs::path& from, const fs::path& to, std::vector<std::string>& copied)
{
    std::error_code ec;
    const auto manual = from / kManualFile;
    if (!fs::is_regular_file(manual, ec) || !newerThan(manual, to / kManualFile))
        return;
    const auto pictures = from / kManualPictures;
    if (fs::is_directory(pictures, ec)) {
        fs::create_directories(to / kManualPictures, ec);
        fs::copy(pictures, to / kManualPictures, fs::copy_options::recursive | fs::copy_options::overwrite_existing,
                 ec);
    }
    // The page last, so that a copy cut short is tried again at the next start.
    if (fs::copy_file(manual, to / kManualFile, fs::copy_options::overwrite_existing, ec))
        copied.push_back(kManualFile);
}

} // namespace

bool folderIsWritable(const fs::path& dir)
{
    std::random_device rd;
    const auto probe = dir / (".yorozu-probe-" + std::to_string(rd()));
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
    }
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

ProgramFolder resolveProgramFolder(const ProgramFolderInputs& in)
{
    ProgramFolder r;
    std::error_code ec;
    const bool installed = fs::exists(in.executableDir / kInstalledMarker, ec);
    const auto canWrite = in.canWrite ? in.canWrite : folderIsWritable;
    if (!installed && canWrite(in.executableDir)) {
        r.path = in.executableDir;
        return r;
    }
    r.userFolder = true;
    r.path = userDataFolder(in);
    if (r.path.empty()) {
        r.error = "プログラムフォルダが決まりません（HOME も XDG_DATA_HOME もありません）。";
        return r;
    }
    const bool existed = fs::is_directory(r.path, ec);
    if (!existed) {
        fs::create_directories(r.path, ec);
        if (ec || !fs::is_directory(r.path, ec)) {
            r.error = "プログラムフォルダを作成できませんでした。\r\n" + r.path.string();
            r.path.clear();
            return r;
        }
        r.created = true;
        r.copied = copySiteDefaults(in.executableDir, r.path);
    }
    refreshManual(in.executableDir, r.path, r.copied);
    return r;
}

ProgramFolderInputs currentProgramFolderInputs(const char* argv0)
{
    ProgramFolderInputs in;
    std::error_code ec;
    auto exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(argv0 ? argv0 : "", ec);
    in.executableDir = exe.parent_path();
    if (const char* x = std::getenv("XDG_DATA_HOME"))
        in.xdgDataHome = x;
    if (const char* h = std::getenv("HOME"))
        in.home = h;
    return in;
}

} // namespace yorozu
