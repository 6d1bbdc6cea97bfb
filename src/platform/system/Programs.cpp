#include "platform/system/Programs.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace sys {

bool runProgram(const QString &program, const QStringList &arguments, int timeLimitMs)
{
    QProcess process;
    // Nobody reads what it says, so a full pipe never stalls it.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    QEventLoop wait;
    QObject::connect(&process, &QProcess::finished, &wait, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &wait, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            wait.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    process.start(program, arguments);
    if (process.state() == QProcess::NotRunning)
        return false;
    limit.start(timeLimitMs);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace sys
