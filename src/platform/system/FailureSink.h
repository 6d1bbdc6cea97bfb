#pragma once

#include <QString>

namespace sys {

// Told of every failure a handler passes over without a message. The program has none; a test
// gives one, so that a fault of the program's own (a column that does not exist, a cursor not
// open) is not hidden by the silence the user is owed.
class FailureSink
{
public:
    virtual ~FailureSink() = default;
    virtual void passedOver(const QString &failure) = 0;
};

// The sink the steps run by attempt() report to from now on; null for none.
void setFailureSink(FailureSink *sink);
void reportPassedOver(const char *failure);

} // namespace sys
