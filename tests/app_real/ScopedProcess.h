#pragma once

#include "TempDir.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

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
class ScopedProcess
{
public:
    ScopedProcess(const QString &logFolder, const QString &name);
    ~ScopedProcess();

    void start(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment, const QString &workingFolder = {});
    // The first complete line the program printed, or empty when none came in time.
    QString firstLine(int timeoutMs) const;
    bool running() const { return process.state() != QProcess::NotRunning; }
    // The system's id of the running program, for a signal sent to it from elsewhere; 0 when none.
    qint64 processId() const { return process.processId(); }
    bool waitForEnd(int timeoutMs) { return process.waitForFinished(timeoutMs); }
    // Ended of itself with exit code 0.
    bool endedNormally() const { return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0; }
    QString errorOutput() const { return QString::fromLocal8Bit(readFile(errorFile)); } // so far

private:
    QString outputFile;
    QString errorFile;
    QProcess process;
};

// Runs a short tool to its end (at most timeoutMs) and returns its output, trimmed.
QString runTool(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment, int timeoutMs = 10000);
