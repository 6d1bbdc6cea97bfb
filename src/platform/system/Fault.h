#pragma once

#include <QString>

#include <stdexcept>

namespace sys {

// A fault of the program itself, never of the world outside it: a column its own statement does
// not give, a row index out of range, a cursor used after it was closed. Unlike a Failure it is
// never passed over silently: Attempts reports it as a fault.
class Fault : public std::logic_error
{
public:
    explicit Fault(const QString &message) : std::logic_error(message.toStdString()) {}
};

} // namespace sys
