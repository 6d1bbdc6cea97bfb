#include "platform/db/Database.h"

#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlDialect.h"
#include "platform/db/Statement.h"
#include "platform/db/StatementLog.h"

namespace db {

Database::Database(std::shared_ptr<Connection> opened, StatementLog *statementLog)
    : connection(std::move(opened)), log(statementLog)
{
}

Database Database::open(const Engine &engine, const QString &path, StatementLog *log)
{
    return Database(Connection::open(engine, path, Connection::Mode::ReadWrite), log);
}

const QString &Database::path() const
{
    return connection->path();
}

void Database::execute(const QString &statement, OnPassingFailure onFailure) const
{
    if (log)
        log->add(statement);
    connection->write(toSqlite(statement), onFailure);
}

void Database::allowWrites(const QString &table)
{
    connection->allowWrites(table);
}

void Database::hold(const QString &table, const QStringList &walked)
{
    connection->hold(table, walked);
}

std::unique_ptr<Cursor> Database::openCursor(const QString &source) const
{
    if (log)
        log->add(source);
    return Cursor::open(connection, source);
}

} // namespace db
