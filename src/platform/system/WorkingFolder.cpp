#include "platform/system/WorkingFolder.h"

#include "platform/system/Failure.h"

#include <QDir>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

const char *const prefix = "zentdeck-work-";

// A folder is in use while its program holds a lock on it; the system lets the lock go when the
// program ends, however it ends.
int openFolder(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool sameFolder(int descriptor, const QString &path)
{
    struct stat opened, named;
    return ::fstat(descriptor, &opened) == 0 && opened.st_nlink > 0
           && ::stat(QFile::encodeName(path).constData(), &named) == 0
           && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

WorkingFolder::WorkingFolder()
{
    // A TMPDIR naming no folder gives no temporary folder at all, rather than the root's.
    const QString temp = QDir::tempPath();
    if (temp.isEmpty())
        throw Failure("no temporary folder");
    removeStale();
    // Another program starting at the same moment may take a folder for stale between its
    // making and its locking, and remove it: then this one makes another.
    for (int tries = 0; tries < 10; ++tries) {
        QByteArray pattern = QFile::encodeName(temp + "/" + prefix + "XXXXXX");
        if (!::mkdtemp(pattern.data())) // mode 0700: the user's alone
            break;
        const QString made = QFile::decodeName(pattern);
        const int descriptor = openFolder(made);
        if (descriptor >= 0 && ::flock(descriptor, LOCK_EX) == 0 && sameFolder(descriptor, made)) {
            folder = made;
            lock = descriptor;
            return;
        }
        if (descriptor >= 0)
            ::close(descriptor);
    }
    throw Failure("cannot make a working folder in " + temp);
}

WorkingFolder::~WorkingFolder()
{
    QDir(folder).removeRecursively();
    ::close(lock);
}

void WorkingFolder::removeStale()
{
    const QDir temp(QDir::tempPath());
    const auto found = temp.entryInfoList({QString(prefix) + "??????"}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : found) {
        if (entry.ownerId() != ::getuid())
            continue;
        const int descriptor = openFolder(entry.filePath());
        if (descriptor < 0)
            continue;
        // Holding the lock while removing keeps a program that made the folder just now from
        // taking it up.
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            QDir(entry.filePath()).removeRecursively();
        ::close(descriptor);
    }
}

} // namespace sys
