#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3_stmt;

namespace db {

class Connection;

// The index of a column among the names, compared without regard to case as the catalogue's
// engine always did; -1 when there is no such column.
int findColumn(const QStringList &names, const QString &column);

// A result walked from the first row: a table opened by name (rows in stored order) or the
// rows of a SELECT statement. Columns are read by name, as text, exactly as stored.
//
// A table cursor reads from the file only the columns asked for so far, so a walk over two
// columns of a wide catalogue costs what those two columns cost.
class Cursor
{
public:
    // Throws DbError when the table or statement cannot be opened.
    Cursor(std::shared_ptr<Connection> connection, const QString &source);
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
    QString value(const QString &column);
    // For long walks: look a column up once, then read it by its index.
    int columnIndex(const QString &column);
    QString value(int column);
    // Every column of the current row, in the order of columnNames().
    QStringList values();
    const QStringList &columnNames() const { return names; }
    // Visits the column's value in every row from the first, reading the column by its index.
    // Throws DbError as the moves do: at once on an empty result.
    template <typename Visit>
    void forEachValue(const QString &column, Visit visit)
    {
        const int index = columnIndex(column);
        for (moveFirst(); !atEnd; moveNext())
            visit(value(index));
    }

private:
    void prepare(const QString &sql);
    QStringList statementColumns() const;
    void finalize();
    // Table cursors: read these columns too from now on, staying on the same row.
    void select(const QList<int> &columns);
    QString tableStatement() const;
    void start();
    bool step();
    QString text(int statementColumn) const;

    std::shared_ptr<Connection> connection;
    sqlite3_stmt *statement = nullptr;
    QString table;            // empty for a SELECT statement
    QStringList names;        // every column of the result
    QList<int> resultColumn;  // for each name, its column in the statement; -1: not read yet
    QList<int> selected;      // table cursors: the columns read, in statement order
    bool atEnd = true;
    qint64 row = -1;
};

} // namespace db
