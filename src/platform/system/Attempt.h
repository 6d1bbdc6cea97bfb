#pragma once

#include "platform/system/Failure.h"
#include "platform/system/Fault.h"

#include <stdexcept>

namespace sys {

class FailureSink;

// Runs the steps of handlers whose failures are passed over without a message: a failure of the
// outside world (a file, a statement) or a counter leaving its range ends that step only, and
// goes to the failure sink. A fault of the program ends the step too, but is never silent: the
// sink hears it as a fault; without a sink a debug build stops on it at once and a release build
// says it on the standard error stream. Anything else is not caught.
class Attempts
{
public:
    explicit Attempts(FailureSink *failures = nullptr) : sink(failures) {}

    // Whether the step ran to its end.
    template <typename Step>
    bool operator()(Step &&step) const
    {
        try {
            step();
            return true;
        } catch (const Failure &failure) {
            passedOver(failure.what());
        } catch (const std::overflow_error &overflow) {
            passedOver(overflow.what());
        } catch (const Fault &fault) {
            faulted(fault.what());
        }
        return false;
    }

private:
    void passedOver(const char *failure) const;
    void faulted(const char *fault) const;

    FailureSink *sink;
};

} // namespace sys
