#include "platform/system/Registry.h"

#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace sys;

namespace {

const QByteArray msinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr quint32 aboutBoxAccess = 0x2003F; // asks for write rights too

// Open, query into a 1024-byte buffer and close, the way the about box reads a value:
// "<open result> <query result> <bytes written>".
QByteArray lookUp(Registry &registry, const QByteArray &key, const QByteArray &value,
                  quint32 access = aboutBoxAccess)
{
    quint32 handle = 0;
    const long opened = registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, access, &handle);
    QByteArray buffer(1024, '\0');
    quint32 size = 1024, type = 0;
    const long queried = opened ? -1 : registry.RegQueryValueExA(handle, value, &type, buffer, &size);
    registry.RegCloseKey(handle);
    return QByteArray::number(int(opened)) + ' ' + QByteArray::number(int(queried)) + ' '
           + (queried ? QByteArray() : buffer.left(size));
}

} // namespace

TEST(Registry, OpensQueriesAndClosesKeysWithTheClassicResultCodes)
{
    Registry registry;
    registry.setString(HKEY_LOCAL_MACHINE, msinfoKey, "PATH", "/usr/bin/hardinfo");

    // Names do not depend on letter case; a string keeps its terminating zero.
    EXPECT_EQ(lookUp(registry, "software\\microsoft\\shared tools\\msinfo", "path"),
              QByteArray("0 0 /usr/bin/hardinfo\0", 22));
    EXPECT_EQ(lookUp(registry, "SOFTWARE\\Nothing", "PATH"), "2 -1 ");
    EXPECT_EQ(lookUp(registry, msinfoKey, "Missing"), "0 2 ");

    // Too little room: nothing copied, the room needed reported; a closed handle is no handle.
    quint32 handle = 0;
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, msinfoKey, 0, KEY_READ, &handle), ERROR_SUCCESS);
    QByteArray small(4, 'x');
    quint32 size = 4, type = 0;
    EXPECT_EQ(registry.RegQueryValueExA(handle, "PATH", &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 18u);
    EXPECT_EQ(small, "xxxx");
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_SUCCESS);
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_INVALID_HANDLE);

    // A refused key denies the about box's access, which includes write rights; reading works.
    registry.denyAccess(HKEY_LOCAL_MACHINE, msinfoKey);
    EXPECT_EQ(lookUp(registry, msinfoKey, "PATH"), "5 -1 ");
    EXPECT_EQ(lookUp(registry, msinfoKey, "PATH", KEY_READ).left(4), "0 0 ");
}

TEST(Registry, ThisSystemNamesTheFirstSystemInformationProgramOnThePath)
{
    TempDir first, second;
    for (const QString &program : {first.file("lxtask"), second.file("hardinfo")}) {
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    const QByteArray savedPath = qgetenv("PATH");
    // hardinfo comes first in the order tried, wherever it stands on the PATH.
    qputenv("PATH", (first.path() + ":" + second.path()).toLocal8Bit());
    Registry both = Registry::forThisSystem();
    qputenv("PATH", first.path().toLocal8Bit());
    Registry one = Registry::forThisSystem();
    qputenv("PATH", "/nonexistent");
    Registry none = Registry::forThisSystem();
    qputenv("PATH", savedPath);

    EXPECT_EQ(lookUp(both, msinfoKey, "PATH"), "0 0 " + second.file("hardinfo").toLocal8Bit() + '\0');
    EXPECT_EQ(lookUp(one, msinfoKey, "PATH"), "0 0 " + first.file("lxtask").toLocal8Bit() + '\0');
    EXPECT_EQ(lookUp(none, msinfoKey, "PATH"), "2 -1 ");
    EXPECT_EQ(lookUp(both, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"), "2 -1 ");
}
