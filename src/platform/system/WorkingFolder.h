#pragma once

#include <QString>

namespace sys {

// The running program's private folder under the user's temporary folder (TMPDIR), readable by
// the user alone, for the working copies of catalogues it may not write in place. It is removed
// with everything in it when this object goes. A folder whose program was killed is left
// behind; the next program to start removes it.
class WorkingFolder
{
public:
    // Throws Failure when the folder cannot be made.
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    const QString &path() const { return folder; }

    // Removes the folders of this user's programs that are no longer running.
    static void removeStale();

private:
    QString folder;
    int lock = -1; // held open, and locked, for as long as the program uses the folder
};

} // namespace sys
