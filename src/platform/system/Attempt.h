#pragma once

#include "platform/system/Failure.h"
#include "platform/system/FailureSink.h"

#include <stdexcept>

namespace sys {

// Runs one step of a handler whose failures are passed over without a message: a failure of
// the outside world (a file, a statement) or a counter leaving its range ends that step only.
// Returns whether the step ran to its end; the failure passed over goes to the failure sink.
// Anything else is a fault of the program and is not hidden.
template <typename Step>
bool attempt(Step &&step)
{
    try {
        step();
        return true;
    } catch (const Failure &failure) {
        reportPassedOver(failure.what());
    } catch (const std::overflow_error &overflow) {
        reportPassedOver(overflow.what());
    }
    return false;
}

} // namespace sys
