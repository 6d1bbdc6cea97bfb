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
    bool struck = false;
};
State state;
sqlite3_vfs *real = nullptr;

// One more point of this kind; the error to give, or SQLITE_OK to go on. A point that may not
// last fails only when it is the one armed.
int fault(Kind kind, int error, bool mayLast = true)
{
    if (!state.armed || state.kind != kind)
        return SQLITE_OK;
    ++state.points;
    if (state.at > 0 && (state.points == state.at || (mayLast && state.persistent && state.points > state.at))) {
        state.struck = true;
        return error;
    }
    return SQLITE_OK;
}

// The first of the faults that strikes at this point; each one armed counts it.
int firstFault(std::initializer_list<std::pair<Kind, int>> faults)
{
    for (const auto &[kind, error] : faults)
        if (const int failed = fault(kind, error))
            return failed;
    return SQLITE_OK;
}

struct File
{
    sqlite3_file base;
    sqlite3_file *real;
};

sqlite3_file *inner(sqlite3_file *file)
{
    return reinterpret_cast<File *>(file)->real;
}

#define FORWARD(call, ...) inner(file)->pMethods->call(inner(file), ##__VA_ARGS__)

int xClose(sqlite3_file *file)
{
    return FORWARD(xClose);
}

int xRead(sqlite3_file *file, void *buffer, int amount, sqlite3_int64 offset)
{
    if (const int error = fault(Kind::IoErr, SQLITE_IOERR_READ))
        return error;
    return FORWARD(xRead, buffer, amount, offset);
}

int xWrite(sqlite3_file *file, const void *buffer, int amount, sqlite3_int64 offset)
{
    if (const int error = firstFault({{Kind::IoErr, SQLITE_IOERR_WRITE}, {Kind::Full, SQLITE_FULL},
                                      {Kind::ReadOnly, SQLITE_READONLY}}))
        return error;
    return FORWARD(xWrite, buffer, amount, offset);
}

int xTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    if (const int error = fault(Kind::IoErr, SQLITE_IOERR_TRUNCATE))
        return error;
    return FORWARD(xTruncate, size);
}

int xSync(sqlite3_file *file, int flags)
{
    if (const int error = fault(Kind::IoErr, SQLITE_IOERR_FSYNC))
        return error;
    return FORWARD(xSync, flags);
}

int xFileSize(sqlite3_file *file, sqlite3_int64 *size)
{
    if (const int error = fault(Kind::IoErr, SQLITE_IOERR_FSTAT))
        return error;
    return FORWARD(xFileSize, size);
}

int xLock(sqlite3_file *file, int level)
{
    if (const int error = firstFault({{Kind::Busy, SQLITE_BUSY}, {Kind::IoErr, SQLITE_IOERR_LOCK}}))
        return error;
    return FORWARD(xLock, level);
}

int xUnlock(sqlite3_file *file, int level)
{
    return FORWARD(xUnlock, level);
}

int xCheckReservedLock(sqlite3_file *file, int *reserved)
{
    return FORWARD(xCheckReservedLock, reserved);
}

int xFileControl(sqlite3_file *file, int op, void *argument)
{
    return FORWARD(xFileControl, op, argument);
}

int xSectorSize(sqlite3_file *file)
{
    return FORWARD(xSectorSize);
}

int xDeviceCharacteristics(sqlite3_file *file)
{
    return FORWARD(xDeviceCharacteristics);
}

int xShmMap(sqlite3_file *file, int region, int size, int extend, void volatile **mapped)
{
    if (const int error = fault(Kind::IoErr, SQLITE_IOERR_SHMMAP))
        return error;
    return FORWARD(xShmMap, region, size, extend, mapped);
}

int xShmLock(sqlite3_file *file, int offset, int n, int flags)
{
    // The engine itself retries a busy log lock for seconds on end: a lock that stays busy
    // would only make it wait.
    if (flags & SQLITE_SHM_LOCK)
        if (const int error = fault(Kind::Busy, SQLITE_BUSY, false))
            return error;
    return FORWARD(xShmLock, offset, n, flags);
}

void xShmBarrier(sqlite3_file *file)
{
    FORWARD(xShmBarrier);
}

int xShmUnmap(sqlite3_file *file, int deleteFlag)
{
    return FORWARD(xShmUnmap, deleteFlag);
}

#undef FORWARD

// Version 2: the log's shared memory, but no memory-mapped reads.
const sqlite3_io_methods methods = {2, xClose, xRead, xWrite, xTruncate, xSync, xFileSize, xLock, xUnlock,
                                    xCheckReservedLock, xFileControl, xSectorSize, xDeviceCharacteristics,
                                    xShmMap, xShmLock, xShmBarrier, xShmUnmap, nullptr, nullptr};

int xOpen(sqlite3_vfs *, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *faulty = reinterpret_cast<File *>(file);
    faulty->base.pMethods = nullptr;
    faulty->real = reinterpret_cast<sqlite3_file *>(faulty + 1);
    if (flags & SQLITE_OPEN_READWRITE)
        if (const int error = fault(Kind::ReadOnly, SQLITE_CANTOPEN))
            return error;
    const int result = real->xOpen(real, name, faulty->real, flags, outFlags);
    if (result == SQLITE_OK)
        faulty->base.pMethods = &methods;
    return result;
}

int xDelete(sqlite3_vfs *, const char *name, int syncFolder)
{
    if (const int error = fault(Kind::IoErr, SQLITE_IOERR_DELETE))
        return error;
    return real->xDelete(real, name, syncFolder);
}

int xAccess(sqlite3_vfs *, const char *name, int flags, int *result)
{
    return real->xAccess(real, name, flags, result);
}

int xFullPathname(sqlite3_vfs *, const char *name, int size, char *out)
{
    return real->xFullPathname(real, name, size, out);
}

sqlite3_vfs vfs;

} // namespace

const char *name(Kind kind)
{
    switch (kind) {
    case Kind::Busy: return "busy";
    case Kind::IoErr: return "I/O error";
    case Kind::Full: return "disk full";
    case Kind::ReadOnly: return "read-only";
    }
    return "";
}

void install()
{
    if (real)
        return;
    real = sqlite3_vfs_find(nullptr);
    vfs = *real;
    vfs.zName = "faulty";
    vfs.szOsFile = int(sizeof(File)) + real->szOsFile;
    vfs.pNext = nullptr;
    vfs.xOpen = xOpen;
    vfs.xDelete = xDelete;
    vfs.xAccess = xAccess;
    vfs.xFullPathname = xFullPathname;
    sqlite3_vfs_register(&vfs, 1);
}

void arm(Kind kind, int at, bool persistent)
{
    state = {true, kind, at, persistent, 0, false};
}

int disarm()
{
    state.armed = false;
    return state.points;
}

bool struck()
{
    return state.struck;
}

} // namespace faulty_files
