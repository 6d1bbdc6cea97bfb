#include "platform/system/Registry.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace sys;

// The about box's own tests read values through the classic calls; here, what they do not reach.
TEST(Registry, ThisSystemNamesItsSystemInformationProgramAndABufferTooSmallGetsNothing)
{
    TempDir first, second;
    for (const QString &program : {first.file("lxtask"), second.file("hardinfo")})
        ASSERT_TRUE(writeProgram(program));
    const QByteArray savedPath = qgetenv("PATH");
    // hardinfo comes first in the order tried, wherever it stands on the PATH.
    qputenv("PATH", (first.path() + ":" + second.path()).toLocal8Bit());
    Registry registry = Registry::forThisSystem();
    qputenv("PATH", savedPath);

    quint32 handle = 0, type = 0, size = 4;
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\microsoft\\shared tools\\msinfo", 0,
                                     KEY_READ, &handle), ERROR_SUCCESS);
    QByteArray buffer(1024, 'x');
    EXPECT_EQ(registry.RegQueryValueExA(handle, "PATH", &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(buffer.left(4), "xxxx");
    size = 1024;
    EXPECT_EQ(registry.RegQueryValueExA(handle, "path", &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(buffer.left(size), second.file("hardinfo").toLocal8Bit() + '\0');
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_SUCCESS);
    EXPECT_EQ(registry.RegCloseKey(handle), ERROR_INVALID_HANDLE);
}
