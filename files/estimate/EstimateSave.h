#pragma once

#include "files/estimate/SaveName.h"
#include "files/text/YesNo.h"

#include <filesystem>
#include <optional>
#include <string>

namespace yorozu {

class Estimate;

struct EstimateSaveRequest {
    std::filesystem::path dataDir;    // the data folder chosen in the browser
    std::filesystem::path programDir; // for the remark rows of line 19
    // The file the estimate was read from or last saved to; empty for a new
    // estimate (the window forgets it when the estimate is cleared). Saving
    // again offers to replace it instead of adding a copy.
    std::filesystem::path currentFile;
    DateTime now = DateTime::now();
};

struct EstimateSaveResult {
    enum class Status {
        Saved,     // written; `file` is the new current file
        Refused,   // the registration name cannot make a file name; `message` says why
        Failed,    // the file could not be written; `message` says why
    };
    Status status = Status::Saved;
    std::string message; // shown to the user (information for Refused, warning for Failed)
    std::filesystem::path file;
    bool replacedCurrent = false; // the current file was replaced by `file`
};

// The question asked before the current file is replaced.
std::string replaceQuestion(const std::filesystem::path& currentFile);

// Save.
//
// - An empty (or blank) registration name is refused with
//   "登録名の指定がありません。\r\n\r\n中止しました。"; a name FNAME_CHECK
//   finds unusable is refused with its message. The window shows the message
//   and focuses TITLE.
// - The file is written into the data folder as
//   "yyyyMMddHHmmss_" + registration name + ".qte" (saveFileName): name order
//   is age order, the newest last, as the browser expects.
// - When `currentFile` still exists in the data folder, the save asks
//   replaceQuestion(): Yes writes the estimate under a fresh name (so it moves
//   to the end of the list as the newest) and removes the current file once
//   the new one is safely written; No saves it as a further estimate and
//   leaves the current file alone. A new name never equals an existing file,
//   so no other estimate is ever overwritten.
// - The lines are written atomically through writeEstimateFile (the bytes
//   writeTextLines would write); characters code page 932 cannot hold are
//   found before any question is asked, named with their field or line and
//   column in the message, and nothing is written.
// - The number is not advanced here: after Status::Saved the caller runs
//   BANGOU_KOUSIN and takes `file` as its current file.
EstimateSaveResult saveEstimate(const Estimate& doc, const EstimateSaveRequest& request, const AskYesNo& ask);

// The message for characters a code page 932 file cannot hold.
std::string unmappableMessage(const std::string& characters);

// Where the first character a code page 932 file cannot hold sits: a header
// field (row and column -1, `where` its label) or a cell of the sheet (`where` names the
// line and the column's heading).
struct UnmappablePlace {
    std::string characters; // UTF-8, each once
    std::string where;
    int row = 0;
    int col = 0;
};
std::optional<UnmappablePlace> findUnmappable(const Estimate& doc);
std::string unmappableMessage(const UnmappablePlace& place);

} // namespace yorozu
