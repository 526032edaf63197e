#include "files/text/TextFile.h"

#include "files/support/Hex.h"
#include "files/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

using namespace yorozu;
using namespace yorozu::test;
using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsEveryLineEnd)
{
    const struct {
        const char* name;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"empty file", "", {}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF alone", "a\nb\n", {"a", "b"}},
        {"mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}},
        {"last line without line end", "a\r\nb", {"a", "b"}},
        {"last line ends in CR only", "a\r\nb\r", {"a", "b"}},
        {"empty lines kept", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        {"just a line end", "\r\n", {""}},
        {"a CR inside a line stays", "a\rb\r\n", {"a\rb"}},
        {"decoded", hexBytes("8CA9 90CF 8F91 0D 0A 835C 0A"), {"見積書", "ソ"}},
        {"lone lead byte before CR LF", hexBytes("61 81 0D 0A 62 0D 0A"), {"a\xEF\x9E\x81", "b"}},
        {"lone lead byte at the end of the file", hexBytes("61 0D 0A 62 81"), {"a", "b\xEF\x9E\x81"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitLines(c.bytes), c.lines);
    }
}

class TextFileTest : public ::testing::Test {
protected:
    TempFolder dir_;
    std::filesystem::path file_ = dir_ / "SET2.INI";
};

TEST_F(TextFileTest, MissingOrUnreadableFileGivesNothing)
{
    EXPECT_FALSE(readTextLines(file_));
    EXPECT_FALSE(readTextFile(file_));
    EXPECT_FALSE(readTextLines(dir_.path())) << "a folder is not a text file";
    writeBytes(file_, "");
    ASSERT_TRUE(readTextLines(file_));
    EXPECT_TRUE(readTextLines(file_)->empty());
}

TEST_F(TextFileTest, WritesCodePage932WithCrLf)
{
    ASSERT_TRUE(writeTextLines(file_, {"[会社名]=株式会社ソ表", "", "ｶﾅ\\~"}));
    EXPECT_EQ(toHex(readBytes(file_)),
              toHex(hexBytes("5B 89EF 8ED0 96BC 5D 3D 8A94 8EAE 89EF 8ED0 835C 955C 0D0A 0D0A B6 C5 5C 7E 0D0A")));
    EXPECT_EQ(readTextLines(file_), (Lines{"[会社名]=株式会社ソ表", "", "ｶﾅ\\~"}));
    EXPECT_EQ(readTextFile(file_), "[会社名]=株式会社ソ表\r\n\r\nｶﾅ\\~\r\n");
    EXPECT_EQ(dir_.names(), Lines{"SET2.INI"});
}

TEST_F(TextFileTest, ReadAndWrittenBackKeepsEveryByte)
{
    // Lone lead bytes at line ends, the bytes the code page leaves undefined,
    // lead bytes before bytes that cannot follow them, an empty pair.
    const auto original = hexBytes(
        "61 81 0D0A"
        "80 A0 FD FE FF 0D0A"
        "82A0 81 20 9F 09 82A2 0D0A"
        "85 40 EE ED 0D0A"
        "835C 955C 945C 8F5C 837C B1 0D0A"
        "8740 FA40 FBFC F040 0D0A"
        "FC 0D0A");
    writeBytes(file_, original);
    const auto lines = readTextLines(file_);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 7u);
    ASSERT_TRUE(writeTextLines(file_, *lines));
    EXPECT_EQ(toHex(readBytes(file_)), toHex(original));
}

TEST_F(TextFileTest, OnlyDuplicateCodesAndLineEndsChange)
{
    writeBytes(file_, hexBytes("879A EEE0 0D0A FA4A 0A 61 81"));
    const auto lines = readTextLines(file_);
    ASSERT_TRUE(lines);
    ASSERT_TRUE(writeTextLines(file_, *lines));
    EXPECT_EQ(toHex(readBytes(file_)), toHex(hexBytes("81E6 FBFC 0D0A 8754 0D0A 61 81 0D0A")));
}

TEST_F(TextFileTest, UnmappableCharacterLeavesTheFileAsItWas)
{
    writeBytes(file_, "old\r\n");
    const auto r = writeTextLines(file_, {"ok", "見積😀", "é"});
    EXPECT_FALSE(r);
    EXPECT_EQ(r.unmappable, "😀é");
    EXPECT_NE(r.error.find("😀"), std::string::npos);
    EXPECT_EQ(readBytes(file_), "old\r\n");
    EXPECT_EQ(dir_.names(), Lines{"SET2.INI"});

    const auto missing = dir_ / "new.lst";
    EXPECT_FALSE(writeTextLines(missing, {"😀"}));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(TextFileTest, LineFeedInsideALineIsRefused)
{
    // It would read back as two lines and shift every value after it.
    writeBytes(file_, "old\r\n");
    const auto r = writeTextLines(file_, {"a\nb"});
    EXPECT_FALSE(r);
    EXPECT_EQ(r.unmappable, "");
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(readBytes(file_), "old\r\n");
}

namespace {

// A disk that takes `budget` bytes, a few at a time, and then fails.
FileOps failingAfter(std::size_t budget)
{
    auto left = std::make_shared<std::size_t>(budget);
    FileOps ops;
    ops.write = [left](int fd, const void* data, std::size_t size) -> std::ptrdiff_t {
        if (*left == 0) {
            errno = EIO;
            return -1;
        }
        const auto n = std::min({size, *left, std::size_t{3}});
        *left -= n;
        return ::write(fd, data, n);
    };
    return ops;
}

} // namespace

TEST_F(TextFileTest, InterruptedWriteAtEveryByteKeepsThePreviousContent)
{
    const auto old = hexBytes("8B8C 0D0A 31 2C 32 0D0A");
    const Lines next{"見積書", "ソ表,1,2", "ｱ"};
    std::string nextBytes;
    ASSERT_TRUE(encodeTextLines(next, nextBytes));
    for (std::size_t k = 0; k < nextBytes.size(); ++k) {
        SCOPED_TRACE("fails after " + std::to_string(k) + " bytes");
        writeBytes(file_, old);
        const auto r = writeTextLines(file_, next, failingAfter(k));
        EXPECT_FALSE(r);
        EXPECT_NE(r.error.find("cannot write"), std::string::npos) << r.error;
        EXPECT_EQ(toHex(readBytes(file_)), toHex(old));
        EXPECT_EQ(dir_.names(), Lines{"SET2.INI"});
    }
    // Enough room, still taken a few bytes at a time: the whole new content.
    ASSERT_TRUE(writeTextLines(file_, next, failingAfter(nextBytes.size())));
    EXPECT_EQ(toHex(readBytes(file_)), toHex(nextBytes));
    EXPECT_EQ(dir_.names(), Lines{"SET2.INI"});
}

TEST_F(TextFileTest, FailedFlushOrRenameKeepsThePreviousContent)
{
    FileOps badSync;
    badSync.fsync = [](int) { errno = EIO; return -1; };
    FileOps badRename;
    badRename.rename = [](const char*, const char*) { errno = EXDEV; return -1; };
    const struct {
        const char* name;
        FileOps ops;
        const char* error;
    } cases[] = {{"flush", badSync, "cannot flush"}, {"rename", badRename, "cannot replace"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(file_, "old\r\n");
        const auto r = writeTextLines(file_, {"new"}, c.ops);
        EXPECT_FALSE(r);
        EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
        EXPECT_EQ(readBytes(file_), "old\r\n");
        EXPECT_EQ(dir_.names(), Lines{"SET2.INI"});
    }
}

TEST_F(TextFileTest, MissingFolderIsReported)
{
    const auto r = writeTextLines(dir_ / "nowhere" / "x.lst", {"a"});
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
}

TEST_F(TextFileTest, ReplacingKeepsPermissionsAndWritesThroughALink)
{
    writeBytes(file_, "old\r\n");
    ::chmod(file_.c_str(), 0600);
    const auto link = dir_ / "link.ini";
    std::filesystem::create_symlink(file_.filename(), link);
    ASSERT_TRUE(writeTextLines(link, {"new"}));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(file_), "new\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(file_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}
