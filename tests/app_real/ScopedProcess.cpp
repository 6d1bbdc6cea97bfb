#include "ScopedProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

} // namespace

ScopedProcess::ScopedProcess(const QString &logFolder, const QString &name)
    : outputFile(logFolder + "/" + name + ".out"), errorFile(logFolder + "/" + name + ".err")
{
    process.setStandardOutputFile(outputFile);
    process.setStandardErrorFile(errorFile);
}

ScopedProcess::~ScopedProcess()
{
    if (!running())
        return;
    // A polite end first, so a bus can tell the services it started to go too.
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

void ScopedProcess::start(const QString &program, const QStringList &arguments,
                          const QProcessEnvironment &environment, const QString &workingFolder)
{
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    process.waitForStarted(10000);
}

QString ScopedProcess::firstLine(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs && running()) {
        const QString output = readFile(outputFile);
        if (output.contains('\n'))
            return output.section('\n', 0, 0).trimmed();
        QThread::msleep(20);
    }
    return {};
}

QString ScopedProcess::errorOutput() const
{
    return readFile(errorFile);
}

QString runTool(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment, int timeoutMs)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished(1000);
        return {};
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}
