#include "FaultyFiles.h"

#include <sqlite3.h>

#include <initializer_list>
#include <utility>

namespace faulty_files {

namespace {

struct State
{
    bool armed = false;
    Kind kind = Kind::IoErr;
    int at = 0;
    bool persistent = false;
    int points = 0;
    std::function<void()> outside; // armed for another program's doing instead of a fault
};
State state;

// One more call done; another program's doing follows it when this is the point armed.
int called(int result)
{
    if (state.armed && state.outside && ++state.points == state.at) {
        const std::function<void()> doing = std::exchange(state.outside, [] {});
        doing();
    }
    return result;
}
sqlite3_vfs *engine = nullptr; // the engine's own file layer

// One more point of this kind; the error to give, or SQLITE_OK to go on. A point that may not
// last fails only when it is the one armed.
int fault(Kind kind, int error, bool mayLast = true)
{
    if (!state.armed || state.outside || state.kind != kind)
        return SQLITE_OK;
    ++state.points;
    const bool strikes = state.at > 0 && (state.points == state.at || (mayLast && state.persistent && state.points > state.at));
    return strikes ? error : SQLITE_OK;
}

struct File
{
    sqlite3_file base;
    sqlite3_file *real;
};

// The call passed to the engine's own file.
template <auto method, typename... Args>
int pass(sqlite3_file *file, Args... args)
{
    sqlite3_file *real = reinterpret_cast<File *>(file)->real;
    return called((real->pMethods->*method)(real, args...));
}

// The call failed by the first of the faults that strikes (each one armed counts it), or passed on.
template <auto method, typename... Args>
int faultOr(std::initializer_list<std::pair<Kind, int>> faults, sqlite3_file *file, Args... args)
{
    for (const auto &[kind, error] : faults)
        if (const int failed = fault(kind, error))
            return failed;
    return pass<method>(file, args...);
}

using M = sqlite3_io_methods;
using Offset = sqlite3_int64;

// Version 2: the log's shared memory, but no memory-mapped reads.
const sqlite3_io_methods methods = {
    2,
    [](sqlite3_file *f) { return pass<&M::xClose>(f); },
    [](sqlite3_file *f, void *data, int n, Offset at) {
        return faultOr<&M::xRead>({{Kind::IoErr, SQLITE_IOERR_READ}}, f, data, n, at);
    },
    [](sqlite3_file *f, const void *data, int n, Offset at) {
        return faultOr<&M::xWrite>({{Kind::IoErr, SQLITE_IOERR_WRITE}, {Kind::Full, SQLITE_FULL},
                                    {Kind::ReadOnly, SQLITE_READONLY}}, f, data, n, at);
    },
    [](sqlite3_file *f, Offset size) { return faultOr<&M::xTruncate>({{Kind::IoErr, SQLITE_IOERR_TRUNCATE}}, f, size); },
    [](sqlite3_file *f, int flags) { return faultOr<&M::xSync>({{Kind::IoErr, SQLITE_IOERR_FSYNC}}, f, flags); },
    [](sqlite3_file *f, Offset *size) { return faultOr<&M::xFileSize>({{Kind::IoErr, SQLITE_IOERR_FSTAT}}, f, size); },
    [](sqlite3_file *f, int level) {
        return faultOr<&M::xLock>({{Kind::Busy, SQLITE_BUSY}, {Kind::IoErr, SQLITE_IOERR_LOCK}}, f, level);
    },
    [](sqlite3_file *f, int level) { return pass<&M::xUnlock>(f, level); },
    [](sqlite3_file *f, int *reserved) { return pass<&M::xCheckReservedLock>(f, reserved); },
    [](sqlite3_file *f, int op, void *argument) { return pass<&M::xFileControl>(f, op, argument); },
    [](sqlite3_file *f) { return pass<&M::xSectorSize>(f); },
    [](sqlite3_file *f) { return pass<&M::xDeviceCharacteristics>(f); },
    [](sqlite3_file *f, int region, int size, int extend, void volatile **mapped) {
        return faultOr<&M::xShmMap>({{Kind::IoErr, SQLITE_IOERR_SHMMAP}}, f, region, size, extend, mapped);
    },
    [](sqlite3_file *f, int offset, int n, int flags) {
        // The engine itself retries a busy log lock for seconds on end: a lock that stays busy
        // would only make it wait.
        if (flags & SQLITE_SHM_LOCK)
            if (const int error = fault(Kind::Busy, SQLITE_BUSY, false))
                return error;
        return pass<&M::xShmLock>(f, offset, n, flags);
    },
    [](sqlite3_file *f) {
        sqlite3_file *real = reinterpret_cast<File *>(f)->real;
        real->pMethods->xShmBarrier(real);
    },
    [](sqlite3_file *f, int deleteFlag) { return pass<&M::xShmUnmap>(f, deleteFlag); },
    nullptr,
    nullptr};

int xOpen(sqlite3_vfs *, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *faulty = reinterpret_cast<File *>(file);
    faulty->base.pMethods = nullptr;
    faulty->real = reinterpret_cast<sqlite3_file *>(faulty + 1);
    if (flags & SQLITE_OPEN_READWRITE)
        if (const int error = fault(Kind::ReadOnly, SQLITE_CANTOPEN))
            return error;
    const int result = engine->xOpen(engine, name, faulty->real, flags, outFlags);
    if (result == SQLITE_OK)
        faulty->base.pMethods = &methods;
    return called(result);
}

int xDelete(sqlite3_vfs *, const char *name, int syncFolder)
{
    if (const int error = fault(Kind::IoErr, SQLITE_IOERR_DELETE))
        return error;
    return called(engine->xDelete(engine, name, syncFolder));
}

sqlite3_vfs vfs;

} // namespace

void install()
{
    if (engine)
        return;
    engine = sqlite3_vfs_find(nullptr);
    // Everything but opening and deleting files is the engine's own, which does not look at the
    // file layer it is called through.
    vfs = *engine;
    vfs.zName = "faulty";
    vfs.szOsFile = int(sizeof(File)) + engine->szOsFile;
    vfs.pNext = nullptr;
    vfs.xOpen = xOpen;
    vfs.xDelete = xDelete;
    sqlite3_vfs_register(&vfs, 1);
}

void arm(Kind kind, int at, bool persistent)
{
    state = {true, kind, at, persistent, 0, {}};
}

void armOutside(int at, std::function<void()> doing)
{
    state = {true, Kind::IoErr, at, false, 0, doing ? std::move(doing) : [] {}};
}

int disarm()
{
    state.armed = false;
    state.outside = nullptr;
    return state.points;
}

} // namespace faulty_files
