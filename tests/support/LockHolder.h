#pragma once

#include "Testing.h"

// Another program on a catalogue file: the sqlite3 tool holding a read or a write lock on it,
// as a database browser, a backup or another copy of the program would.
class LockHolder
{
public:
    enum class Lock { Read, Write };

    // Takes the lock and holds it, until release(), or for heldMs when that is given (the
    // tool then lets it go by itself, even while the test waits on the file).
    LockHolder(const QString &file, Lock lock, int heldMs = -1);
    ~LockHolder();
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool holding() const { return held; }
    void release();

private:
    QProcess tool;
    bool held = false;
};
