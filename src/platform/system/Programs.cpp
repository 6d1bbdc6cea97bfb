#include "platform/system/Programs.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>

namespace sys {

bool limitsChildMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
}

bool runProgram(const QString &program, const QStringList &arguments, int timeLimitMs, qint64 memoryLimitBytes)
{
    QProcess process;
    if (memoryLimitBytes > 0 && limitsChildMemory())
        process.setChildProcessModifier([memoryLimitBytes] {
            // In the child, before the program starts: only calls safe after a fork.
            const rlimit limit{rlim_t(memoryLimitBytes), rlim_t(memoryLimitBytes)};
            ::setrlimit(RLIMIT_AS, &limit);
        });
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
