#include "platform/system/Failure.h"
#include "platform/system/Files.h"

#include "TempDir.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace sys;

TEST(Files, OnlyOrdinaryFilesExistAndOnlyProgramsStart)
{
    TempDir folder;
    const QString script = folder.file("MSINFO32.EXE");
    ASSERT_TRUE(writeProgram(script, "#!/bin/sh\ntouch \"$0.ran\"\n"));
    ASSERT_TRUE(makePipe(folder.file("pipe")));

    // "\" is a folder separator, doubled or not; names depend on letter case.
    EXPECT_EQ(fileExists(folder.path() + "\\\\MSINFO32.EXE"), "MSINFO32.EXE");
    for (const char *none : {"msinfo32.exe", "missing", "pipe", ""})
        EXPECT_EQ(fileExists(*none ? folder.file(none) : QString()), "") << none;
    EXPECT_EQ(fileExists(folder.path()), "");

    EXPECT_TRUE(startProgram(folder.path() + "\\MSINFO32.EXE"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(script + ".ran"); }, 5000));
    EXPECT_FALSE(startProgram(folder.path()));
}

TEST(Files, APrivateCopyIsTheUsersToWriteWhateverTheOriginalsPermissions)
{
    TempDir folder;
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
