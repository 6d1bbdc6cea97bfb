#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <type_traits>

namespace db {

class Connection;
class HeldTable;
class Statement;

// The index of a column among the names, compared without regard to case as the catalogue's
// engine always did; -1 when there is no such column.
int findColumn(const QStringList &names, const QString &column);

// A result walked from the first row: a table opened by name (rows in stored order) or the
// rows of a SELECT statement. Columns are read by name, as text, exactly as stored.
//
// A cursor stands on a row, past its last row, or has failed (the engine could not give its
// next row, or could not read a column asked for); it moves only when a step succeeds. Every
// read without a row fails, and so does every move but moveFirst on a failed cursor.
//
// Failures of the file throw DbError: among them a column that a table, or a statement's "*",
// does not have (the file decides its columns). Faults of the program throw sys::Fault: a
// column the program's own column list does not give, a column index out of range, any use of
// a closed cursor.
//
// A table cursor reads from the file only the columns asked for so far, so a walk over two
// columns of a wide catalogue costs what those two columns cost. A table the program never
// writes (Connection::hold) is read once per open and walked in memory.
class Cursor
{
public:
    enum class State { OnRow, PastEnd, Failed, Closed };

    // Throws DbError when the table or statement cannot be opened, or when the statement
    // would write: a cursor only reads.
    Cursor(std::shared_ptr<Connection> connection, const QString &source);
    ~Cursor();

    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;

    State state() const { return where; }
    // Lets the result go; the cursor may not be used again.
    void close();
    // True when there is no current row: past the last row (at once for an empty result), or
    // failed.
    bool eof() const { return where != State::OnRow; }
    void moveFirst(); // throws DbError on an empty result
    void moveNext();  // past the last row gives eof(); throws DbError without a current row
    void moveLast();  // throws DbError on an empty result
    // The column's value in the current row as text; throws DbError without a current row
    // or for an unknown column.
    QString value(const QString &column);
    // For long walks: look a column up once, then read it by its index.
    int columnIndex(const QString &column);
    QString value(int column);
    // The same value, valid only until the cursor moves: no copy is made of a held value.
    QStringView view(int column);
    // Every column of the current row, in the order of columnNames().
    QStringList values();
    const QStringList &columnNames() const { return names; }
    // Visits the column's value in every row from the first, reading the column by its index.
    // A visit taking a QStringView reads the value where it stands; one taking a QString gets
    // a copy. Throws DbError as the moves do: at once on an empty result.
    template <typename Visit>
    void forEachValue(const QString &column, Visit visit)
    {
        const int index = columnIndex(column);
        for (moveFirst(); where == State::OnRow; moveNext()) {
            if constexpr (std::is_invocable_v<Visit, QStringView>)
                visit(view(index));
            else
                visit(value(index));
        }
    }

private:
    void prepare(const QString &sql);
    QStringList statementColumns() const;
    // Table cursors: read these columns too from now on, staying on the same row.
    void select(const QList<int> &columns);
    QString tableStatement() const;
    void start();
    void step();
    void requireOpen() const;
    void requireRow() const;
    void moveToFirstHeld();
    QStringView heldView(int column);
    int checkedColumn(int column) const;
    QString text(int statementColumn) const;

    std::shared_ptr<Connection> connection;
    std::shared_ptr<HeldTable> held; // the table's columns, when it is held in memory
    std::unique_ptr<Statement> statement;
    QString table;            // empty for a SELECT statement
    bool columnsFromFile = true; // false: the statement names its columns itself
    QStringList names;        // every column of the result
    QList<int> resultColumn;  // for each name, its column in the statement; -1: not read yet
    QList<int> selected;      // table cursors: the columns read, in statement order
    State where = State::PastEnd;
    qint64 row = -1;
    QString viewed;           // the last value viewed that is not held in memory
};

} // namespace db
