#include "LockHolder.h"

LockHolder::LockHolder(const QString &file, Lock lock, int heldMs)
{
    tool.start("sqlite3", {file});
    if (!tool.waitForStarted(10000))
        return;
    // A read lock is a read transaction that has read a page; a write lock a write transaction.
    QByteArray script = lock == Lock::Write ? "BEGIN IMMEDIATE;\n" : "BEGIN;\nSELECT count(*) > -1 FROM sqlite_schema;\n";
    script += "SELECT 'held';\n";
    if (heldMs >= 0)
        script += ".shell sleep " + QByteArray::number(heldMs / 1000.0) + "\nCOMMIT;\n";
    tool.write(script);
    QByteArray said;
    while (!said.contains("held") && tool.waitForReadyRead(10000))
        said += tool.readAllStandardOutput();
    held = said.contains("held");
}

LockHolder::~LockHolder()
{
    release();
}

void LockHolder::release()
{
    if (tool.state() == QProcess::NotRunning)
        return;
    tool.write("COMMIT;\n.quit\n");
    tool.closeWriteChannel();
    tool.waitForFinished(10000);
    held = false;
}
