#include "PrivateDesktop.h"

#include <QDir>
#include <QFile>

PrivateDesktop::PrivateDesktop(const QString &folder, Kind kind)
    : env(QProcessEnvironment::systemEnvironment()), xServer(folder, "xvfb"),
      windowManager(folder, "openbox"), sessionBus(folder, "dbus")
{
    // Services started on the bus keep their sockets here rather than in the user's home.
    const QString runtime = folder + "/runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", runtime);
    // The server picks a free display number itself and prints it once it accepts clients. It
    // must not reset when its last client leaves: a program connecting just then is refused.
    // Programs of other users on this machine may connect too (-ac): it listens on no network.
    if (start(xServer, "Xvfb",
              {"-displayfd", "1", "-nolisten", "tcp", "-noreset", "-ac", "-screen", "0",
               QString("%1x%2x24").arg(screenWidth).arg(screenHeight)},
              "DISPLAY", ":")
        && (kind == Kind::BareDisplay || startWindowManager(folder)))
        start(sessionBus, "dbus-daemon", {"--session", "--nofork", "--print-address=1"}, "DBUS_SESSION_BUS_ADDRESS");
}

bool PrivateDesktop::startWindowManager(const QString &folder)
{
    // The window manager keeps whatever it writes in a home of its own.
    QProcessEnvironment wmEnv = env;
    wmEnv.insert("HOME", folder + "/openbox-home");
    QDir().mkpath(folder + "/openbox-home");
    windowManager.start("openbox", {"--sm-disable"}, wmEnv);
    // It is managing the display once it has announced itself on the root window.
    if (waitUntil(15000, [&] {
            return runTool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, env).contains("window id");
        }))
        return true;
    failure = "openbox did not start: " + windowManager.errorOutput();
    return false;
}

bool PrivateDesktop::start(ScopedProcess &process, const QString &program, const QStringList &arguments,
                           const QString &variable, const QString &prefix)
{
    process.start(program, arguments, env);
    const QString line = process.firstLine(15000);
    if (line.isEmpty())
        failure = program + " did not start: " + process.errorOutput();
    else
        env.insert(variable, prefix + line);
    return !line.isEmpty();
}

QString PrivateDesktop::log() const
{
    const auto state = [](const ScopedProcess &process) {
        return QString(process.running() ? "running: " : "ended: ") + process.errorOutput();
    };
    return "Xvfb " + state(xServer) + "\nopenbox " + state(windowManager) + "\ndbus-daemon "
           + state(sessionBus);
}
