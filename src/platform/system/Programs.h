#pragma once

#include <QString>
#include <QStringList>

namespace sys {

// Runs a program as a separate process to its end, for at most timeLimitMs, and tells whether it
// ended of itself with exit code 0. A program still running at the limit is killed; one given a
// memory limit cannot take more address space than that (its allocations beyond it fail). Its
// output is thrown away. While it runs, the caller's windows keep painting and timers keep
// running, but no input of the user is taken.
bool runProgram(const QString &program, const QStringList &arguments, int timeLimitMs,
                qint64 memoryLimitBytes = 0);

// Whether runProgram's memory limit takes effect in this build: a program built with the address
// sanitizer, as every program of a sanitizer build is, reserves far more address space than any
// limit would allow it, so there the limit is left out.
bool limitsChildMemory();

} // namespace sys
