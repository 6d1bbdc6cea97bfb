#pragma once

#include <QString>

#include <stdexcept>

// The one error every database operation reports: a missing or foreign file, a statement the
// engine rejects, a cursor without a current row. The operation that throws it has changed nothing.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
