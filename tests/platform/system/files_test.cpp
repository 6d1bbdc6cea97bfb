#include "platform/system/Files.h"

#include "TempDir.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace sys;

TEST(Files, OnlyOrdinaryFilesExistAndOnlyProgramsStart)
{
    TempDir folder;
    const QString script = folder.file("MSINFO32.EXE");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch \"$0.ran\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(mkfifo(folder.file("pipe").toLocal8Bit().constData(), 0600), 0);

    // "\" is a folder separator, doubled or not; names depend on letter case.
    EXPECT_EQ(fileExists(folder.path() + "\\\\MSINFO32.EXE"), "MSINFO32.EXE");
    for (const char *none : {"msinfo32.exe", "missing", "pipe", ""})
        EXPECT_EQ(fileExists(*none ? folder.file(none) : QString()), "") << none;
    EXPECT_EQ(fileExists(folder.path()), "");

    EXPECT_TRUE(startProgram(folder.path() + "\\MSINFO32.EXE"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(script + ".ran"); }, 5000));
    EXPECT_FALSE(startProgram(folder.path()));
}
