// A process killed while it rewrites a file leaves the file as it was before
// that write or as the write made it, never a mixture, and readable; the next
// successful write leaves no temporary file behind.
#include "files/text/TextFile.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace yorozu;
namespace fs = std::filesystem;

namespace {

constexpr int kLines = 12000; // about 700 KB a version

std::vector<std::string> version(int v)
{
    std::vector<std::string> lines;
    lines.reserve(kLines + 2);
    lines.push_back("[版]=" + std::to_string(v));
    for (int i = 0; i < kLines; ++i)
        lines.push_back(std::to_string(v) + ",見積明細," + std::to_string(i) + ",\"数量 1\",単価,12345.67");
    lines.push_back("[終]=" + std::to_string(v));
    return lines;
}

// The version the file holds whole, or -1 when it is anything else.
int wholeVersion(const fs::path& file)
{
    const auto lines = readTextLines(file);
    if (!lines || lines->size() != kLines + 2u || lines->front().rfind("[版]=", 0) != 0)
        return -1;
    const int v = std::stoi(lines->front().substr(std::string("[版]=").size()));
    return *lines == version(v) ? v : -1;
}

class KilledWriteTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Own folder per test and process: ctest runs the tests side by side.
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(testing::TempDir()) / ("killed_write_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir_))
            out.push_back(e.path().filename().string());
        return out;
    }

    fs::path dir_;
};

} // namespace

TEST_F(KilledWriteTest, TheFileIsAlwaysTheOldOrTheNewVersionWhole)
{
    const auto file = dir_ / "BIG.LST";
    ASSERT_TRUE(writeTextLines(file, version(0)).ok);

    // How long one write takes here, so that the kills fall inside writes.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(writeTextLines(file, version(1)).ok);
    const auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);

    std::mt19937 random(20261210);
    std::uniform_int_distribution<long> delay(0, 5 * oneWrite.count() + 1000);
    int last = 1;
    int changed = 0;
    int interrupted = 0;
    // Until kills have fallen both inside writes and between them, a few times each.
    for (int round = 0; round < 200 && (round < 12 || interrupted < 2 || changed < 2); ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int first = last + 1;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Rewrites the file with ever newer versions until it is killed.
            for (int v = first;; ++v)
                if (!writeTextLines(file, version(v)).ok)
                    _exit(1);
        }
        if (round % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        } else {
            // Aim inside a write: wait until its new file exists, then a little more.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (names().size() < 2 && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random) / 1000));
        }
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";

        interrupted += names().size() > 1; // a kill inside a write leaves its new file
        const int now = wholeVersion(file);
        ASSERT_GE(now, last) << "the file is neither the old nor a new version whole";
        changed += now != last;
        last = now;
    }
    EXPECT_GT(changed, 0) << "no kill fell after a completed write";
    EXPECT_GT(interrupted, 0) << "no kill fell inside a write";

    ASSERT_TRUE(writeTextLines(file, version(last + 1)).ok);
    EXPECT_EQ(wholeVersion(file), last + 1);
    EXPECT_EQ(names(), std::vector<std::string>{"BIG.LST"}) << "a temporary file was left behind";
}

TEST_F(KilledWriteTest, OnlyTheTemporariesOfWritersThatNoLongerRunAreRemoved)
{
    const pid_t dead = fork();
    ASSERT_GE(dead, 0);
    if (dead == 0)
        _exit(0);
    ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
    const std::string deadTemp = ".A.LST." + std::to_string(dead) + ".0.tmp";
    const std::string liveTemp = ".A.LST." + std::to_string(getppid()) + ".0.tmp"; // another instance still writing
    const std::string otherTarget = ".B.LST." + std::to_string(dead) + ".0.tmp";
    for (const auto& name : {deadTemp, liveTemp, otherTarget, std::string(".A.LST.x.tmp")})
        ASSERT_TRUE(writeTextLines(dir_ / name, {"old"}).ok);

    ASSERT_TRUE(writeTextLines(dir_ / "A.LST", {"new"}).ok);
    auto left = names();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".A.LST." + std::to_string(getppid()) + ".0.tmp", ".A.LST.x.tmp",
                                              otherTarget, "A.LST"}));
}
