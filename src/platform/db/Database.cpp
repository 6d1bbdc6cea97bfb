#include "platform/db/Database.h"

#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlDialect.h"
#include "platform/db/Statement.h"
#include "platform/db/StatementLog.h"

#include <sqlite3.h>

namespace db {

Database::Database(std::shared_ptr<Connection> opened, StatementLog *statementLog)
    : connection(std::move(opened)), log(statementLog)
{
}

Database Database::open(const QString &path, StatementLog *log)
{
    return Database(Connection::open(path, Connection::Mode::ReadWrite), log);
}

const QString &Database::path() const
{
    return connection->path();
}

bool Database::hasTable(const QString &name) const
{
    Statement query(*connection, "SELECT 1 FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 "
                                 "COLLATE NOCASE");
    const QByteArray text = name.toUtf8();
    query.bind(1, text);
    return query.step();
}

void Database::execute(const QString &statement) const
{
    if (log)
        log->add(statement);
    connection->prepareToWrite();
    const QByteArray text = toSqlite(statement).toUtf8();
    sqlite3_stmt *prepared = nullptr;
    const char *rest = nullptr;
    int result = sqlite3_prepare_v2(connection->handle(), text.constData(), int(text.size()),
                                    &prepared, &rest);
    // One statement at a time: trailing text would run unseen, so it is refused.
    const bool trailing = rest && !QByteArray(rest).trimmed().isEmpty();
    if (result == SQLITE_OK && prepared && !trailing)
        result = sqlite3_step(prepared);
    const QString reason = connection->lastError();
    sqlite3_finalize(prepared);
    if (result != SQLITE_DONE && result != SQLITE_ROW) {
        connection->endFailedTransaction();
        throw DbError(reason);
    }
    if (!prepared || trailing)
        throw DbError("not a single statement: " + statement);
}

void Database::hold(const QString &table, const QStringList &walked)
{
    connection->hold(table, walked);
}

std::unique_ptr<Cursor> Database::openCursor(const QString &source) const
{
    if (log)
        log->add(source);
    return std::make_unique<Cursor>(connection, source);
}

} // namespace db
