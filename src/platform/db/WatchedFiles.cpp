#include "platform/db/WatchedFiles.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

constexpr qint64 blockSize = 4096;
constexpr qint64 watchedBlocks = 8;
constexpr qint64 headerSize = 100; // SQLite's file header, page size and change counter among it

QPair<quint64, quint64> placeOf(dev_t device, ino_t inode)
{
    return {quint64(device), quint64(inode)};
}

} // namespace

Descriptor::~Descriptor()
{
    ::close(fd);
}

FileWatch::FileWatch(QByteArray opened, std::shared_ptr<Descriptor> file, dev_t onDevice, ino_t atInode)
    : path(std::move(opened)), descriptor(std::move(file)), device(onDevice), inode(atInode)
{
    struct stat now {};
    if (::fstat(descriptor->fd, &now) == 0)
        expected.size = now.st_size;
    // The first block holds the header and the schema, the last the rows written last, and
    // those between them cards: a file put in the place of this one differs in them, or in its
    // size. A small catalogue is watched whole.
    const qint64 size = expected.size;
    const qint64 lastBlock = std::max<qint64>(0, (size - 1) / blockSize);
    std::vector<Block> &blocks = expected.blocks;
    for (qint64 i = 0; i < watchedBlocks && size > 0; ++i) {
        const qint64 offset = i * lastBlock / (watchedBlocks - 1) * blockSize;
        if (!blocks.empty() && blocks.back().offset == offset)
            continue;
        QByteArray bytes(int(std::min(blockSize, size - offset)), Qt::Uninitialized);
        if (::pread(descriptor->fd, bytes.data(), size_t(bytes.size()), offset) == bytes.size())
            blocks.push_back({offset, bytes});
    }
}

bool FileWatch::claim()
{
    if (!claimed && ::flock(descriptor->fd, LOCK_EX | LOCK_NB) == 0)
        claimed = true;
    // A file system that keeps no such locks cannot tell: the file is taken as free.
    return claimed || errno != EWOULDBLOCK;
}

bool FileWatch::holds(const Content &content) const
{
    struct stat own {};
    return ::fstat(descriptor->fd, &own) == 0 && own.st_size == content.size
           && std::all_of(content.blocks.begin(), content.blocks.end(),
                          [&](const Block &block) { return unchanged(block, block.bytes.size()); });
}

void FileWatch::writeBegins()
{
    beforeWrite = expected;
}

bool FileWatch::unchanged(const Block &block, qint64 length) const
{
    QByteArray now(int(length), Qt::Uninitialized);
    return ::pread(descriptor->fd, now.data(), size_t(length), block.offset) == length
           && std::memcmp(now.constData(), block.bytes.constData(), size_t(length)) == 0;
}

OutsideChange FileWatch::look(bool whole)
{
    if (state != OutsideChange::None)
        return state;
    if (whole) {
        struct stat there {};
        if (::stat(path.constData(), &there) != 0 || there.st_dev != device || there.st_ino != inode) {
            state = OutsideChange::Moved;
        } else if (!holds(expected)) {
            // A write of the program's own that failed half done leaves its journal behind;
            // another program may put the file back from it as it was before that write. It is
            // then still the file the program knows.
            if (beforeWrite && holds(*beforeWrite))
                expected = *beforeWrite;
            else
                state = OutsideChange::Overwritten;
        }
    } else if (const std::vector<Block> &blocks = expected.blocks;
               !blocks.empty() && blocks.front().offset == 0
               && !unchanged(blocks.front(), std::min<qint64>(headerSize, blocks.front().bytes.size()))) {
        state = OutsideChange::Overwritten;
    }
    if (state != OutsideChange::None && claimed) {
        // Whatever is at the path now is not this program's to hold.
        ::flock(descriptor->fd, LOCK_UN);
        claimed = false;
    }
    if (state == OutsideChange::Overwritten)
        emptyJournals();
    return state;
}

