#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>

struct sqlite3_stmt;

namespace db {

class Connection;

// One prepared statement on a connection, finalized when it goes: every statement of the
// database layer, and the catalogue tools' reads and writes, and the one place a column of a
// row is read. A failure of the file or the engine throws DbError; a text of the program's own
// that is no statement, or not one, throws sys::Fault.
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
    QStringList columnNames() const;
    // A column of the current row as stored: its UTF-8 bytes, valid until the statement moves,
    // a null view for NULL.
    QByteArrayView utf8(int column) const;
    // The same as text, null for NULL.
    QString text(int column) const;
    QByteArray bytes(int column) const { return utf8(column).toByteArray(); }
    qint64 number(int column) const;

private:
    Connection &connection;
    sqlite3_stmt *statement = nullptr;
    QSet<QString> tables; // the tables it reads or writes, in lower case
    bool started = false; // stepped since it was made or reset
};

// A table's column names, read from its definition without reading a row.
QStringList tableColumns(Connection &connection, const QString &table);

// UTF-8 as stored, a leading byte-order mark included: QString::fromUtf8 would drop it, and a
// name that lost a character would no longer find its own row.
QString decodeExactly(QByteArrayView utf8);

} // namespace db
