#include "SqliteReader.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlDialect.h"
#include "platform/db/Statement.h"

namespace zentcat {

SqliteReader::SqliteReader(const QString &path)
{
    try {
        connection = db::Connection::open(engine, path, db::Connection::Mode::ReadOnly);
        db::Statement list(*connection, "SELECT name FROM sqlite_master WHERE type = 'table'");
        while (list.step())
            tables << list.text(0);
    } catch (const db::DbError &error) {
        connection.reset();
        fail("cannot read " + path + ": " + error.message());
    }
}

SqliteReader::~SqliteReader() = default;

QStringList SqliteReader::refusedParts() const
{
    return connection ? connection->refusedParts() : QStringList();
}

bool SqliteReader::hasTable(const QString &table) const
{
    return tables.contains(table, Qt::CaseInsensitive);
}

bool SqliteReader::readTable(const QString &table, const QStringList &columns, const TakeRow &take)
{
    if (!connection)
        return false;
    QStringList names;
    for (const QString &column : columns)
        names << db::quotedName(column);
    try {
        db::Statement select(*connection, "SELECT " + names.join(", ") + db::fromInStoredOrder(table));
        QByteArrayList values(columns.size());
        while (select.step()) {
            for (int c = 0; c < int(columns.size()); ++c)
                values[c] = select.bytes(c);
            if (!take(values))
                return false;
        }
        return true;
    } catch (const db::DbError &error) {
        return fail("cannot read the table " + table + ": " + error.message());
    }
}

} // namespace zentcat
