#pragma once

#include "platform/system/Failure.h"

namespace db {

// The one error every database operation reports: a missing or foreign file, a statement the
// engine rejects, a cursor without a current row. The operation that throws it has changed nothing.
class DbError : public sys::Failure
{
public:
    using Failure::Failure;
};

} // namespace db
