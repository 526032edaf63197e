#include "files/library/FolderRules.h"

#include "files/library/EstimateList.h"

#include <system_error>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

std::string withSeparator(const fs::path& dir)
{
    std::string s = dir.string();
    if (s.empty() || s.back() != '/')
        s += '/';
    return s;
}

} // namespace

std::optional<FolderCreation> planFolderCreation(const fs::path& dataDir, std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    FolderCreation plan;
    const std::string base = withSeparator(dataDir);
    plan.path = fs::path(base + std::string(name));
    std::error_code ec;
    if (fs::exists(plan.path, ec))
        plan.refusal = "そのフォルダはすでに存在します。\r\n";
    else
        plan.question = base + std::string(name) + "フォルダを作成します。\r\n\r\nよろしいですか？";
    return plan;
}

std::optional<std::string> createFolder(const fs::path& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec || !fs::is_directory(path, ec))
        return std::string("フォルダの作成ができませんでした。\r\n");
    return std::nullopt;
}

FolderDeletion planFolderDeletion(const fs::path& folder)
{
    FolderDeletion plan;
    plan.hasFiles = !listFiles(folder, kAnyFileMask).empty();
    if (plan.hasFiles) {
        plan.refusal = "フォルダにファイルがあります。\r\n\r\nすべて削除してから再度実行してください";
        return plan;
    }
    plan.question = "[ " + folder.string() + " ]を削除します。";
    auto trimmed = folder;
    while (trimmed.has_relative_path() && trimmed.filename().empty())
        trimmed = trimmed.parent_path(); // "a/b/" names "a/b"
    plan.parent = trimmed.parent_path();
    return plan;
}

std::optional<std::string> removeFolder(const fs::path& folder)
{
    std::error_code ec;
    // fs::remove takes only an empty folder: a hidden file or a subfolder
    // the list does not show keeps it, and nothing inside is ever lost.
    if (!fs::is_directory(folder, ec) || !fs::remove(folder, ec) || ec)
        return std::string("削除できませんでした。");
    return std::nullopt;
}

} // namespace yorozu
