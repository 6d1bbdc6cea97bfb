#pragma once

#include "platform/db/DataOnly.h"
#include "platform/db/DbError.h"
#include "platform/db/Engine.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>

struct sqlite3;

namespace db {

class FileWatch;
class HeldTable;

// One open SQLite handle on a catalogue file. The program's opens of one file (the database
// handle, every cursor and both data controls) share it, so a row written through one of them is
// read at once by all the others, and the handle closes only after the last of them is gone.
//
// A catalogue is data from elsewhere, never code: the handle runs none of its triggers, reads no
// view or virtual table in place of a table, calls no function but the few the program's own
// statements use (DataOnly), checks the whole file before the first read and refuses a damaged
// one, and bounds every length, depth and byte the file can make the engine spend, and how long
// one step of a statement may keep the window waiting.
//
// Each write commits on its own, in the ordinary rollback journal, which exists only while a
// write does: no log outlives a statement, so nothing of this file can ever be played into
// another put in its place. A file another program has moved, deleted or overwritten since it
// was opened is let go: every later statement fails, none writes anything.
class Connection
{
public:
    enum class Mode { ReadWrite, ReadOnly };
    // What becomes of a write refused for a passing reason (DbError::Cause::Passing).
    enum class OnPassingFailure {
        Fail, // it fails, and is forgotten
        Keep, // it is kept, in order with the others, and written before any later statement
              // reads or writes a table the program writes; it does not fail
    };

    // Opens an existing ordinary file; throws DbError for a missing file, a pipe or device, a
    // file that is not SQLite or is damaged, and (to write, with cause InUse) a file another
    // running copy of the program has open to write. Never creates a file. A file this engine
    // has open already is not opened again: its handle is shared (a read-only open takes a
    // read-write handle, and the program's cursors never write).
    static std::shared_ptr<Connection> open(const Engine &engine, const QString &path, Mode mode);
    // Makes a new, empty database file at path for the catalogue tools to fill; the file must
    // not exist yet. Its handle is the caller's alone, and trusts the file it makes.
    static std::shared_ptr<Connection> create(const QString &path);
    ~Connection();

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    sqlite3 *handle() const { return sqlite; }
    const QString &path() const { return filePath; }
    // The engine's reason for the last failure on this handle.
    QString lastError() const;
    // The failure for an engine's result code, with its cause.
    DbError failure(int result);
    // Whether another program has moved, deleted or overwritten the file, as it is now.
    bool replaced();
    // What of the file the handle never runs or reads, one sentence each: its triggers, and the
    // views and virtual tables that may stand where a table is expected.
    const QStringList &refusedParts() const { return refused; }
    // Runs statements of the database layer's or the tools' own (never the program's, which go
    // through Database); throws DbError when one fails.
    void run(const char *sql);

    // The only table that statements may change; every other table is read only.
    void allowWrites(const QString &table) { dataOnly.allowWrites(table); }
    // Runs one INSERT or DELETE, committed at once, after the writes kept before it.
    void write(const QString &sql, OnPassingFailure onFailure);

    // Declares a table the program reads by name often: cursors opened on it walk its columns
    // in memory, each read from the file once, the walked ones together. Should a row of it
    // change through this handle, cursors opened after that read it afresh.
    void hold(const QString &table, const QStringList &walked);
    // The held table of that name, read on first use; null for a table not held. Throws
    // DbError when the table cannot be read.
    std::shared_ptr<HeldTable> heldTable(const QString &table);

    // A whole, consistent copy of the file as it is now, written at copy (which must not exist
    // yet) for this user alone; throws DbError, leaving no copy, when it cannot.
    void backUpTo(const QString &copy);

private:
    friend class Statement;
    Connection(sqlite3 *handle, const QString &path, Mode mode, std::shared_ptr<Engine::State> engine,
               std::shared_ptr<FileWatch> watch);
    void treatAsData();
    void checkWhole();
    // Made ready to write: a file left on the write-ahead log is turned back to the journal.
    void prepareToWrite();
    // Ends a transaction that a failed statement left open, so no lock outlives the failure.
    void endFailedTransaction();
    void keep(const QString &sql, const DbError &failure);
    // Writes the kept writes, in order, as far as the file takes them.
    void writeKept();
    // Before a statement's first step, on the tables it reads or writes: the kept writes go
    // first, and while they cannot, the statement fails if it touches a table they change.
    void beforeStatement(const QSet<QString> &tables);
    // Before every step: the clock of the bound on the engine's work starts.
    void beforeStep();

    static int busy(void *connection, int tries);
    static int progress(void *connection);
    static void rowChanged(void *connection, int change, const char *database, const char *table,
                           long long row);

    sqlite3 *sqlite;
    QString filePath;
    Mode mode;
    std::shared_ptr<Engine::State> engine; // null for a file of the tools' own making
    std::shared_ptr<FileWatch> watch;
    bool readyToWrite = false;
    qint64 waitingSince = 0; // when the current wait for a lock began, ms since the epoch
    qint64 gaveUpAt = -1; // when a wait last ran out
    qint64 stepStarted = 0; // ms on the steady clock
    qint64 waitedInStep = 0; // ms of the current step spent waiting for locks
    bool interrupted = false; // the last step ran past the bound
    DataOnly dataOnly;
    QStringList refused;
    std::deque<QString> kept;
    QString keptBecause;
    bool writingKept = false;
    struct Held
    {
        QStringList walked;
        std::shared_ptr<HeldTable> table; // null until first used
    };
    // By table name in lower case, as the engine compares names.
    QHash<QString, Held> held;
};

} // namespace db
