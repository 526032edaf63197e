#include "files/estimate/EstimateSave.h"

#include "core/document/Estimate.h"
#include "files/estimate/EstimateFile.h"
#include "files/estimate/EstimateLayout.h"
#include "files/estimate/FileNameCheck.h"
#include "files/text/Cp932.h"
#include "files/text/TextFile.h"

#include <exception>
#include <system_error>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

// Names taken by other writers before the save gives up.
constexpr int kNameAttempts = 100;

bool blank(std::string_view text)
{
    // ASCII blanks and the full-width space "　" (E3 80 80).
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t')
            ++i;
        else if (text.substr(i, 3) == "\xE3\x80\x80")
            i += 3;
        else
            return false;
    }
    return true;
}

std::vector<std::string> fileNamesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

bool sameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// The current file, when saving should offer to replace it.
bool replaceable(const EstimateSaveRequest& request)
{
    std::error_code ec;
    return !request.currentFile.empty() && fs::is_regular_file(request.currentFile, ec) &&
           sameFile(request.currentFile.parent_path(), request.dataDir);
}

} // namespace

std::optional<UnmappablePlace> findUnmappable(const Estimate& doc)
{
    const std::pair<const char*, const std::string*> fields[] = {
        {"顧客名", &doc.KNAME}, {"タイトル", &doc.Kouji}, {"登録名", &doc.TITLE}, {"見積№", &doc.Bangou},
        {"納期", &doc.Nouki},   {"納入場所", &doc.Basyo}, {"支払条件", &doc.Joken}, {"有効期限", &doc.Kigen},
        {"入力者名", &doc.Tanto},
    };
    for (const auto& [name, text] : fields) {
        if (auto r = cp932::encode(*text); !r.ok)
            return UnmappablePlace{r.unmappable, name, -1, -1};
    }
    const StringGrid& g = doc.SG1;
    for (int row = 0; row < g.rowCount(); ++row) {
        for (int c = 0; c < g.colCount(); ++c) {
            if (auto r = cp932::encode(g.cell(c, row)); !r.ok) {
                std::string where;
                if (row > 0) {
                    // The column as its heading names it; a hidden one by its number.
                    const std::string& heading = g.cell(c, 0);
                    where = std::to_string(row) + "行目の「" + (heading.empty() ? std::to_string(c) + "列" : heading) + "」";
                } else {
                    where = "見出し行";
                }
                return UnmappablePlace{r.unmappable, where, row, c};
            }
        }
    }
    return std::nullopt;
}

std::string unmappableMessage(const UnmappablePlace& place)
{
    return "保存できない文字が含まれています。\r\n\r\n" + place.characters + "\r\n\r\n場所: " + place.where +
           "\r\n\r\n中止しました。";
}

std::string replaceQuestion(const fs::path& currentFile)
{
    return "読み込んだ見積「" + currentFile.filename().string() + "」に上書き登録します。\r\nよろしいですか？" +
           "\r\n\r\n「いいえ」で別の見積として登録します。";
}

std::string unmappableMessage(const std::string& characters)
{
    return "保存できない文字が含まれています。\r\n\r\n" + characters + "\r\n\r\n中止しました。";
}

// How Save behaves, since nothing else fixes it:
// - the name is "yyyyMMddHHmmss_" + registration name + ".qte", the stamp
//   past every stamp already in the folder, so name order is age order with
//   the newest last and a new name never meets an existing file;
// - an empty or blank name and a name FNAME_CHECK refuses write nothing;
// - saving the estimate that came from a file of this folder asks whether to
//   replace it: Yes writes it under a fresh name and then removes the old
//   file, No keeps the old file and adds the estimate; nothing is ever
//   overwritten unasked;
// - the write is atomic and all or nothing (unmappable characters included),
//   and creates the file exclusively: a name another program took in the
//   meantime is never replaced, the save takes the next second instead;
// - BANGOU_KOUSIN is the caller's, after Status::Saved.
EstimateSaveResult saveEstimate(const Estimate& doc, const EstimateSaveRequest& request, const AskYesNo& ask)
{
    using Status = EstimateSaveResult::Status;
    EstimateSaveResult result;
    if (blank(doc.TITLE))
        return {Status::Refused, "登録名の指定がありません。\r\n\r\n中止しました。", {}, false};
    if (auto message = FNAME_CHECK(doc.TITLE))
        return {Status::Refused, *message, {}, false};

    std::error_code ec;
    if (request.dataDir.empty() || !fs::is_directory(request.dataDir, ec))
        return {Status::Failed, "見積ファイルは保存できませんでした。\r\n保存先フォルダがありません。\r\n" +
                                    request.dataDir.string(), {}, false};

    // Checked before anything is asked: a refused save must not first ask
    // whether to replace the current file.
    if (const auto place = findUnmappable(doc))
        return {Status::Failed, unmappableMessage(*place), {}, false};

    const bool replace = replaceable(request) && ask(replaceQuestion(request.currentFile));

    int remarkRows = 0;
    try {
        remarkRows = remarkRowsSetting(request.programDir);
    } catch (const std::exception& e) {
        return {Status::Failed, std::string("見積ファイルは保存できませんでした。\r\n") + e.what(), {}, false};
    }
    // Another program saving into the same folder (a shared folder of an
    // office) may take the name first; the file is created only where none
    // exists, and the loser takes the name after the winner's.
    WriteResult written;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        result.file = request.dataDir / fs::path(saveFileName(doc.TITLE, request.now, fileNamesIn(request.dataDir)));
        written = createEstimateFile(result.file, doc, remarkRows);
        if (written || !written.exists)
            break;
    }
    if (!written) {
        result.status = Status::Failed;
        result.message = !written.unmappable.empty()
                             ? unmappableMessage(written.unmappable)
                             : "見積ファイルは保存できませんでした。\r\n" + result.file.string();
        return result;
    }
    if (replace) {
        fs::remove(request.currentFile, ec);
        result.replacedCurrent = !ec;
        if (ec)
            result.message = "以前の見積ファイルを削除できませんでした。\r\n" + request.currentFile.string();
    }
    return result;
}

} // namespace yorozu
