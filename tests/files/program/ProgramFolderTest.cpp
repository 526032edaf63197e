#include "files/program/ProgramFolder.h"

#include "files/support/TempFolder.h"

#include <gtest/gtest.h>

namespace yorozu {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

// An executable's folder and a home folder side by side in one temporary folder.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest()
    {
        fs::create_directories(exe());
        fs::create_directories(home());
    }
    fs::path exe() const { return tmp_ / "exe"; }
    fs::path home() const { return tmp_ / "home"; }
    fs::path userFolder() const { return home() / ".local" / "share" / "yorozu"; }

    ProgramFolderInputs inputs(bool writable) const
    {
        ProgramFolderInputs in;
        in.executableDir = exe();
        in.home = home().string();
        in.canWrite = [writable](const fs::path&) { return writable; };
        return in;
    }
    void markInstalled() const { writeBytes(exe() / kInstalledMarker, "site defaults\n"); }

    TempFolder tmp_;
};

TEST_F(ProgramFolderTest, ChoosesTheExecutablesFolderOnlyForAWritableUninstalledCopy)
{
    struct Case {
        const char* name;
        bool installed;
        bool writable;
        bool userFolder;
    };
    const Case cases[] = {
        {"copy run from its own folder", false, true, false},
        {"copy in a folder it cannot write", false, false, true},
        // Run by root the package's folder is writable: it still must not become anyone's settings folder.
        {"installed copy, writable folder", true, true, true},
        {"installed copy", true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(home() / ".local");
        fs::remove(exe() / kInstalledMarker);
        if (c.installed)
            markInstalled();
        const auto r = resolveProgramFolder(inputs(c.writable));
        ASSERT_TRUE(r) << r.error;
        EXPECT_EQ(r.userFolder, c.userFolder);
        EXPECT_EQ(r.path, c.userFolder ? userFolder() : exe());
        EXPECT_EQ(r.created, c.userFolder);
        EXPECT_TRUE(fs::is_directory(r.path));
    }
}

TEST_F(ProgramFolderTest, UserFolderFollowsXdgDataHomeWhenItIsAbsolute)
{
    markInstalled();
    auto in = inputs(false);
    in.xdgDataHome = (tmp_.path() / "xdg").string();
    EXPECT_EQ(resolveProgramFolder(in).path, tmp_.path() / "xdg" / "yorozu");
    // A relative value is not a valid XDG_DATA_HOME and falls back to the home folder.
    in.xdgDataHome = "relative/data";
    EXPECT_EQ(resolveProgramFolder(in).path, userFolder());
}

TEST_F(ProgramFolderTest, NoHomeAndNoXdgIsAnErrorNotTheCurrentFolder)
{
    markInstalled();
    auto in = inputs(false);
    in.home.clear();
    const auto r = resolveProgramFolder(in);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.path.empty());
    EXPECT_FALSE(r.error.empty());
}

TEST_F(ProgramFolderTest, FolderThatCannotBeCreatedIsReported)
{
    markInstalled();
    // A file where the data folder should be.
    writeBytes(home() / ".local", "x");
    const auto r = resolveProgramFolder(inputs(false));
    EXPECT_FALSE(r);
    EXPECT_NE(r.error.find((home() / ".local").string()), std::string::npos);
}

TEST_F(ProgramFolderTest, SiteDefaultsGoIntoANewUserFolderOnlyAndAreNeverWritten)
{
    markInstalled();
    writeBytes(exe() / "SET.INI", "[会社名]=本社\r\n");
    writeBytes(exe() / "Tani.LST", "式\r\n");
    writeBytes(exe() / "yorozu", "program");
    auto first = resolveProgramFolder(inputs(false));
    ASSERT_TRUE(first) << first.error;
    EXPECT_EQ(first.copied, (std::vector<std::string>{"SET.INI", "Tani.LST"}));
    EXPECT_EQ(readBytes(userFolder() / "SET.INI"), "[会社名]=本社\r\n");
    EXPECT_FALSE(fs::exists(userFolder() / "yorozu"));
    EXPECT_FALSE(fs::exists(userFolder() / kInstalledMarker));

    // The user's own settings survive the next start, even when the site's change.
    writeBytes(userFolder() / "SET.INI", "[会社名]=支店\r\n");
    writeBytes(exe() / "SET.INI", "[会社名]=新本社\r\n");
    fs::remove(userFolder() / "Tani.LST");
    const auto second = resolveProgramFolder(inputs(false));
    EXPECT_FALSE(second.created);
    EXPECT_TRUE(second.copied.empty());
    EXPECT_EQ(readBytes(userFolder() / "SET.INI"), "[会社名]=支店\r\n");
    EXPECT_FALSE(fs::exists(userFolder() / "Tani.LST"));
    EXPECT_EQ(readBytes(exe() / "SET.INI"), "[会社名]=新本社\r\n");
}

TEST_F(ProgramFolderTest, ManualAndPicturesFollowTheInstalledCopy)
{
    markInstalled();
    writeBytes(exe() / kManualFile, "<html>1</html>");
    fs::create_directories(exe() / kManualPictures);
    writeBytes(exe() / kManualPictures / "start.png", "png1");
    ASSERT_TRUE(resolveProgramFolder(inputs(false)));
    EXPECT_EQ(readBytes(userFolder() / kManualFile), "<html>1</html>");
    EXPECT_EQ(readBytes(userFolder() / kManualPictures / "start.png"), "png1");

    // Unchanged: not copied again.
    EXPECT_TRUE(resolveProgramFolder(inputs(false)).copied.empty());

    // An update of the package brings the new manual into the existing folder.
    writeBytes(exe() / kManualFile, "<html>2</html>");
    writeBytes(exe() / kManualPictures / "start.png", "png2");
    const auto later = fs::last_write_time(userFolder() / kManualFile) + std::chrono::seconds(10);
    fs::last_write_time(exe() / kManualFile, later);
    const auto r = resolveProgramFolder(inputs(false));
    EXPECT_EQ(r.copied, std::vector<std::string>{kManualFile});
    EXPECT_EQ(readBytes(userFolder() / kManualFile), "<html>2</html>");
    EXPECT_EQ(readBytes(userFolder() / kManualPictures / "start.png"), "png2");
}

TEST_F(ProgramFolderTest, WriteProbeLeavesNothingBehind)
{
    EXPECT_TRUE(folderIsWritable(exe()));
    EXPECT_TRUE(fs::is_empty(exe()));
    EXPECT_FALSE(folderIsWritable(exe() / "missing"));
}

} // namespace
} // namespace yorozu
