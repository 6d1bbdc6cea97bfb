#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A program run for one test. Its output goes to files in a log folder, so a full pipe never
// stalls it while the test is busy elsewhere, and it is ended when this object goes, whatever
// happened in the test.
class ScopedProcess
{
public:
    ScopedProcess(const QString &logFolder, const QString &name);
    ~ScopedProcess();
    ScopedProcess(const ScopedProcess &) = delete;
    ScopedProcess &operator=(const ScopedProcess &) = delete;

    void start(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment, const QString &workingFolder = {});
    // The first complete line the program printed, or empty when none came in time.
    QString firstLine(int timeoutMs);
    bool running() const { return process.state() != QProcess::NotRunning; }
    bool waitForEnd(int timeoutMs) { return process.waitForFinished(timeoutMs); }
    int exitCode() const { return process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return process.exitStatus(); }
    // What the program wrote to its error output so far, for failure messages.
    QString errorOutput() const;

private:
    QString outputFile;
    QString errorFile;
    QProcess process;
};

// Runs a short tool to its end (at most timeoutMs) and returns its output, trimmed.
QString runTool(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment, int timeoutMs = 10000);
