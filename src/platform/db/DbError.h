#pragma once

#include "platform/system/Failure.h"

namespace db {

// The one error every database operation reports: a missing or foreign file, a statement the
// engine rejects, a cursor without a current row. The operation that throws it has changed
// nothing. Its cause says whether trying again could ever help.
class DbError : public sys::Failure
{
public:
    enum class Cause {
        Refused,  // the file or the statement itself: the same step would fail again
        Passing,  // another program's lock, a full disk, a file system turned read-only, an I/O
                  // error: the same step may well succeed later
        Replaced, // another program moved, deleted or overwrote the file the program opened
        InUse,    // another running copy of the program has the file open to write it
    };

    explicit DbError(const QString &message, Cause why = Cause::Refused) : Failure(message), reason(why) {}
    Cause cause() const { return reason; }

private:
    Cause reason;
};

} // namespace db
