#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Connection;
struct sqlite3_stmt;

// The index of a column among the names, compared without regard to case as the catalogue's
// engine always did; -1 when there is no such column.
int findColumn(const QStringList &names, const QString &column);

// A result walked from the first row: a table opened by name (rows in stored order) or the
// rows of a SELECT statement. Columns are read by name, as text.
class Cursor
{
public:
    Cursor(std::shared_ptr<Connection> connection, const QString &sql);
    ~Cursor();

    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;

    // True once the cursor has moved past its last row (at once for an empty result).
    bool eof() const { return atEnd; }
    void moveFirst(); // throws DbError on an empty result
    void moveNext();  // past the last row gives eof(); throws DbError when already there
    void moveLast();  // throws DbError on an empty result
    // The column's value in the current row as text; throws DbError without a current row
    // or for an unknown column.
    QString value(const QString &column) const;
    // For long walks: look a column up once, then read it by its index.
    int columnIndex(const QString &column) const;
    QString value(int column) const;
    const QStringList &columnNames() const { return names; }

private:
    void start();
    bool step();

    std::shared_ptr<Connection> connection; // declared first: outlives the statement
    sqlite3_stmt *statement = nullptr;
    QStringList names;
    bool atEnd = true;
    qint64 row = -1;
};
