#include "platform/db/Connection.h"

#include "platform/db/HeldTable.h"
#include "platform/db/Statement.h"
#include "platform/system/Files.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <chrono>
#include <utility>

namespace db {

namespace {

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

qint64 steadyNowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

Connection::Connection(sqlite3 *handle, const QString &path, Mode openMode, std::shared_ptr<Engine::State> state,
                       std::shared_ptr<FileWatch> fileWatch)
    : sqlite(handle), filePath(path), mode(openMode), engine(std::move(state)), watch(std::move(fileWatch))
{
}

Connection::~Connection()
{
    // The last chance for writes still kept: one more try, then they are lost with the handle.
    if (!kept.empty())
        writeKept();
    sqlite3_update_hook(sqlite, nullptr, nullptr);
    sqlite3_close_v2(sqlite);
    if (engine) {
        const auto found = engine->handles.find(canonical(filePath));
        if (found != engine->handles.end() && found->expired())
            engine->handles.erase(found);
    }
}

std::shared_ptr<Connection> Connection::open(const Engine &with, const QString &path, Mode mode)
{
    const std::shared_ptr<Engine::State> &state = with.state();
    // SQLite would take a pipe for an empty database and then wait on it for ever.
    if (!sys::isRegularFile(path))
        throw DbError("not a file: " + path);
    const QString key = canonical(path);
    if (const std::shared_ptr<Connection> shared = state->handles.value(key).lock();
        shared && !shared->replaced() && (mode == Mode::ReadOnly || shared->mode == Mode::ReadWrite))
        return shared;
    std::shared_ptr<FileWatch> watch = state->files.watch(path);
    if (!watch)
        throw DbError("cannot read " + path);
    // Two running copies of the program writing one deck table would take each other's rows.
    if (mode == Mode::ReadWrite && !watch->claim())
        throw DbError(path + " is open in another copy of the program", DbError::Cause::InUse);
    // Without SQLITE_OPEN_CREATE a missing file fails rather than becoming a new database.
    // Every handle is used on the user-interface thread alone: no lock around each call.
    const int flags = (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE)
                      | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE;
    sqlite3 *handle = nullptr;
    const int result = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, state->files.name());
    std::shared_ptr<Connection> connection(new Connection(handle, path, mode, state, watch));
    if (result != SQLITE_OK)
        throw DbError("cannot open " + path + ": " + connection->lastError());
    connection->treatAsData();
    connection->checkWhole();
    state->handles.insert(key, connection);
    return connection;
}

std::shared_ptr<Connection> Connection::create(const QString &path)
{
    if (QFileInfo::exists(path))
        throw DbError(path + " exists already");
    sqlite3 *handle = nullptr;
    const int result = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX
                                           | SQLITE_OPEN_EXRESCODE,
                                       nullptr);
    std::shared_ptr<Connection> connection(new Connection(handle, path, Mode::ReadWrite, nullptr, nullptr));
    if (result != SQLITE_OK)
        throw DbError("cannot make " + path + ": " + connection->lastError());
    return connection;
}

void Connection::treatAsData()
{
    dataOnly.guard(sqlite);
    sqlite3_busy_handler(sqlite, &Connection::busy, this);
    sqlite3_progress_handler(sqlite, 1000, &Connection::progress, this);
    // Every cell's size checked as it is read, and every page read rather than mapped: a
    // damaged page is an error, never a read out of bounds.
    run("PRAGMA cell_size_check = ON");
    run("PRAGMA mmap_size = 0");
    // A write is on the disk, journal and file, before it counts as done: a power loss after it
    // loses nothing of it, and one during it leaves the file as it was.
    run("PRAGMA synchronous = FULL");
}