void FileWatch::wrote(const void *data, int amount, qint64 offset)
{
    expected.size = std::max(expected.size, offset + amount);
    for (Block &block : expected.blocks) {
        const qint64 from = std::max(offset, block.offset);
        const qint64 to = std::min(offset + amount, block.offset + blockSize);
        if (from >= to)
            continue;
        if (block.bytes.size() < to - block.offset)
            block.bytes.resize(int(to - block.offset), '\0');
        std::memcpy(block.bytes.data() + (from - block.offset), static_cast<const char *>(data) + (from - offset),
                    size_t(to - from));
    }
}

void FileWatch::truncated(qint64 newSize)
{
    expected.size = newSize;
    std::erase_if(expected.blocks, [&](const Block &block) { return block.offset >= newSize; });
    for (Block &block : expected.blocks)
        if (block.offset + block.bytes.size() > newSize)
            block.bytes.truncate(int(newSize - block.offset));
}

void FileWatch::emptyJournals()
{
    for (sqlite3_file *journal : journals) {
        journal->pMethods->xTruncate(journal, 0);
        journal->pMethods->xSync(journal, SQLITE_SYNC_NORMAL);
    }
}

// A file the engine opened through the layer; the file of the layer below follows it in the
// same allocation. Only a watched catalogue's calls are looked at; every other file's pass on.
struct WatchedFile
{
    sqlite3_file base; // first: the engine sees this
    sqlite3_file *below = nullptr;
    std::shared_ptr<FileWatch> watch; // the catalogue's, or for a journal the catalogue's it is
    bool journal = false;
    int lock = SQLITE_LOCK_NONE;

