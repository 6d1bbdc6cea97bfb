#include "platform/system/Failure.h"
#include "platform/system/Programs.h"
#include "platform/system/WorkingFolder.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

using namespace sys;

namespace {

// The user's temporary folder is the test's own while it lives.
class TemporaryFolder : public ::testing::Test
{
protected:
    TemporaryFolder() : before(qgetenv("TMPDIR")) { qputenv("TMPDIR", temp.path().toLocal8Bit()); }
    ~TemporaryFolder() override { qputenv("TMPDIR", before); }

    QStringList entries() const
    {
        return QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    TempDir temp;
    QByteArray before;
};

} // namespace

TEST_F(TemporaryFolder, AWorkingFolderIsTheUsersAloneAndGoesWithItsFilesAndWithStaleOnes)
{
    // Left by a killed run: nobody holds it any more. Folders of other names are no concern.
    QDir(temp.path()).mkpath("zentdeck-work-killed/inner");
    ASSERT_TRUE(writeFile(temp.file("zentdeck-work-killed/inner/catalogue-1.znt"), "x"));
    QDir(temp.path()).mkpath("zentdeck-test-killed");

    std::optional<WorkingFolder> running(std::in_place);
    EXPECT_EQ(QFileInfo(running->path()).path(), temp.path());
    EXPECT_EQ(QFile::permissions(running->path()) & 0x0077, QFile::Permissions()); // no group or others
    EXPECT_EQ(entries(), QStringList({"zentdeck-test-killed", QFileInfo(running->path()).fileName()}));

    // A second program's start leaves the running one's folder alone.
    ASSERT_TRUE(writeFile(running->path() + "/catalogue-1.znt", "x"));
    {
        const WorkingFolder second;
        EXPECT_EQ(entries().size(), 3);
    }
    WorkingFolder::removeStale();
    EXPECT_TRUE(QFile::exists(running->path() + "/catalogue-1.znt"));
    running.reset();
    EXPECT_EQ(entries(), QStringList{"zentdeck-test-killed"});

    // Without a temporary folder to make it in, there is no working folder.
    qputenv("TMPDIR", temp.file("missing").toLocal8Bit());
    EXPECT_THROW(WorkingFolder{}, Failure);
}

TEST_F(TemporaryFolder, AProgramRunsToItsEndOrIsKilledAtTheLimitAndTheWindowsKeepTheirTimers)
{
    EXPECT_TRUE(runProgram("sh", {"-c", "head -c 5000000 /dev/zero; head -c 5000000 /dev/zero >&2"}, 10000));
    EXPECT_FALSE(runProgram("sh", {"-c", "exit 3"}, 10000));
    EXPECT_FALSE(runProgram("sh", {"-c", "kill -SEGV $$"}, 10000));
    EXPECT_FALSE(runProgram(temp.file("missing"), {}, 10000));

    // A program that never ends is killed at the limit; meanwhile the timers still fire.
    const QString pidFile = temp.file("pid");
    bool timerFired = false;
    QTimer::singleShot(10, [&] { timerFired = true; });
    EXPECT_FALSE(runProgram("sh", {"-c", "echo $$ > " + pidFile + "; exec sleep 60"}, 500));
    EXPECT_TRUE(timerFired);
    const pid_t pid = readFile(pidFile).trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_NE(::kill(pid, 0), 0);
}
