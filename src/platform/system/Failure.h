#pragma once

#include <QString>

#include <stdexcept>

namespace sys {

// A step that could not be done for a reason outside the program: a file that is missing or
// unreadable, a statement the catalogue's engine rejects. The step that throws it has changed
// nothing. Each layer's own failure derives from it.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace sys