void Connection::checkWhole()
{
    // SQLite reads a file's header only on first use: a foreign file fails here, and a damaged
    // one is refused before anything of it is read.
    QString verdict = "no verdict";
    {
        // The check reads every page, but what it read reaches the program only as its verdict:
        // the file is looked at whole once it is done, not at each page.
        struct ReadsUnlooked
        {
            FileWatch *watch;
            ~ReadsUnlooked()
            {
                if (watch)
                    watch->lookAtReads(true);
            }
        } unlooked{watch.get()};
        if (watch)
            watch->lookAtReads(false);
        Statement check(*this, "PRAGMA quick_check(1)");
        if (check.step())
            verdict = check.text(0);
    }
    if (replaced())
        throw failure(SQLITE_IOERR);
    if (verdict != "ok")
        throw DbError(filePath + " is damaged: " + verdict);
    // The tables a statement may read or write by name: never a view, nor a virtual table,
    // whose code is the engine's and whose data is whatever the file says.
    QSet<QString> tables;
    Statement schema(*this, "SELECT type, name, tbl_name, sql FROM sqlite_schema");
    while (schema.step()) {
        const QString type = schema.text(0), name = schema.text(1);
        if (type == "trigger")
            refused << "The trigger " + name + " on " + schema.text(2) + " never runs: the program runs nothing a catalogue holds.";
        else if (type == "view")
            refused << name + " is a view, which the program never reads.";
        else if (type == "table" && schema.text(3).trimmed().startsWith("CREATE VIRTUAL", Qt::CaseInsensitive))
            refused << name + " is a virtual table, which the program never reads.";
        else if (type == "table")
            tables.insert(name.toLower());
    }
    dataOnly.tablesAre(tables);
}

QString Connection::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(sqlite));
}

bool Connection::replaced()
{
    return watch && watch->look(true) != OutsideChange::None;
}

DbError Connection::failure(int result)
{
    using Cause = DbError::Cause;
    if (replaced())
        return DbError(filePath + " was moved, deleted or overwritten by another program", Cause::Replaced);
    if (result == SQLITE_INTERRUPT && interrupted)
        return DbError(filePath + ": a statement ran past the time limit", Cause::Refused);
    switch (result & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_PROTOCOL:
        return DbError(lastError(), Cause::Passing);
    case SQLITE_READONLY:
        return DbError(lastError(), result == SQLITE_READONLY_DBMOVED ? Cause::Replaced : Cause::Passing);
    default:
        return DbError(lastError(), Cause::Refused);
    }
}

void Connection::run(const char *sql)
{
    Statement statement(*this, sql);
    while (statement.step()) {
    }
}

void Connection::prepareToWrite()
{
    if (readyToWrite || mode == Mode::ReadOnly)
        return;
    // A file left on the write-ahead log (by another program, or by an older copy of this one)
    // goes back to the journal: a log outlives the write, and would be played into whatever
    // file another program puts in this one's place.
    const auto journalMode = [this](const char *pragma) {
        Statement journal(*this, pragma);
        return journal.step() ? journal.text(0).toLower() : QString();
    };
    if (journalMode("PRAGMA journal_mode") == "wal") {
        if (journalMode("PRAGMA journal_mode = DELETE") != "delete")
            throw DbError("another program keeps the log of " + filePath + " in use", DbError::Cause::Passing);
    }
    readyToWrite = true;
}

