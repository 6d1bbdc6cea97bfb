#include "PrivateDesktop.h"

#include <QDir>
#include <QFile>

PrivateDesktop::PrivateDesktop(const QString &folder)
    : env(QProcessEnvironment::systemEnvironment()), xServer(folder, "xvfb"),
      sessionBus(folder, "dbus")
{
    // Services started on the bus keep their sockets here rather than in the user's home.
    const QString runtime = folder + "/runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", runtime);
    if (startDisplay())
        startBus();
}

bool PrivateDesktop::startDisplay()
{
    // The server picks a free display number itself and prints it once it accepts clients. It
    // must not reset when its last client leaves: a program connecting just then is refused.
    xServer.start("Xvfb",
                  {"-displayfd", "1", "-nolisten", "tcp", "-noreset", "-screen", "0",
                   QString("%1x%2x24").arg(screenWidth).arg(screenHeight)},
                  env);
    const QString number = xServer.firstLine(15000);
    if (number.isEmpty()) {
        failure = "Xvfb did not start: " + xServer.errorOutput();
        return false;
    }
    env.insert("DISPLAY", ":" + number);
    return true;
}

bool PrivateDesktop::startBus()
{
    sessionBus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"}, env);
    const QString address = sessionBus.firstLine(10000);
    if (address.isEmpty()) {
        failure = "dbus-daemon did not start: " + sessionBus.errorOutput();
        return false;
    }
    env.insert("DBUS_SESSION_BUS_ADDRESS", address);
    return true;
}

QString PrivateDesktop::log() const
{
    return QString("Xvfb %1: %2\ndbus-daemon %3: %4")
        .arg(xServer.running() ? "running" : "ended", xServer.errorOutput(),
             sessionBus.running() ? "running" : "ended", sessionBus.errorOutput());
}
