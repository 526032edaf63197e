// One copy of the program per program folder.
#include "ui/app/ProgramLock.h"
#include "ui/dialogs/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace yorozu::test {
namespace {

TEST(ProgramLockTest, ASecondCopyOnTheSameFolderIsToldAndDoesNotStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::filesystem::path folder = dir.path().toStdString();
    ScriptedDialogs dialogs;
    {
        ProgramLock first(folder);
        ASSERT_TRUE(first.held());
        EXPECT_TRUE(first.mayStart(dialogs));
        EXPECT_TRUE(dialogs.shown.empty());

        ProgramLock second(folder);
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.otherCopyRuns());
        EXPECT_FALSE(second.mayStart(dialogs));
        ASSERT_EQ(dialogs.texts(ScriptedDialogs::Kind::Information),
                  QStringList{ProgramLock::alreadyRunningMessage(folder)});
        EXPECT_TRUE(dialogs.shown.front().text.contains(dir.path()));

        // Another folder is another program.
        QTemporaryDir other;
        ProgramLock elsewhere(other.path().toStdString());
        EXPECT_TRUE(elsewhere.held());
    }
    // Once the first copy ended, the next start takes the folder.
    ProgramLock next(folder);
    EXPECT_TRUE(next.held());
}

TEST(ProgramLockTest, ALockLeftByACrashedCopyIsTakenOver)
{
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    // A lock written by a process that no longer runs.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    {
        QFile f(QString::fromStdString((folder / ProgramLock::kFileName).string()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::number(deadPid) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    }
    ProgramLock lock(folder);
    EXPECT_TRUE(lock.held());
}

TEST(ProgramLockTest, AReadOnlyFolderStillStarts)
{
    // Root writes into any folder whatever its permissions; no one creates
    // files in a process's own folder of /proc, so root is tested there.
    QTemporaryDir dir;
    const bool root = ::geteuid() == 0;
    const std::filesystem::path folder = root ? std::filesystem::path("/proc/self") : std::filesystem::path(dir.path().toStdString());
    if (!root)
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    ScriptedDialogs dialogs;
    ProgramLock lock(folder);
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(lock.otherCopyRuns());
    EXPECT_TRUE(lock.mayStart(dialogs));
    EXPECT_TRUE(dialogs.shown.empty()) << "nothing to tell: the program simply starts";
    if (!root)
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
}

} // namespace
} // namespace yorozu::test
