#pragma once

#include <QString>

namespace sys {

// Told of every failure a handler passes over without a message, and of every fault of the
// program a step ran into. The program has none; a test gives one, so that a fault of the
// program's own is not hidden by the silence the user is owed.
class FailureSink
{
public:
    virtual ~FailureSink() = default;
    virtual void passedOver(const QString &failure) = 0;
    virtual void faulted(const QString &fault) = 0;
};

} // namespace sys
