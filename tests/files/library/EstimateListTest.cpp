#include "files/library/EstimateList.h"

#include "files/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace yorozu;
using yorozu::test::TempFolder;

namespace {

std::vector<std::string> names(const std::vector<std::filesystem::path>& files)
{
    std::vector<std::string> out;
    for (const auto& f : files)
        out.push_back(f.filename().string());
    return out;
}

} // namespace

TEST(EstimateList, MasksMatchAsTheDesktopFileListDoes)
{
    const struct {
        const char* name;
        const char* mask;
        bool matches;
    } cases[] = {
        {"20261210120000_見本.qte", "*.qte", true},
        {"OLD.QTE", "*.qte", true},           // letters without case
        {"a.qte.bak", "*.qte", false},
        {"a.qtex", "*.qte", false},
        {"qte", "*.qte", false},
        {"readme.txt", "*.*", true},
        {"noextension", "*.*", true},
        {"a.qtb", "*.qtb;*.qtc", true},
        {"a.qtc", "*.qtb;*.qtc", true},
        {"a.txt", "*.qtb;*.qtc", false},
        {"a.qte", "*.qtb;*.qtc", false},
        {"x1.lst", "x?.lst", true},
        {"x12.lst", "x?.lst", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.mask);
        EXPECT_EQ(matchesMask(c.name, c.mask), c.matches);
    }
}

TEST(EstimateList, ListsEstimateFilesByNameTheNewestLastAndNothingElse)
{
    TempFolder dir;
    for (const char* n : {"20261210120001_b.qte", "20250101000000_z.qte", "20261210120000_a.qte", "memo.txt",
                          ".20261210120002_c.qte.123.0.tmp", ".hidden.qte"})
        yorozu::test::writeBytes(dir / n, "x");
    std::filesystem::create_directory(dir / "folder.qte");
    EXPECT_EQ(names(listFiles(dir.path())),
              (std::vector<std::string>{"20250101000000_z.qte", "20261210120000_a.qte", "20261210120001_b.qte"}));
    EXPECT_EQ(listFiles(dir.path(), kAnyFileMask).size(), 4u);
    EXPECT_EQ(listFiles(dir.path() / "missing").size(), 0u);
    EXPECT_EQ(listFiles(dir.path()).front().parent_path(), dir.path());
}
