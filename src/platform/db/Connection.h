#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;

namespace db {

class HeldTable;

// One open SQLite handle on a catalogue file. The program's opens of one file (the database
// handle, every cursor and both data controls) share it, so a row written through one of them is
// read at once by all the others, and the handle closes only after the last of them is gone.
//
// A handle that waits on a file another program has locked waits a bounded time, then fails.
// Before its first write it turns the file to write-ahead logging: a commit then appends to the
// log without waiting for the disk, readers in other programs never hold a write back, and a
// crash or power loss can lose at most the last rows written, never damage the file. When the
// handle lets the file go, the file goes back to the ordinary rollback journal.
class Connection
{
public:
    enum class Mode { ReadWrite, ReadOnly };

    // How long a statement waits for another program's lock on the file before it fails.
    // Tests that put in a lock at every step shorten it.
    static inline int busyWaitMs = 2000;

    // Opens an existing ordinary file; throws DbError for a missing file, a pipe or device,
    // or a file that is not SQLite. Never creates a file. A file this program has open already
    // is not opened again: its handle is shared (a read-only open takes a read-write handle,
    // and the program's cursors never write).
    static std::shared_ptr<Connection> open(const QString &path, Mode mode);
    // Makes a new, empty database file at path for the catalogue tools to fill; the file must
    // not exist yet. Its handle is the caller's alone.
    static std::shared_ptr<Connection> create(const QString &path);
    ~Connection();

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    sqlite3 *handle() const { return sqlite; }
    const QString &path() const { return filePath; }
    // The engine's reason for the last failure on this handle.
    QString lastError() const;
    // Runs statements of the database layer's or the tools' own (never the program's, which go
    // through Database); throws DbError when one fails.
    void run(const char *sql);
    // Made ready to write, once: the file turned to write-ahead logging where it can be.
    void prepareToWrite();
    // Ends a transaction that a failed statement left open, so no lock outlives the failure.
    void endFailedTransaction();

    // Declares a table the program never writes: cursors opened on it by name walk its columns
    // in memory, each read from the file once, the walked ones together. Should a row of it
    // change through this handle all the same, cursors opened after that read it afresh.
    void hold(const QString &table, const QStringList &walked);
    // The held table of that name, read on first use; null for a table not held. Throws
    // DbError when the table cannot be read.
    std::shared_ptr<HeldTable> heldTable(const QString &table);

private:
    Connection(sqlite3 *handle, const QString &path, Mode mode);
    static void rowChanged(void *connection, int change, const char *database, const char *table,
                           long long row);
    static int busy(void *connection, int tries);

    sqlite3 *sqlite;
    QString filePath;
    Mode mode;
    bool written = false; // turned to write-ahead logging by this handle
    qint64 waitingSince = 0; // when the current wait for a lock began, ms since the epoch
    qint64 gaveUpAt = -1; // when a wait last ran out
    struct Held
    {
        QStringList walked;
        std::shared_ptr<HeldTable> table; // null until first used
    };
    // By table name in lower case, as the engine compares names.
    QHash<QString, Held> held;
};

} // namespace db
