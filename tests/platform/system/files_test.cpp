#include "platform/system/Files.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace sys;

TEST(FileExists, NamesOnlyOrdinaryFilesThatExist)
{
    TempDir folder;
    QFile file(folder.file("MSINFO32.EXE"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));

    EXPECT_EQ(fileExists(folder.file("MSINFO32.EXE")), "MSINFO32.EXE");
    EXPECT_EQ(fileExists(folder.path() + "\\MSINFO32.EXE"), "MSINFO32.EXE");
    // A folder value ending in "\" joined with "\MSINFO32.EXE" doubles the separator; this
    // system reads the doubled one as a single one.
    EXPECT_EQ(fileExists(folder.path() + "\\" + "\\MSINFO32.EXE"), "MSINFO32.EXE");
    EXPECT_EQ(fileExists(folder.file("msinfo32.exe")), "");   // names here depend on case
    EXPECT_EQ(fileExists(folder.file("missing")), "");
    EXPECT_EQ(fileExists(folder.file("sub")), "");
    EXPECT_EQ(fileExists(""), "");
}

TEST(StartProgram, StartsAProgramWithoutWaitingAndReportsWhatCannotStart)
{
    TempDir folder;
    const QString script = folder.file("info.sh");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch \"$0.ran\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_TRUE(startProgram(script));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(script + ".ran"); }, 5000));
    EXPECT_TRUE(startProgram("/bin/true"));

    EXPECT_FALSE(startProgram(folder.file("missing")));
    EXPECT_FALSE(startProgram(folder.path()));
    EXPECT_FALSE(startProgram(""));
    QFile plain(folder.file("notes.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_FALSE(startProgram(folder.file("notes.txt")));
}
