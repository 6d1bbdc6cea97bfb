#include "platform/db/Connection.h"

#include "platform/db/DbError.h"
#include "platform/db/HeldTable.h"
#include "platform/db/Statement.h"
#include "platform/system/Files.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

namespace db {

namespace {

// The handles open now, by the file's canonical path; used on the user-interface thread alone.
QHash<QString, std::weak_ptr<Connection>> &openHandles()
{
    static QHash<QString, std::weak_ptr<Connection>> handles;
    return handles;
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

Connection::Connection(sqlite3 *handle, const QString &path, Mode openMode)
    : sqlite(handle), filePath(path), mode(openMode)
{
}

Connection::~Connection()
{
    sqlite3_update_hook(sqlite, nullptr, nullptr);
    // Back to the rollback journal, so the file is left as other programs expect it. Another
    // program (or another handle of this one) still using it keeps the log: it stays, harmless.
    if (written) {
        sqlite3_busy_handler(sqlite, nullptr, nullptr);
        sqlite3_exec(sqlite, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(sqlite);
    const QString key = canonical(filePath);
    const auto found = openHandles().find(key);
    if (found != openHandles().end() && found->expired())
        openHandles().erase(found);
}

int Connection::busy(void *connection, int tries)
{
    auto *self = static_cast<Connection *>(connection);
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
    return 1;
}

void Connection::prepareToWrite()
{
    if (written || mode == Mode::ReadOnly)
        return;
    // When the log cannot be taken (another program holds the file), the write goes on in the
    // journal the file has.
    try {
        Statement journal(*this, "PRAGMA journal_mode=WAL");
        written = journal.step() && journal.text(0).compare("wal", Qt::CaseInsensitive) == 0;
    } catch (const DbError &) {
    }
}

void Connection::endFailedTransaction()
{
    if (!sqlite3_get_autocommit(sqlite))
        sqlite3_exec(sqlite, "ROLLBACK", nullptr, nullptr, nullptr);
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

void Connection::run(const char *sql)
{
    if (sqlite3_exec(sqlite, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DbError(lastError());
}

std::shared_ptr<Connection> Connection::create(const QString &path)
{
    if (QFileInfo::exists(path))
        throw DbError(path + " exists already");
    sqlite3 *handle = nullptr;
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &handle,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::shared_ptr<Connection> connection(new Connection(handle, path, Mode::ReadWrite));
    if (result != SQLITE_OK)
        throw DbError("cannot make " + path + ": " + connection->lastError());
    return connection;
}

QString Connection::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(sqlite));
}

std::shared_ptr<Connection> Connection::open(const QString &path, Mode mode)
{
    // SQLite would take a pipe for an empty database and then wait on it for ever.
    if (!sys::isRegularFile(path))
        throw DbError("not a file: " + path);
    const QString key = canonical(path);
    if (const std::shared_ptr<Connection> shared = openHandles().value(key).lock()) {
        if (mode == Mode::ReadOnly || shared->mode == Mode::ReadWrite)
            return shared;
    }
    // Without SQLITE_OPEN_CREATE a missing file fails rather than becoming a new database.
    // Every handle is used on the user-interface thread alone: no lock around each call.
    const int flags = (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE)
                      | SQLITE_OPEN_NOMUTEX;
    sqlite3 *handle = nullptr;
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    std::shared_ptr<Connection> connection(new Connection(handle, path, mode));
    if (result != SQLITE_OK)
        throw DbError("cannot open " + path + ": " + connection->lastError());
    // A quoted column name that names no column fails, rather than being read as text.
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_busy_handler(handle, &Connection::busy, connection.get());
    // With the write-ahead log, a commit need not wait for the disk: the file stays whole
    // whenever the program stops, and only the last rows written before a power loss may be lost.
    sqlite3_exec(handle, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);

    // SQLite reads a file's header only on first use; read the schema now so a foreign file
    // fails here rather than at the first statement.
    if (sqlite3_exec(handle, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr)
        != SQLITE_OK)
        throw DbError(path + " is not a catalogue file: " + connection->lastError());
    openHandles().insert(key, connection);
    return connection;
}

} // namespace db
