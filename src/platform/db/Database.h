#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace db {

class Cursor;
class Engine;
class StatementLog;

// An open catalogue file. Statements arrive in the program's own text and are adapted to
// SQLite here; every failure is a DbError and changes nothing.
class Database
{
public:
    // Opens an existing file through the engine, not exclusively: the same file may be open
    // several times at once, each open seeing the others' writes. A missing file fails and no
    // file is created. A log, when given, receives every statement text exactly as the program
    // sent it.
    static Database open(const Engine &engine, const QString &path, StatementLog *log = nullptr);

    const QString &path() const;

    using OnPassingFailure = Connection::OnPassingFailure;
    // Runs an INSERT or DELETE statement; its rows change at once, in the file, for every
    // open and every other program. A statement that fails leaves no transaction open. One
    // refused for a passing reason fails, or is kept to be written when the file takes writes
    // again (Connection::write).
    void execute(const QString &statement, OnPassingFailure onFailure = OnPassingFailure::Fail) const;
    // The one table the program's statements may change; every other is only read.
    void allowWrites(const QString &table);
    // Opens a cursor on a table name (rows in stored order) or on a SELECT statement.
    std::unique_ptr<Cursor> openCursor(const QString &source) const;
    // A table the program never writes: cursors opened on it by name walk its columns in
    // memory, each read from the file once for this open; the walked columns are read together.
    void hold(const QString &table, const QStringList &walked);

private:
    Database(std::shared_ptr<Connection> connection, StatementLog *log);

    std::shared_ptr<Connection> connection;
    StatementLog *log;
};

} // namespace db
