#pragma once

#include "Testing.h"

// Polls until the check holds or the time is up.
template <typename Check>
bool waitUntil(int timeoutMs, Check check)
{
    QElapsedTimer clock;
    clock.start();
    while (!check()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

// A program run for one test. Its output goes to files in a log folder, so a full pipe never
// stalls it, and it is ended when this object goes, whatever happened in the test.
class ScopedProcess : public QProcess
{
public:
    ScopedProcess(const QString &logFolder, const QString &name) : logs(logFolder + "/" + name)
    {
        setStandardOutputFile(logs + ".out");
        setStandardErrorFile(logs + ".err");
    }
    ~ScopedProcess() override
    {
        // A polite end first, so a bus can tell the services it started to go too; what still
        // runs after that, QProcess kills.
        terminate();
        waitForFinished(3000);
    }

    void start(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
               const QString &workingFolder = {})
    {
        setProcessEnvironment(environment);
        setWorkingDirectory(workingFolder);
        QProcess::start(program, arguments);
        waitForStarted(10000);
    }
    bool running() const { return state() != NotRunning; }
    QString output() const { return QString::fromLocal8Bit(readFile(logs + ".out")); } // so far
    QString errorOutput() const { return QString::fromLocal8Bit(readFile(logs + ".err")); } // so far

private:
    const QString logs; // the folder and the name its output files start with
};

// A desktop of the test's own: a virtual X display, a session bus and, as on a user's desktop,
// a window manager (or none: a bare display), so the program's windows neither show on nor
// depend on anything else running on this machine. It keeps its logs and runtime files in the
// folder it is given.
class PrivateDesktop
{
public:
    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 1024;
    enum class Kind { WithWindowManager, BareDisplay };

    PrivateDesktop(const QString &folder, Kind kind)
        : env(QProcessEnvironment::systemEnvironment()), xServer(folder, "xvfb"), windowManager(folder, "openbox"),
          sessionBus(folder, "dbus")
    {
        // Nothing of the desktop the test itself may run on is used.
        for (const char *own : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(own);
        // Services started on the bus keep their sockets here rather than in the user's home.
        QDir().mkpath(folder + "/runtime");
        QFile::setPermissions(folder + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("XDG_RUNTIME_DIR", folder + "/runtime");
        // The server picks a free display number itself and prints it once it accepts clients.
        // It must not reset when its last client leaves: a program connecting just then is
        // refused. Programs of other users on this machine may connect too (-ac): it listens on
        // no network.
        if (!start(xServer, "Xvfb",
                   {"-displayfd", "1", "-nolisten", "tcp", "-noreset", "-ac", "-screen", "0",
                    QString("%1x%2x24").arg(screenWidth).arg(screenHeight)},
                   "DISPLAY", ":"))
            return;
        // The window manager keeps whatever it writes in the desktop's folder, its home. It is
        // managing the display once it has announced itself on the root window.
        QProcessEnvironment wmEnv = env;
        wmEnv.insert("HOME", folder);
        if (kind == Kind::WithWindowManager)
            windowManager.start("openbox", {"--sm-disable"}, wmEnv);
        if (kind == Kind::BareDisplay || waitUntil(15000, [&] {
                return runTool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, env).out.contains("window id");
            }))
            start(sessionBus, "dbus-daemon", {"--session", "--nofork", "--print-address=1"},
                  "DBUS_SESSION_BUS_ADDRESS");
    }

    // The display, the window manager and the bus are up.
    bool ready() const { return env.contains("DBUS_SESSION_BUS_ADDRESS"); }
    // What the display server, the window manager and the bus said, for failure messages.
    QString log() const
    {
        const auto state = [](const ScopedProcess &process) {
            return QString(process.running() ? "running: " : "ended: ") + process.errorOutput();
        };
        return "Xvfb " + state(xServer) + "\nopenbox " + state(windowManager) + "\ndbus-daemon "
               + state(sessionBus);
    }
    // The environment of a program started on this desktop.
    QProcessEnvironment environment() const { return env; }

private:
    // Starts the program and sets the variable to the first complete line it prints (after the
    // prefix) within fifteen seconds: whether it did.
    bool start(ScopedProcess &process, const QString &program, const QStringList &arguments, const QString &variable,
               const QString &prefix = {})
    {
        process.start(program, arguments, env);
        waitUntil(15000, [&] { return process.output().contains('\n') || !process.running(); });
        if (process.output().contains('\n'))
            env.insert(variable, prefix + process.output().section('\n', 0, 0).trimmed());
        return env.contains(variable);
    }

    QProcessEnvironment env;
    // Declared in start order, so the others end before the display.
    ScopedProcess xServer;
    ScopedProcess windowManager;
    ScopedProcess sessionBus;
};
