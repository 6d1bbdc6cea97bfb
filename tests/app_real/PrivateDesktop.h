#pragma once

#include "ScopedProcess.h"

#include <QProcessEnvironment>
#include <QString>

// A desktop of the test's own: a virtual X display, a session bus and, as on a user's desktop,
// a window manager (or none: a bare display), so the program's windows neither show on nor
// depend on anything else running on this machine.
class PrivateDesktop
{
public:
    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 1024;
    enum class Kind { WithWindowManager, BareDisplay };

    // Keeps its logs and runtime files in folder.
    PrivateDesktop(const QString &folder, Kind kind);

    // Empty when the display and the bus are up.
    QString error() const { return failure; }
    // What the display server and the bus said, for failure messages.
    QString log() const;
    // The environment of a program started on this desktop.
    QProcessEnvironment environment() const { return env; }

private:
    bool startWindowManager(const QString &folder);
    // Starts the program and sets the variable to the first line it prints (after the
    // prefix), or notes the failure.
    bool start(ScopedProcess &process, const QString &program, const QStringList &arguments,
               const QString &variable, const QString &prefix = {});

    QProcessEnvironment env;
    QString failure;
    // Declared in start order, so the others end before the display.
    ScopedProcess xServer;
    ScopedProcess windowManager;
    ScopedProcess sessionBus;
};