void Connection::endFailedTransaction()
{
    if (!sqlite3_get_autocommit(sqlite))
        sqlite3_exec(sqlite, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Connection::write(const QString &sql, OnPassingFailure onFailure)
{
    writeKept();
    if (!kept.empty()) {
        // In order: nothing is written before the writes kept before it.
        if (onFailure == OnPassingFailure::Fail)
            throw DbError(keptBecause, DbError::Cause::Passing);
        keep(sql, DbError(keptBecause, DbError::Cause::Passing));
        return;
    }
    try {
        prepareToWrite();
        Statement(*this, sql).step();
    } catch (const DbError &error) {
        endFailedTransaction();
        if (onFailure == OnPassingFailure::Keep && error.cause() == DbError::Cause::Passing) {
            keep(sql, error);
            return;
        }
        throw;
    }
}

void Connection::keep(const QString &sql, const DbError &failure)
{
    kept.push_back(sql);
    keptBecause = failure.message();
    // What the program holds of the tables it writes no longer says what the file will hold.
    for (const QString &table : dataOnly.writableTables())
        if (const auto found = held.find(table); found != held.end())
            found->table.reset();
}

void Connection::writeKept()
{
    if (kept.empty() || writingKept)
        return;
    writingKept = true;
    while (!kept.empty()) {
        try {
            prepareToWrite();
            Statement(*this, kept.front()).step();
            kept.pop_front();
        } catch (const DbError &error) {
            endFailedTransaction();
            if (error.cause() == DbError::Cause::Passing) {
                keptBecause = error.message();
                break;
            }
            // A write the file now refuses for good is never written; on a file another
            // program has taken over, none is.
            if (error.cause() == DbError::Cause::Replaced)
                kept.clear();
            else
                kept.pop_front();
        }
    }
    writingKept = false;
}

void Connection::beforeStatement(const QSet<QString> &named)
{
    if (kept.empty() || writingKept || !dataOnly.writesAny(named))
        return;
    writeKept();
    if (!kept.empty())
        throw DbError(keptBecause, DbError::Cause::Passing);
}

void Connection::beforeStep()
{
    stepStarted = steadyNowMs();
    waitedInStep = 0;
    interrupted = false;
}

int Connection::busy(void *connection, int tries)
{
    auto *self = static_cast<Connection *>(connection);
    const int busyWaitMs = self->engine->limits.busyWaitMs;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (tries == 0)
        self->waitingSince = now;
    // Once a wait has run out, the statements right after it (the rest of a set of cards) wait
    // only a moment each: the lock is most likely still held, and the window must not freeze.
    const bool gaveUpLately = self->gaveUpAt >= 0 && now - self->gaveUpAt < busyWaitMs;
    if (now - self->waitingSince >= (gaveUpLately ? 50 : busyWaitMs)) {
        self->gaveUpAt = now;
        return 0;
    }
    sqlite3_sleep(5);
    self->waitedInStep += 5;
    return 1;
}

int Connection::progress(void *connection)
{
    // Waiting for another program's lock has a bound of its own; this one is for the engine's
    // work, which nothing in a file may make endless.
    auto *self = static_cast<Connection *>(connection);
    self->interrupted = steadyNowMs() - self->stepStarted - self->waitedInStep > self->engine->limits.statementMs;
    return self->interrupted ? 1 : 0;
}

void Connection::hold(const QString &table, const QStringList &walked)
{
    if (held.isEmpty())
        sqlite3_update_hook(sqlite, &Connection::rowChanged, this);
    held.insert(table.toLower(), {walked, nullptr});
}

std::shared_ptr<HeldTable> Connection::heldTable(const QString &table)
{
    const auto found = held.find(table.toLower());
    if (found == held.end())
        return nullptr;
    // A table that could not be read whole is read again: the fault may have been passing.
    if (!found->table || found->table->failedToRead())
        found->table = std::make_shared<HeldTable>(*this, table, found->walked);
    return found->table;
}

void Connection::rowChanged(void *connection, int, const char *, const char *table, long long)
{
    auto *self = static_cast<Connection *>(connection);
    const auto found = self->held.find(QString::fromUtf8(table).toLower());
    if (found != self->held.end())
        found->table.reset();
}

void Connection::backUpTo(const QString &copy)
{
    std::shared_ptr<Connection> target = create(copy);
    sqlite3_backup *backup = sqlite3_backup_init(target->handle(), "main", sqlite, "main");
    int result = backup ? sqlite3_backup_step(backup, -1) : sqlite3_extended_errcode(target->handle());
    if (backup)
        sqlite3_backup_finish(backup);
    const bool copied = result == SQLITE_DONE
                        && QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    const DbError why = failure(result);
    target.reset();
    if (!copied) {
        QFile::remove(copy);
        QFile::remove(copy + "-journal");
        throw DbError("cannot copy " + filePath + ": " + why.message(), why.cause());
    }
}

} // namespace db
