#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace yorozu {

// Marks the executable's folder of an installed copy. The folder belongs to
// the package, not to a user: settings files put there by an administrator
// are site-wide defaults, copied into each user's folder at its first start
// and never written.
inline constexpr const char* kInstalledMarker = "SITE-DEFAULTS.txt";

// The manual and the folder of its pictures.
inline constexpr const char* kManualFile = "Rakumi_MAN.htm";
inline constexpr const char* kManualPictures = "Rakumi_MAN";

// What the start needs to know about the system to choose the folder.
struct ProgramFolderInputs {
    std::filesystem::path executableDir;
    std::string xdgDataHome; // $XDG_DATA_HOME, empty when unset
    std::string home;        // $HOME
    // Whether the program may create files in a folder; empty: try it.
    std::function<bool(const std::filesystem::path&)> canWrite;
};

struct ProgramFolder {
    std::filesystem::path path;  // where settings, lists, numbering and exports live
    bool userFolder = false;     // the user's data folder rather than the executable's
    bool created = false;        // made by this start (its first start)
    std::vector<std::string> copied; // files taken from the executable's folder
    std::string error;           // why no folder could be had; `path` is empty then
    explicit operator bool() const { return error.empty(); }
};

// The program folder of this start: the executable's folder for a copy run
// from its own, writable folder; for an installed copy, or one whose folder
// cannot be written, the user's data folder "$XDG_DATA_HOME/yorozu" (by
// default "~/.local/share/yorozu"), created when missing. A new user folder
// receives the executable folder's settings files (".INI", ".LST"); the
// manual and its pictures are brought in whenever the executable's copy is
// newer than the user's.
ProgramFolder resolveProgramFolder(const ProgramFolderInputs& in);

// The inputs of the running process: the folder of /proc/self/exe (or of
// `argv0`), the environment, the real write test.
ProgramFolderInputs currentProgramFolderInputs(const char* argv0);

// Whether a file can be created in `dir` (a probe file is made and removed).
bool folderIsWritable(const std::filesystem::path& dir);

} // namespace yorozu
