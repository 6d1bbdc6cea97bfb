#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <type_traits>

namespace db {

class Connection;

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
// Two kinds stand behind it: one walks a table the program holds in memory (Connection::hold),
// one steps through a statement on the file.
class Cursor
{
public:
    enum class State { OnRow, PastEnd, Failed, Closed };

    // Opens a cursor on a table name or a SELECT statement. Throws DbError when it cannot be
    // opened, and sys::Fault when the statement would write: a cursor only reads.
    static std::unique_ptr<Cursor> open(std::shared_ptr<Connection> connection, const QString &source);
    virtual ~Cursor();

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
    int columnIndex(const QString &column) const;
    QString value(int column);
    // The same value, valid only until the cursor moves: a value held in memory is not copied.
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

protected:
    Cursor(QStringList columns, bool columnsFromFile);

    // Each kind's own moves and reads: true on a row, false past the last; a failure throws
    // DbError.
    virtual bool first() = 0;
    virtual bool next() = 0;
    virtual bool last() = 0;
    virtual QStringView read(int column) = 0;
    virtual void letGo() = 0;
    // The columns about to be read from the current row, all of them at once where that costs
    // less than one after the other.
    virtual void willRead(const QList<int> &) {}

private:
    // Runs a move: the cursor stands where the move leaves it, or has failed.
    template <typename Move>
    void move(Move step);
    void requireOpen() const;
    void requireRow() const;
    int checkedColumn(int column) const;

    QStringList names;
    bool namedByFile; // the file decides the columns: a table, or a statement's "*"
    State where = State::PastEnd;
};

} // namespace db
