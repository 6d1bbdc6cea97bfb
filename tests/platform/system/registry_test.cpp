#include "platform/system/Registry.h"

#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QByteArray msinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr quint32 aboutBoxAccess = 0x2003F;

QByteArray emptyBuffer()
{
    return QByteArray(1024, '\0');
}

// Puts folder first on the PATH for the life of the object.
struct PathGuard
{
    QByteArray saved = qgetenv("PATH");
    explicit PathGuard(const QString &path) { qputenv("PATH", path.toLocal8Bit()); }
    ~PathGuard() { qputenv("PATH", saved); }
};

void makeProgram(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

TEST(Registry, OpensQueriesAndClosesKeysWithTheClassicResultCodes)
{
    Registry registry;
    registry.setString(HKEY_LOCAL_MACHINE, msinfoKey, "PATH", "/usr/bin/hardinfo");
    registry.setValue(HKEY_LOCAL_MACHINE, msinfoKey, "Count", {REG_DWORD, QByteArray("\x0a\0\0\0", 4)});

    quint32 handle = 99;
    EXPECT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nothing", 0, aboutBoxAccess, &handle),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(registry.RegOpenKeyExA(HKEY_CURRENT_USER, msinfoKey, 0, aboutBoxAccess, &handle),
              ERROR_FILE_NOT_FOUND);   // the same path under another root
    // Key and value names do not depend on letter case.
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\microsoft\\shared tools\\msinfo",
                                     0, aboutBoxAccess, &handle),
              ERROR_SUCCESS);
    EXPECT_NE(handle, 0u);

    quint32 type = 0;
    QByteArray buffer = emptyBuffer();
    quint32 size = 1024;
    ASSERT_EQ(registry.RegQueryValueExA(handle, "path", &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 18u);   // the text and its terminating zero
    EXPECT_EQ(buffer.left(18), QByteArray("/usr/bin/hardinfo\0", 18));
    EXPECT_EQ(buffer.size(), 1024);
    EXPECT_EQ(buffer.at(18), '\0');

    size = 1024;
    ASSERT_EQ(registry.RegQueryValueExA(handle, "Count", &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer.left(4), QByteArray("\x0a\0\0\0", 4));

    // Too little room: nothing copied, the room needed reported.
    QByteArray small(4, 'x');
    size = 4;
    EXPECT_EQ(registry.RegQueryValueExA(handle, "PATH", &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 18u);
    EXPECT_EQ(small, "xxxx");

    size = 1024;
    EXPECT_EQ(registry.RegQueryValueExA(handle, "Missing", &type, buffer, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_SUCCESS);
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.RegQueryValueExA(handle, "PATH", &type, buffer, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.RegCloseKey(0), ERROR_INVALID_HANDLE);
}

TEST(Registry, ARefusedKeyRefusesWriteAccessAndEveryCallIsLogged)
{
    Registry registry;
    registry.setString(HKEY_LOCAL_MACHINE, msinfoKey, "PATH", "/usr/bin/hardinfo");
    registry.denyAccess(HKEY_LOCAL_MACHINE, msinfoKey);

    quint32 handle = 0;
    // The about box asks for write rights too, which a refused key denies; reading alone works.
    EXPECT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, msinfoKey, 0, aboutBoxAccess, &handle),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_INVALID_HANDLE);
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, msinfoKey, 0, KEY_READ, &handle), ERROR_SUCCESS);
    QByteArray buffer = emptyBuffer();
    quint32 size = 1024, type = 0;
    registry.RegQueryValueExA(handle, "PATH", &type, buffer, &size);
    registry.RegCloseKey(handle);

    const QString key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    const QList<Registry::Call> &log = registry.log();
    ASSERT_EQ(log.size(), 5);
    EXPECT_EQ(log[0].function, "RegOpenKeyExA");
    EXPECT_EQ(log[0].key, key);
    EXPECT_EQ(log[0].result, ERROR_ACCESS_DENIED);
    EXPECT_EQ(log[1].function, "RegCloseKey");
    EXPECT_EQ(log[1].result, ERROR_INVALID_HANDLE);
    EXPECT_EQ(log[2].result, ERROR_SUCCESS);
    EXPECT_EQ(log[3].function, "RegQueryValueExA");
    EXPECT_EQ(log[3].key, key);
    EXPECT_EQ(log[3].valueName, "PATH");
    EXPECT_EQ(log[3].result, ERROR_SUCCESS);
    EXPECT_EQ(log[4].function, "RegCloseKey");
    EXPECT_EQ(log[4].key, key);
    registry.clearLog();
    EXPECT_TRUE(registry.log().isEmpty());
}

TEST(Registry, ThisSystemNamesTheFirstSystemInformationProgramOnThePath)
{
    TempDir first;
    TempDir second;
    makeProgram(second.file("hardinfo"));
    makeProgram(first.file("lxtask"));
    makeProgram(first.file("kinfocenter"));
    quint32 handle = 0;

    {
        // hardinfo comes first in the order tried, wherever it is on the PATH.
        PathGuard path(first.path() + ":" + second.path());
        Registry registry = Registry::forThisSystem();
        ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, msinfoKey, 0, aboutBoxAccess, &handle),
                  ERROR_SUCCESS);
        QByteArray buffer = emptyBuffer();
        quint32 size = 1024, type = 0;
        ASSERT_EQ(registry.RegQueryValueExA(handle, "PATH", &type, buffer, &size), ERROR_SUCCESS);
        EXPECT_EQ(type, REG_SZ);
        EXPECT_EQ(buffer.left(size), second.file("hardinfo").toLocal8Bit() + '\0');
        // The folder of the old system's program is never there.
        EXPECT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location",
                                         0, aboutBoxAccess, &handle),
                  ERROR_FILE_NOT_FOUND);
    }
    {
        PathGuard path(first.path());
        Registry registry = Registry::forThisSystem();
        ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, msinfoKey, 0, aboutBoxAccess, &handle),
                  ERROR_SUCCESS);
        QByteArray buffer = emptyBuffer();
        quint32 size = 1024, type = 0;
        registry.RegQueryValueExA(handle, "PATH", &type, buffer, &size);
        EXPECT_EQ(buffer.left(size), first.file("kinfocenter").toLocal8Bit() + '\0');
    }
    {
        TempDir empty;
        PathGuard path(empty.path());
        Registry registry = Registry::forThisSystem();
        EXPECT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, msinfoKey, 0, aboutBoxAccess, &handle),
                  ERROR_FILE_NOT_FOUND);
    }
}
