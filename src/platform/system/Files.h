#pragma once

#include <QString>

namespace sys {

// A path as this system writes it: a "\" in a catalogue's or the registry's path is a folder
// separator here.
QString localPath(const QString &path);

// A catalogue's path inside a folder: the folder, a separator and the path read as above, even
// when the path alone would name a file elsewhere (an absolute one).
QString localPathIn(const QString &folder, const QString &path);

// True when path names an ordinary file (or a link to one). Pipes, devices and folders are
// not: opening them could wait for ever or read without end.
bool isRegularFile(const QString &path);

// The name, without folder, of the ordinary file at path, or "" when there is none (a folder,
// a missing file or an empty path all give ""). A "\" in the path is a folder separator.
QString fileExists(const QString &path);

// Whether this user may change the file where it lies: write it, and write beside it in its
// folder. False on a read-only file system, and for a missing file.
bool canWriteInPlace(const QString &path);

// The first bytes of the ordinary file at path, at most count; empty for anything else.
QByteArray fileStart(const QString &path, int count);

// Copies the file to a new file at copy that only this user may read and write, whatever the
// original's own permissions. Throws Failure when it cannot; then no copy is left.
void copyPrivately(const QString &path, const QString &copy);

// Starts the program at path as a separate process, not waited for; false when it cannot be
// started. A "\" in the path is a folder separator.
bool startProgram(const QString &path);

} // namespace sys