    // Where the file of the layer below begins.
    static constexpr size_t belowOffset() { return (sizeof(WatchedFile) + 15) / 16 * 16; }
    static WatchedFile &of(sqlite3_file *file) { return *reinterpret_cast<WatchedFile *>(file); }
    // The catalogue's watch, when this is a watched catalogue.
    static FileWatch *catalogue(sqlite3_file *file)
    {
        WatchedFile &self = of(file);
        return self.journal ? nullptr : self.watch.get();
    }
    static int xClose(sqlite3_file *file)
    {
        WatchedFile &self = of(file);
        const int result = self.below->pMethods->xClose(self.below);
        if (self.journal)
            std::erase(self.watch->journals, self.below);
        self.~WatchedFile();
        return result;
    }
    static int xRead(sqlite3_file *file, void *data, int amount, sqlite3_int64 offset)
    {
        // Within a transaction only the header is looked at: enough to see another file copied
        // in, at a small cost for each page read.
        if (FileWatch *watch = catalogue(file);
            watch && watch->readsLookedAt() && watch->look(false) == OutsideChange::Overwritten)
            return SQLITE_IOERR_READ;
        sqlite3_file *below = of(file).below;
        return below->pMethods->xRead(below, data, amount, offset);
    }
    static int xWrite(sqlite3_file *file, const void *data, int amount, sqlite3_int64 offset)
    {
        FileWatch *watch = catalogue(file);
        if (watch && watch->look(true) == OutsideChange::Overwritten)
            return SQLITE_IOERR_WRITE;
        sqlite3_file *below = of(file).below;
        const int result = below->pMethods->xWrite(below, data, amount, offset);
        if (watch && result == SQLITE_OK)
            watch->wrote(data, amount, offset);
        return result;
    }
    static int xTruncate(sqlite3_file *file, sqlite3_int64 size)
    {
        FileWatch *watch = catalogue(file);
        if (watch && watch->look(true) == OutsideChange::Overwritten)
            return SQLITE_IOERR_TRUNCATE;
        sqlite3_file *below = of(file).below;
        const int result = below->pMethods->xTruncate(below, size);
        if (watch && result == SQLITE_OK)
            watch->truncated(size);
        return result;
    }
    static int xSync(sqlite3_file *file, int flags)
    {
        if (FileWatch *watch = catalogue(file); watch && watch->look(true) == OutsideChange::Overwritten)
            return SQLITE_IOERR_FSYNC;
        sqlite3_file *below = of(file).below;
        return below->pMethods->xSync(below, flags);
    }
    static int xFileSize(sqlite3_file *file, sqlite3_int64 *size)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xFileSize(below, size);
    }
    static int xLock(sqlite3_file *file, int level)
    {
        WatchedFile &self = of(file);
        if (FileWatch *watch = catalogue(file)) {
            // Every transaction begins with a lock: none begins on a file another program has
            // moved or overwritten. One that began before a move may still end: it writes only
            // the file it opened, wherever that is now.
            const OutsideChange change = watch->look(true);
            const bool begins = self.lock == SQLITE_LOCK_NONE || level == SQLITE_LOCK_RESERVED;
            if (change == OutsideChange::Overwritten || (change == OutsideChange::Moved && begins))
                return SQLITE_IOERR_LOCK;
        }
        const int result = self.below->pMethods->xLock(self.below, level);
        if (result == SQLITE_OK && level == SQLITE_LOCK_RESERVED && catalogue(file))
            self.watch->writeBegins();
        if (result == SQLITE_OK)
            self.lock = level;
        return result;
    }
    static int xUnlock(sqlite3_file *file, int level)
    {
        WatchedFile &self = of(file);
        const int result = self.below->pMethods->xUnlock(self.below, level);
        if (result == SQLITE_OK)
            self.lock = level;
        return result;
    }
    static int xCheckReservedLock(sqlite3_file *file, int *reserved)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xCheckReservedLock(below, reserved);
    }
    static int xFileControl(sqlite3_file *file, int operation, void *argument)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xFileControl(below, operation, argument);
    }
    static int xSectorSize(sqlite3_file *file)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xSectorSize(below);
    }
    static int xDeviceCharacteristics(sqlite3_file *file)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xDeviceCharacteristics(below);
    }
    static int xShmMap(sqlite3_file *file, int region, int size, int extend, void volatile **mapped)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xShmMap(below, region, size, extend, mapped);
    }
    static int xShmLock(sqlite3_file *file, int offset, int n, int flags)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xShmLock(below, offset, n, flags);
    }
    static void xShmBarrier(sqlite3_file *file)
    {
        sqlite3_file *below = of(file).below;
        below->pMethods->xShmBarrier(below);
    }
    static int xShmUnmap(sqlite3_file *file, int deleteFlag)
    {
        sqlite3_file *below = of(file).below;
        return below->pMethods->xShmUnmap(below, deleteFlag);
    }

    // Version 2: the log's shared memory, but no memory-mapped reads, which would pass by the
    // watch.
    static constexpr sqlite3_io_methods methods = {
        2,      xClose,       xRead,         xWrite,      xTruncate, xSync,     xFileSize,
        xLock,  xUnlock,      xCheckReservedLock, xFileControl, xSectorSize, xDeviceCharacteristics,
        xShmMap, xShmLock,    xShmBarrier,   xShmUnmap,   nullptr,   nullptr};

    static int xOpen(sqlite3_vfs *layer, const char *name, sqlite3_file *file, int flags, int *outFlags)
    {
        const auto &files = *static_cast<const WatchedFiles *>(layer->pAppData);
        auto *self = new (file) WatchedFile;
        self->base.pMethods = nullptr;
        self->below = reinterpret_cast<sqlite3_file *>(reinterpret_cast<char *>(file) + belowOffset());
        self->below->pMethods = nullptr;
        sqlite3_vfs *engine = files.below();
        const int result = engine->xOpen(engine, name, self->below, flags, outFlags);
        if (result != SQLITE_OK) {
            if (self->below->pMethods)
                self->below->pMethods->xClose(self->below);
            self->~WatchedFile();
            return result;
        }
        self->base.pMethods = &methods;
        if (name && (flags & SQLITE_OPEN_MAIN_DB)) {
            self->watch = files.watchAt(name);
        } else if (name && (flags & SQLITE_OPEN_MAIN_JOURNAL)) {
            self->watch = files.journalOwner(name);
            self->journal = self->watch != nullptr;
            if (self->journal)
                self->watch->journals.push_back(self->below);
        }
        return SQLITE_OK;
    }
};

