#pragma once

#include <functional>

// The files under every catalogue the program opens, with faults put in on purpose, as SQLite
// tests itself: the n-th lock, read, write, sync or open of one kind fails, once or from then
// on. Installed as the engine's default file layer for the whole test process; until a fault is
// armed it only passes every call through.
namespace faulty_files {

enum class Kind {
    Busy,     // a lock another program holds: SQLITE_BUSY on taking a file or log lock
    IoErr,    // a damaged or vanishing disk: the I/O error of each read, write, sync, truncate,
              // size, lock, delete and log mapping
    Full,     // a full disk: SQLITE_FULL on each write
    ReadOnly, // a file turned read-only: SQLITE_READONLY on each write, no file opened to write
};
inline constexpr Kind kinds[] = {Kind::Busy, Kind::IoErr, Kind::Full, Kind::ReadOnly};
inline constexpr const char *names[] = {"busy", "I/O error", "disk full", "read-only"}; // of each kind

void install();
// From now on, fault point `at` of that kind fails (1 is the first), and every one after it
// too when `persistent`; points are counted from here.
void arm(Kind kind, int at, bool persistent);
// Counts the points of that kind without failing any.
inline void count(Kind kind) { arm(kind, 0, false); }
// Another program's doing, right after the `at`-th call the engine makes to any file (1 is the
// first) from now on: the catalogue renamed over, copied over or deleted, say. Every call is a
// point, whatever its kind; none fails.
void armOutside(int at, std::function<void()> doing);
// No more faults; returns the points of the armed kind (or calls) reached since arming.
int disarm();

} // namespace faulty_files
