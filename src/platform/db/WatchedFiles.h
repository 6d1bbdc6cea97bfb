#pragma once

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include <sys/types.h>

struct sqlite3;
struct sqlite3_file;
struct sqlite3_vfs;

namespace db {

// What another program has done to a catalogue file since the program opened it.
enum class OutsideChange {
    None,
    Moved,       // renamed, renamed over by another file, or deleted: the program's handle
                 // still reads the file it opened, wherever it is now
    Overwritten, // written where it lies, by a copy over it or by another program's writes
};

// A descriptor of one file of the program's own, beside the engine's: the program reads what it
// watches through it, and claims the file with it. It is closed only when no watch of the file
// is left, since closing a descriptor of a file lets go of every lock the process holds on it.
struct Descriptor
{
    explicit Descriptor(int number) : fd(number) {}
    ~Descriptor();
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    const int fd;
};

// One catalogue file the program has open, watched for what other programs do to it: its place
// (the device and inode its path names) and what the program last left in it (its size and a
// few blocks, the first and last among them). Every handle the program has on the file shares it, so their own
// writes are never taken for another program's.
class FileWatch
{
public:
    FileWatch(QByteArray path, std::shared_ptr<Descriptor> descriptor, dev_t device, ino_t inode);
    FileWatch(const FileWatch &) = delete;
    FileWatch &operator=(const FileWatch &) = delete;

    // Claims the file for this run of the program: false when another running copy holds it.
    // The claim lasts while the program has the file open, and ends with the process.
    bool claim();
    OutsideChange change() const { return state; }

    // Looks at the file as it is now: `whole` reads its place, size and watched blocks, else only
    // its header. Once it has changed it stays changed.
    OutsideChange look(bool whole);
    // While a read's bytes reach the program only as a verdict on the whole file, its reads are
    // not looked at one by one: the file is looked at whole after it.
    void lookAtReads(bool look) { readsLooked = look; }
    bool readsLookedAt() const { return readsLooked; }
    // What the program's own writes change in what it expects to find.
    void writeBegins();
    void wrote(const void *data, int amount, qint64 offset);
    void truncated(qint64 size);

    const QByteArray path; // as the program opened it
    QByteArray engineName; // as the engine names it; its journal is this with "-journal"
    std::vector<sqlite3_file *> journals; // the program's open journals of the file

private:
    struct Block
    {
        qint64 offset;
        QByteArray bytes;
    };
    // What the program knows of the file: its size and the blocks it watches.
    struct Content
    {
        qint64 size = 0;
        std::vector<Block> blocks;
    };
    bool holds(const Content &content) const;
    bool unchanged(const Block &block, qint64 length) const;
    // The program's journals of the file hold pages of the file it opened, never of what
    // overwrote it: emptied, they can put nothing back into it after a crash.
    void emptyJournals();

    std::shared_ptr<Descriptor> descriptor;
    dev_t device;
    ino_t inode;
    Content expected;
    std::optional<Content> beforeWrite; // as the program's last write found it
    OutsideChange state = OutsideChange::None;
    bool claimed = false;
    bool readsLooked = true;
};

// The file layer under every catalogue the program opens: SQLite's default file layer (as found
// when this is made), with each catalogue file watched, so that a file another program moved,
// deleted or overwrote is never written again, nor read once overwritten. A transaction begun
// before the change is refused at its next step, before it writes anything into what replaced
// the file.
class WatchedFiles
{
public:
    WatchedFiles();
    ~WatchedFiles();
    WatchedFiles(const WatchedFiles &) = delete;
    WatchedFiles &operator=(const WatchedFiles &) = delete;

    // The name to open files with (sqlite3_open_v2's last argument).
    const char *name() const { return layerName.constData(); }
    // Starts to watch the ordinary file at path, before the engine opens it; null when it cannot
    // be read. A file watched already, and unchanged, has one watch.
    std::shared_ptr<FileWatch> watch(const QString &path);

    // For the layer's file methods.
    sqlite3_vfs *below() const { return engineFiles; }
    std::shared_ptr<FileWatch> watchAt(const char *engineName) const;
    std::shared_ptr<FileWatch> journalOwner(const char *engineName) const;

private:
    std::unique_ptr<sqlite3_vfs> layer;
    QByteArray layerName;
    sqlite3_vfs *engineFiles;
    QHash<QPair<quint64, quint64>, std::weak_ptr<FileWatch>> watches;
    QHash<QPair<quint64, quint64>, std::weak_ptr<Descriptor>> descriptors;
};

} // namespace db