WatchedFiles::WatchedFiles() : layer(std::make_unique<sqlite3_vfs>()), engineFiles(sqlite3_vfs_find(nullptr))
{
    // Each layer has a name of its own, so that each maker of one (the program, a test playing
    // another copy of it) watches its own files.
    layerName = "zent-watched-" + QByteArray::number(quintptr(this), 16);
    *layer = *engineFiles;
    layer->zName = layerName.constData();
    layer->pNext = nullptr;
    layer->pAppData = this;
    layer->szOsFile = int(WatchedFile::belowOffset()) + engineFiles->szOsFile;
    layer->xOpen = &WatchedFile::xOpen;
    // The rest (names, deleting, access, time) is the engine's own layer's, given this one.
    layer->xDelete = [](sqlite3_vfs *self, const char *name, int syncFolder) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xDelete(below, name, syncFolder);
    };
    layer->xAccess = [](sqlite3_vfs *self, const char *name, int flags, int *result) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xAccess(below, name, flags, result);
    };
    layer->xFullPathname = [](sqlite3_vfs *self, const char *name, int size, char *out) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xFullPathname(below, name, size, out);
    };
    layer->xDlOpen = nullptr;
    layer->xDlError = nullptr;
    layer->xDlSym = nullptr;
    layer->xDlClose = nullptr;
    layer->xRandomness = [](sqlite3_vfs *self, int size, char *out) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xRandomness(below, size, out);
    };
    layer->xSleep = [](sqlite3_vfs *self, int microseconds) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xSleep(below, microseconds);
    };
    layer->xCurrentTime = [](sqlite3_vfs *self, double *now) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xCurrentTime(below, now);
    };
    layer->xGetLastError = [](sqlite3_vfs *self, int size, char *out) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xGetLastError ? below->xGetLastError(below, size, out) : 0;
    };
    layer->xCurrentTimeInt64 = [](sqlite3_vfs *self, sqlite3_int64 *now) {
        sqlite3_vfs *below = static_cast<WatchedFiles *>(self->pAppData)->engineFiles;
        return below->xCurrentTimeInt64(below, now);
    };
    layer->iVersion = std::min(engineFiles->iVersion, 2);
    sqlite3_vfs_register(layer.get(), 0);
}

WatchedFiles::~WatchedFiles()
{
    sqlite3_vfs_unregister(layer.get());
}

std::shared_ptr<FileWatch> WatchedFiles::watch(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat there {};
    if (::stat(native.constData(), &there) != 0 || !S_ISREG(there.st_mode))
        return nullptr;
    const auto place = placeOf(there.st_dev, there.st_ino);
    watches.removeIf([](const auto &entry) { return entry.value().expired(); });
    descriptors.removeIf([](const auto &entry) { return entry.value().expired(); });
    if (std::shared_ptr<FileWatch> watched = watches.value(place).lock();
        watched && watched->change() == OutsideChange::None)
        return watched;
    // One descriptor for each file, shared by the watches of it: a file overwritten where it
    // lies has a watch of what it was and one of what it is now.
    std::shared_ptr<Descriptor> descriptor = descriptors.value(place).lock();
    if (!descriptor) {
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0)
            return nullptr;
        descriptor = std::make_shared<Descriptor>(fd);
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || placeOf(opened.st_dev, opened.st_ino) != place)
            return nullptr;
        descriptors.insert(place, descriptor);
    }
    auto watched = std::make_shared<FileWatch>(native, descriptor, there.st_dev, there.st_ino);
    watches.insert(place, watched);
    return watched;
}

std::shared_ptr<FileWatch> WatchedFiles::watchAt(const char *engineName) const
{
    struct stat there {};
    if (::stat(engineName, &there) != 0)
        return nullptr;
    std::shared_ptr<FileWatch> watched = watches.value(placeOf(there.st_dev, there.st_ino)).lock();
    if (watched && watched->engineName.isEmpty())
        watched->engineName = engineName;
    return watched;
}

std::shared_ptr<FileWatch> WatchedFiles::journalOwner(const char *engineName) const
{
    const QByteArray journal(engineName);
    for (const std::weak_ptr<FileWatch> &entry : watches) {
        std::shared_ptr<FileWatch> watched = entry.lock();
        if (watched && !watched->engineName.isEmpty() && watched->engineName + "-journal" == journal)
            return watched;
    }
    return nullptr;
}

} // namespace db
