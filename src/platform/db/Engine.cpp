#include "platform/db/Engine.h"

#include <sqlite3.h>

namespace db {

namespace {

// The most memory the engine may take for all the catalogues together: far more than any
// catalogue needs (a million cards are read in a few megabytes of pages), far less than a file
// built to exhaust the machine would ask for.
constexpr sqlite3_int64 heapLimit = 256 * 1024 * 1024;

} // namespace

Engine::Engine(Limits limits) : shared(std::make_shared<State>(limits))
{
    // The engine's own setting for the whole process, the same for every Engine.
    sqlite3_hard_heap_limit64(heapLimit);
}

} // namespace db
