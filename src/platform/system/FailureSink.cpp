#include "platform/system/FailureSink.h"

namespace sys {

namespace {

FailureSink *current = nullptr;

} // namespace

void setFailureSink(FailureSink *sink)
{
    current = sink;
}

void reportPassedOver(const char *failure)
{
    if (current)
        current->passedOver(QString::fromUtf8(failure));
}

} // namespace sys
