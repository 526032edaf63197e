#include "files/library/FolderRules.h"

#include "files/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace yorozu;
using yorozu::test::TempFolder;
namespace fs = std::filesystem;

TEST(FolderRules, CreationAsksRefusesAnExistingFolderAndMakesEveryLevel)
{
    TempFolder dir;
    EXPECT_FALSE(planFolderCreation(dir.path(), ""));

    fs::create_directory(dir / "2026");
    const auto existing = planFolderCreation(dir.path(), "2026");
    ASSERT_TRUE(existing);
    EXPECT_EQ(existing->refusal, "そのフォルダはすでに存在します。\r\n");
    EXPECT_EQ(existing->question, "");

    const auto fresh = planFolderCreation(dir.path().string() + "/", "山田様/2027");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->refusal, "");
    EXPECT_EQ(fresh->question, dir.path().string() + "/山田様/2027フォルダを作成します。\r\n\r\nよろしいですか？");
    EXPECT_EQ(createFolder(fresh->path), std::nullopt);
    EXPECT_TRUE(fs::is_directory(dir / "山田様/2027"));

    yorozu::test::writeBytes(dir / "file", "x");
    EXPECT_EQ(createFolder(dir / "file/sub"), "フォルダの作成ができませんでした。\r\n");
}

TEST(FolderRules, DeletionRefusesAFolderWithAnyFile)
{
    TempFolder dir;
    fs::create_directory(dir / "old");
    yorozu::test::writeBytes(dir / "old/memo.txt", "x");
    const auto plan = planFolderDeletion(dir / "old");
    EXPECT_TRUE(plan.hasFiles);
    EXPECT_EQ(plan.refusal, "フォルダにファイルがあります。\r\n\r\nすべて削除してから再度実行してください");
    EXPECT_TRUE(fs::exists(dir / "old/memo.txt"));
}

TEST(FolderRules, DeletionRemovesAnEmptyFolderAndNeverWhatIsHidden)
{
    TempFolder dir;
    fs::create_directory(dir / "empty");
    const auto plan = planFolderDeletion(dir / "empty");
    EXPECT_FALSE(plan.hasFiles);
    EXPECT_EQ(plan.question, "[ " + (dir / "empty").string() + " ]を削除します。");
    EXPECT_EQ(plan.parent, dir.path());
    EXPECT_EQ(planFolderDeletion(dir.path().string() + "/empty/").parent, dir.path());
    EXPECT_EQ(removeFolder(dir / "empty"), std::nullopt);
    EXPECT_FALSE(fs::exists(dir / "empty"));

    // The list shows neither hidden files nor subfolders; they keep the folder.
    fs::create_directories(dir / "kept/sub");
    yorozu::test::writeBytes(dir / "kept/.hidden", "x");
    EXPECT_FALSE(planFolderDeletion(dir / "kept").hasFiles);
    EXPECT_EQ(removeFolder(dir / "kept"), "削除できませんでした。");
    EXPECT_TRUE(fs::exists(dir / "kept/.hidden"));
}
