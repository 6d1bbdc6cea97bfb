#include "AppFixture.h"
#include "app/frmAbout.h"

using namespace sys;

namespace {

const QByteArray msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray location = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString unavailable = "System Information Is Unavailable At This Time|ZentDeckBuilder|-|OK";

// What System Info did with MSINFO's PATH naming a file of the program folder (or not set), the
// Shared Tools Location's MSINFO naming the folder or not, and MSINFO's key refused or not: ""
// when it started a program, else the message it showed. The folder holds two harmless
// programs, "sysinfo" and "MSINFO32.EXE".
QString systemInfo(const char *path, bool folder, bool refused = false)
{
    AppFixture app;
    for (const char *program : {"sysinfo", "MSINFO32.EXE"})
        EXPECT_TRUE(writeProgram(app.folder.file(program)));
    if (*path)
        app.registry.setString(HKEY_LOCAL_MACHINE, msinfo, "PATH", app.folder.file(path).toLatin1());
    if (folder)
        app.registry.setString(HKEY_LOCAL_MACHINE, location, "MSINFO", app.folder.path().toLatin1());
    if (refused)
        app.registry.denyAccess(HKEY_LOCAL_MACHINE, msinfo);
    for (int i = 0; i < 2; ++i)
        app.dialogs.answerMessage(ui::MessageAnswer::Ok);
    frmAbout about(app.context);
    about.cmdSysInfo_Click();
    const QString shown = app.dialogs.shown().isEmpty() ? QString() : app.dialogs.shown()[0].box();
    app.dialogs.clear();
    return shown;
}

} // namespace

TEST(About, ShowsTheVersionAndSystemInfoFollowsTheTwoRegistryLookups)
{
    // MSINFO's PATH is used unchanged, without an existence test, even with the folder to fall
    // back on; only the folder: started when MSINFO32.EXE lies in it. Neither value, a refused
    // key, a program that cannot start: one message.
    EXPECT_EQ(systemInfo("sysinfo", false), "");
    EXPECT_EQ(systemInfo("", true), "");
    EXPECT_EQ(systemInfo("", false), unavailable);
    EXPECT_EQ(systemInfo("sysinfo", false, true), unavailable);
    EXPECT_EQ(systemInfo("missing", true), unavailable);
    AppFixture app;
    EXPECT_EQ(frmAbout(app.context).findChild<QLabel *>("lblVersion")->text(), "Version 1.0.0");
}
