#include "platform/db/Connection.h"

#include "platform/db/DbError.h"
#include "platform/db/HeldTable.h"
#include "platform/system/Files.h"

#include <sqlite3.h>

namespace db {

Connection::Connection(sqlite3 *handle, const QString &path) : sqlite(handle), filePath(path) {}

Connection::~Connection()
{
    sqlite3_update_hook(sqlite, nullptr, nullptr);
    sqlite3_close_v2(sqlite);
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
    if (!found->table)
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

QString Connection::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(sqlite));
}

std::shared_ptr<Connection> Connection::open(const QString &path, Mode mode)
{
    // SQLite would take a pipe for an empty database and then wait on it for ever.
    if (!sys::isRegularFile(path))
        throw DbError("not a file: " + path);
    // Without SQLITE_OPEN_CREATE a missing file fails rather than becoming a new database.
    // Every handle is used on the user-interface thread alone: no lock around each call.
    const int flags = (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE)
                      | SQLITE_OPEN_NOMUTEX;
    sqlite3 *handle = nullptr;
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    std::shared_ptr<Connection> connection(new Connection(handle, path));
    if (result != SQLITE_OK)
        throw DbError("cannot open " + path + ": " + connection->lastError());
    // A quoted column name that names no column fails, rather than being read as text.
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);

    // SQLite reads a file's header only on first use; read the schema now so a foreign file
    // fails here rather than at the first statement.
    if (sqlite3_exec(handle, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr)
        != SQLITE_OK)
        throw DbError(path + " is not a catalogue file: " + connection->lastError());
    return connection;
}

} // namespace db
