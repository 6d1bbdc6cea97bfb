#include "platform/system/Attempt.h"
#include "platform/system/FailureSink.h"

#include <QtGlobal>

namespace sys {

void Attempts::passedOver(const char *failure) const
{
    if (sink)
        sink->passedOver(QString::fromUtf8(failure));
}

void Attempts::faulted(const char *fault) const
{
    if (sink) {
        sink->faulted(QString::fromUtf8(fault));
        return;
    }
#ifdef NDEBUG
    qWarning("ZentDeckBuilder: a fault of the program: %s", fault);
#else
    qFatal("ZentDeckBuilder: a fault of the program: %s", fault);
#endif
}

} // namespace sys
