#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

struct sqlite3_stmt;

namespace db {

class Connection;

// One prepared statement on a connection, finalized when it goes: every statement of the
// database layer, and the catalogue tools' reads and writes. Every failure throws DbError.
class Statement
{
public:
    // Exactly one statement: text after it would never run, so it is refused, as is text
    // holding none.
    Statement(Connection &connection, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Binds UTF-8 text to the parameter (from 1); a null QByteArray binds NULL. The text is
    // read at each step, so it must outlive them.
    void bind(int parameter, const QByteArray &text);
    void bind(int parameter, qint64 number);
    // True on a row, false past the last; throws DbError when the engine fails, or when writes
    // kept for later still wait for a table it reads or writes.
    bool step();
    // Back to before the first row, the bindings kept.
    void reset();

    // Whether it leaves the file as it is.
    bool readOnly() const;
    int columnCount() const;
    QString columnName(int column) const;
    // A column of the current row: as stored, null for NULL.
    QString text(int column) const;
    QByteArray bytes(int column) const;
    qint64 number(int column) const;
    sqlite3_stmt *handle() const { return statement; }

private:
    Connection &connection;
    sqlite3_stmt *statement = nullptr;
    QSet<QString> tables; // the tables it reads or writes, in lower case
    bool started = false; // stepped since it was made or reset
};

} // namespace db
