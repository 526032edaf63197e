#pragma once

#include "core/document/Date.h"
#include "files/text/YesNo.h"

#include <filesystem>
#include <string>

namespace yorozu {

class Estimate;

struct TextExportResult {
    enum class Status {
        Written,   // `message` is "出力しました。": the window beeps and shows it
        Refused,   // the number or registration name cannot make a file name; show `message`
        Cancelled, // No to the existing-file question
        Failed,    // the file could not be written; `message` says why, for a warning box
    };
    Status status = Status::Written;
    std::string message;
    std::filesystem::path file;
};

// The export's file name for `today`: era and year of the date (令和 from
// 1 May 2019, 平成 before), "年", month "月", day "日" (two digits each),
// "【" + Bangou + "】" + TITLE + ".qte".
std::string textExportFileName(const Estimate& doc, const Date& today);

// TXT_DATA_WRITE (Ctrl+0): lines 1 to 11 of the layout, then every row of
// SG1 from the headings on, into the program folder. Bangou and TITLE become
// part of the name, so a character FNAME_CHECK refuses in either is refused
// with its message: no name can point outside the program folder. An
// existing file is replaced only after "同名ファイルが存在します。\r\n上書きしますか？".
TextExportResult TXT_DATA_WRITE(const Estimate& doc, const std::filesystem::path& programDir, const Date& today,
                                const AskYesNo& ask);

} // namespace yorozu
