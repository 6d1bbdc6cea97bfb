#include "AppFixture.h"
#include "app/frmAbout.h"

#include <QFile>
#include <QLabel>
#include <QWindow>

#include <gtest/gtest.h>

using namespace sys;

namespace {

const QByteArray msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray location = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString unavailable = "System Information Is Unavailable At This Time|ZentDeckBuilder|-|OK";

// A harmless program the about box may start: it exits at once.
QByteArray writeProgram(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\nexit 0\n") > 0);
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return path.toLatin1();
}

// What System Info did with the registry as set up: "" when it started a program, else the
// messages it showed.
QString systemInfo(const std::function<void(Registry &, TempDir &)> &setUp)
{
    AppFixture app;
    setUp(app.registry, app.folder);
    for (int i = 0; i < 2; ++i)
        app.dialogs.answerMessage(ui::MessageAnswer::Ok);
    frmAbout about(app.context);
    about.cmdSysInfo_Click();
    const QString shown = app.dialogs.shown().isEmpty() ? QString() : app.dialogs.shown()[0].box();
    app.dialogs.clear();
    return shown;
}

} // namespace

TEST(About, IsABoxOfFixedSizeOverItsOwnerWithTheVersionAndContactLines)
{
    AppFixture app;
    QWidget owner;
    owner.show();
    frmAbout about(app.context, &owner);
    about.show();
    EXPECT_EQ(about.windowHandle()->transientParent(), owner.windowHandle());
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about.findChild<QLabel *>("lblVersion")->text(), "Version 1.0.0");
}

TEST(About, SystemInfoFollowsTheTwoRegistryLookups)
{
    // The first value is used unchanged, without an existence test.
    EXPECT_EQ(systemInfo([](Registry &registry, TempDir &folder) {
        registry.setString(HKEY_LOCAL_MACHINE, msinfo, "PATH", writeProgram(folder.file("sysinfo")));
    }), "");
    // Only the folder: started when MSINFO32.EXE lies in it.
    EXPECT_EQ(systemInfo([](Registry &registry, TempDir &folder) {
        writeProgram(folder.file("MSINFO32.EXE"));
        registry.setString(HKEY_LOCAL_MACHINE, location, "MSINFO", folder.path().toLatin1());
    }), "");
    // Neither value, a refused key, a program that cannot start: one message.
    EXPECT_EQ(systemInfo([](Registry &, TempDir &) {}), unavailable);
    EXPECT_EQ(systemInfo([](Registry &registry, TempDir &folder) {
        registry.setString(HKEY_LOCAL_MACHINE, msinfo, "PATH", writeProgram(folder.file("x")));
        registry.denyAccess(HKEY_LOCAL_MACHINE, msinfo);
    }), unavailable);

    EXPECT_EQ(systemInfo([](Registry &registry, TempDir &folder) {
        registry.setString(HKEY_LOCAL_MACHINE, msinfo, "PATH", folder.file("missing").toLatin1());
    }), unavailable);
}
