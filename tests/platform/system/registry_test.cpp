#include "platform/system/Registry.h"

#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace sys;

namespace {

const QByteArray msinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr quint32 aboutBoxAccess = 0x2003F;

struct Lookup
{
    long opened = -1;
    long queried = -1;
    quint32 type = 0;
    QByteArray data;   // the bytes written
};

// Open, query into a 1024-byte buffer and close, the way the about box reads a value.
Lookup lookUp(Registry &registry, const QByteArray &key, const QByteArray &value,
              quint32 access = aboutBoxAccess)
{
    Lookup result;
    quint32 handle = 0;
    result.opened = registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, access, &handle);
    if (result.opened == ERROR_SUCCESS) {
        QByteArray buffer(1024, '\0');
        quint32 size = 1024;
        result.queried = registry.RegQueryValueExA(handle, value, &result.type, buffer, &size);
        result.data = buffer.left(size);
    }
    registry.RegCloseKey(handle);
    return result;
}

// Puts folders on the PATH for the life of the object.
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
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

TEST(Registry, OpensQueriesAndClosesKeysWithTheClassicResultCodes)
{
    Registry registry;
    registry.setString(HKEY_LOCAL_MACHINE, msinfoKey, "PATH", "/usr/bin/hardinfo");
    registry.setValue(HKEY_LOCAL_MACHINE, msinfoKey, "Count", {REG_DWORD, QByteArray("\x0a\0\0\0", 4)});

    // Key and value names do not depend on letter case; a string keeps its terminating zero.
    Lookup path = lookUp(registry, "software\\microsoft\\shared tools\\msinfo", "path");
    EXPECT_EQ(path.queried, ERROR_SUCCESS);
    EXPECT_EQ(path.type, REG_SZ);
    EXPECT_EQ(path.data, QByteArray("/usr/bin/hardinfo\0", 18));
    Lookup count = lookUp(registry, msinfoKey, "Count");
    EXPECT_EQ(count.type, REG_DWORD);
    EXPECT_EQ(count.data, QByteArray("\x0a\0\0\0", 4));

    EXPECT_EQ(lookUp(registry, "SOFTWARE\\Nothing", "PATH").opened, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(lookUp(registry, msinfoKey, "Missing").queried, ERROR_FILE_NOT_FOUND);
    quint32 handle = 99;
    EXPECT_EQ(registry.RegOpenKeyExA(HKEY_CURRENT_USER, msinfoKey, 0, aboutBoxAccess, &handle),
              ERROR_FILE_NOT_FOUND);   // the same path under another root
    EXPECT_EQ(handle, 0u);

    // Too little room: nothing copied, the room needed reported.
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, msinfoKey, 0, KEY_READ, &handle), ERROR_SUCCESS);
    QByteArray small(4, 'x');
    quint32 size = 4, type = 0;
    EXPECT_EQ(registry.RegQueryValueExA(handle, "PATH", &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 18u);
    EXPECT_EQ(small, "xxxx");
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_SUCCESS);
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.RegQueryValueExA(handle, "PATH", &type, small, &size), ERROR_INVALID_HANDLE);
}

TEST(Registry, ARefusedKeyRefusesWriteAccessAndEveryCallIsLogged)
{
    Registry registry;
    registry.setString(HKEY_LOCAL_MACHINE, msinfoKey, "PATH", "/usr/bin/hardinfo");
    registry.denyAccess(HKEY_LOCAL_MACHINE, msinfoKey);

    // The about box asks for write rights too, which a refused key denies; reading alone works.
    EXPECT_EQ(lookUp(registry, msinfoKey, "PATH").opened, ERROR_ACCESS_DENIED);
    EXPECT_EQ(lookUp(registry, msinfoKey, "PATH", KEY_READ).queried, ERROR_SUCCESS);

    const QString key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    QStringList calls;
    for (const Registry::Call &call : registry.log())
        calls.append(QString("%1 %2 %3 %4").arg(call.function, call.key, call.valueName).arg(call.result));
    EXPECT_EQ(calls, (QStringList{"RegOpenKeyExA " + key + "  5", "RegCloseKey   6",
                                  "RegOpenKeyExA " + key + "  0",
                                  "RegQueryValueExA " + key + " PATH 0",
                                  "RegCloseKey " + key + "  0"}));
    registry.clearLog();
    EXPECT_TRUE(registry.log().isEmpty());
}

TEST(Registry, ThisSystemNamesTheFirstSystemInformationProgramOnThePath)
{
    TempDir first;
    TempDir second;
    makeProgram(first.file("lxtask"));
    makeProgram(second.file("hardinfo"));
    {
        // hardinfo comes first in the order tried, wherever it is on the PATH.
        PathGuard path(first.path() + ":" + second.path());
        Registry registry = Registry::forThisSystem();
        Lookup found = lookUp(registry, msinfoKey, "PATH");
        EXPECT_EQ(found.type, REG_SZ);
        EXPECT_EQ(found.data, second.file("hardinfo").toLocal8Bit() + '\0');
        // The folder of the other system's program is never there.
        EXPECT_EQ(lookUp(registry, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO").opened,
                  ERROR_FILE_NOT_FOUND);
    }
    {
        PathGuard path(first.path());
        Registry registry = Registry::forThisSystem();
        EXPECT_EQ(lookUp(registry, msinfoKey, "PATH").data, first.file("lxtask").toLocal8Bit() + '\0');
    }
    {
        TempDir empty;
        PathGuard path(empty.path());
        Registry registry = Registry::forThisSystem();
        EXPECT_EQ(lookUp(registry, msinfoKey, "PATH").opened, ERROR_FILE_NOT_FOUND);
    }
}
