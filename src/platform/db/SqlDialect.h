#pragma once

#include <QString>

// The program writes its statements the way its original catalogue engine read them.
// These functions turn such a text into what SQLite runs, leaving the program's text alone.
namespace db {

// "DELETE * FROM t ..." becomes "DELETE FROM t ..."; every other statement runs as written
// (SQLite already stores a quoted number in a whole-number column as a number).
QString toSqlite(const QString &statement);

// A record source or cursor source is either a bare table name or a SELECT statement.
bool isTableName(const QString &source);

// A table or column name as it stands quoted in a statement.
QString quotedName(const QString &name);

// " FROM" a table walked by the engine itself, in the order its rows are stored, whatever indexes
// the table has: the order in which the program lists a table, and the catalogue tool reads one.
QString fromInStoredOrder(const QString &table);

} // namespace db
