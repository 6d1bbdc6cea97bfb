// The system layer: steps that pass failures over, files and programs, and the user's working
// folder.
#include "Testing.h"
#include "platform/system/Attempt.h"
#include "platform/system/Failure.h"
#include "platform/system/Files.h"
#include "platform/system/Programs.h"
#include "platform/system/WorkingFolder.h"

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
    QStringList entries() const { return filesUnder(temp.path()); }

    TempDir temp;
    QByteArray before;
};

} // namespace

// A failure of the world and a counter out of range are passed over; a fault of the program
// ends the step as well, but is heard as a fault; anything else is not caught at all.
TEST(Attempts, PassOverFailuresAndReportFaults)
{
    HeardFailures sink;
    sink.plantsFaults = true;
    const Attempts attempt(&sink);
    EXPECT_TRUE(attempt([] {}));
    EXPECT_FALSE(attempt([] { throw Failure("missing.znt is not a file"); }));
    EXPECT_FALSE(attempt([] { throw std::overflow_error("Overflow"); }));
    EXPECT_FALSE(attempt([] { throw Fault("the statement gives no column fldNmae"); }));
    EXPECT_EQ(sink.failures, QStringList({"missing.znt is not a file", "Overflow"}));
    EXPECT_EQ(sink.faults, QStringList{"the statement gives no column fldNmae"});
    EXPECT_THROW(attempt([] { throw std::bad_alloc(); }), std::bad_alloc);
}

TEST(Files, OnlyOrdinaryFilesExistOnlyProgramsStartAndAPrivateCopyIsTheUsersToWrite)
{
    TempDir folder;
    const QString script = folder.file("MSINFO32.EXE");
    ASSERT_TRUE(writeProgram(script, "#!/bin/sh\ntouch \"$0.ran\"\n"));
    ASSERT_TRUE(makePipe(folder.file("pipe")));

    // "\" is a folder separator, doubled or not; names depend on letter case.
    EXPECT_EQ(fileExists(folder.path() + "\\\\MSINFO32.EXE"), "MSINFO32.EXE");
    for (const QString &none : {folder.file("msinfo32.exe"), folder.file("pipe"), folder.path(), QString()})
        EXPECT_EQ(fileExists(none), "") << none.toStdString();

    EXPECT_TRUE(startProgram(folder.path() + "\\MSINFO32.EXE"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(script + ".ran"); }, 5000));
    EXPECT_FALSE(startProgram(folder.path()));

    // A private copy is the user's to write, whatever the original's permissions.
    const QString original = folder.file("catalogue.znt");
    const QByteArray content = QByteArray(3 << 20, 'c') + "end";
    ASSERT_TRUE(writeFile(original, content));
    QFile::setPermissions(original, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    copyPrivately(original, folder.file("copy.znt"));
    EXPECT_TRUE(readFile(folder.file("copy.znt")) == content);
    EXPECT_EQ(QFile::permissions(folder.file("copy.znt")) & 0x0777, QFile::ReadUser | QFile::WriteUser);
    // Nothing is copied over an existing file, nor from a missing one.
    EXPECT_THROW(copyPrivately(original, folder.file("copy.znt")), Failure);
    EXPECT_THROW(copyPrivately(folder.file("missing"), folder.file("none.znt")), Failure);
    EXPECT_FALSE(QFile::exists(folder.file("none.znt")));
    EXPECT_TRUE(canWriteInPlace(folder.file("copy.znt")));
    EXPECT_FALSE(canWriteInPlace(folder.file("missing")));
}

// That the window's working copies go with it is the working-copy tests' to check; here, the
// folder itself and what a killed run left.
TEST_F(TemporaryFolder, AWorkingFolderIsTheUsersAloneAndStaleOnesGo)
{
    // Left by a killed run: nobody holds it any more. Folders of other names are no concern.
    QDir(temp.path()).mkpath("zentdeck-work-killed/inner");
    QDir(temp.path()).mkpath("zentdeck-test-killed");

    std::optional<WorkingFolder> running(std::in_place);
    const QString name = QFileInfo(running->path()).fileName();
    EXPECT_EQ(QFileInfo(running->path()).path(), temp.path());
    EXPECT_EQ(QFile::permissions(running->path()) & 0x0077, QFile::Permissions()); // no group or others
    EXPECT_EQ(entries(), QStringList({"zentdeck-test-killed", name}));

    // A second program's start leaves the running one's folder alone.
    ASSERT_TRUE(writeFile(running->path() + "/catalogue-1.znt", "x"));
    WorkingFolder::removeStale();
    EXPECT_EQ(entries(), QStringList({"zentdeck-test-killed", name, name + "/catalogue-1.znt"}));
    running.reset();
    EXPECT_EQ(entries(), QStringList{"zentdeck-test-killed"});

    // Without a temporary folder to make it in, there is no working folder.
    qputenv("TMPDIR", temp.file("missing").toLocal8Bit());
    EXPECT_THROW(WorkingFolder{}, Failure);
}

TEST_F(TemporaryFolder, AProgramRunsToItsEndOrIsKilledAtTheLimitAndTheWindowsKeepTheirTimers)
{
    EXPECT_TRUE(runProgram("sh", {"-c", "head -c 5000000 /dev/zero; head -c 5000000 /dev/zero >&2"}, 10000));
    // Given a memory limit, it cannot take more address space than that (a build with the
    // address sanitizer sets none).
    if (limitsChildMemory()) {
        EXPECT_TRUE(runProgram("sh", {"-c", "[ \"$(ulimit -v)\" = 1048576 ]"}, 10000, qint64(1) << 30));
    }

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
