#include "ScopedProcess.h"

ScopedProcess::ScopedProcess(const QString &logFolder, const QString &name)
    : outputFile(logFolder + "/" + name + ".out"), errorFile(logFolder + "/" + name + ".err")
{
    process.setStandardOutputFile(outputFile);
    process.setStandardErrorFile(errorFile);
}

ScopedProcess::~ScopedProcess()
{
    // A polite end first, so a bus can tell the services it started to go too.
    process.terminate();
    if (running() && !process.waitForFinished(3000)) {
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

QString ScopedProcess::firstLine(int timeoutMs) const
{
    QString line;
    waitUntil(timeoutMs, [&] {
        const QString output = QString::fromLocal8Bit(readFile(outputFile));
        line = output.contains('\n') ? output.section('\n', 0, 0).trimmed() : QString();
        return !line.isEmpty() || !running();
    });
    return line;
}

QString runTool(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment, int timeoutMs)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs))
        tool.kill();
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}
