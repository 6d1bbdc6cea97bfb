#pragma once

#include <QString>
#include <QStringList>

namespace sys {

// Runs a program as a separate process to its end, for at most timeLimitMs, and tells whether it
// ended of itself with exit code 0. A program still running at the limit is killed. Its output
// is thrown away. While it runs, the caller's windows keep painting and timers keep running, but
// no input of the user is taken.
bool runProgram(const QString &program, const QStringList &arguments, int timeLimitMs);

} // namespace sys
