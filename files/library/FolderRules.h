#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace yorozu {

// "フォルダの新規作成": a subfolder `name` of the data folder.
struct FolderCreation {
    std::filesystem::path path; // the folder to create
    std::string refusal;        // it exists already: shown instead of the question
    std::string question;       // asked before creating it
};

// Nothing for an empty name.
std::optional<FolderCreation> planFolderCreation(const std::filesystem::path& dataDir, std::string_view name);

// Creates the folder and every missing folder above it; the message to show
// when that failed, nothing on success.
std::optional<std::string> createFolder(const std::filesystem::path& path);

// "フォルダの削除": a folder is removed only when it holds no file at all.
struct FolderDeletion {
    bool hasFiles = false;      // refused: `refusal` is shown and the list shows the backups
    std::string refusal;
    std::string question;       // asked before removing it
    std::filesystem::path parent; // the data folder afterwards
};

FolderDeletion planFolderDeletion(const std::filesystem::path& folder);

// Removes the empty folder (never what it holds); the message to show when
// it could not be removed, nothing on success.
std::optional<std::string> removeFolder(const std::filesystem::path& folder);

} // namespace yorozu
