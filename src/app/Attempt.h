#pragma once

// Runs one step of a handler whose failures are passed over without a message: whatever the
// step throws ends that step only. Returns whether the step ran to its end.
template <typename Step>
bool attempt(Step &&step) noexcept
{
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}
