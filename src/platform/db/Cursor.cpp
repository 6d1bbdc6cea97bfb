#include "platform/db/Cursor.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/HeldTable.h"
#include "platform/db/SqlDialect.h"
#include "platform/db/Statement.h"
#include "platform/system/Fault.h"

#include <QRegularExpression>

namespace db {

int findColumn(const QStringList &names, const QString &column)
{
    const qsizetype exact = names.indexOf(column);
    if (exact >= 0)
        return int(exact);
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

namespace {

// A table the program holds in memory, walked row by row; a value of a column not held is
// looked up in the file by its row.
class HeldCursor final : public Cursor
{
public:
    HeldCursor(std::shared_ptr<Connection> opened, std::shared_ptr<HeldTable> table)
        : Cursor(table->columnNames(), true), connection(std::move(opened)), held(std::move(table))
    {
        if (held->rowCount(*connection) == 0 && !held->failure().isEmpty())
            throw DbError(held->failure());
    }

private:
    bool first() override
    {
        row = 0;
        return held->rowCount(*connection) > 0;
    }
    bool next() override
    {
        if (row + 1 < held->rowCount(*connection)) {
            ++row;
            return true;
        }
        // The rows of a damaged file end here.
        if (!held->failure().isEmpty())
            throw DbError(held->failure());
        return false;
    }
    bool last() override
    {
        row = held->rowCount(*connection) - 1;
        return row >= 0;
    }
    QStringView read(int column) override
    {
        if (!held->isHeld(column)) {
            looked = held->lookUp(*connection, column, row);
            return looked;
        }
        const TextColumn &values = held->column(*connection, column);
        if (row >= values.size())
            throw DbError(values.failure); // the rows of a damaged file end here for this column
        return values.at(row);
    }
    void letGo() override { held.reset(); }

    std::shared_ptr<Connection> connection;
    std::shared_ptr<HeldTable> held;
    qsizetype row = 0;
    QString looked; // the last value looked up in the file
};

// The rows of a statement on the file. A table opened by name reads only the columns asked for
// so far, so a walk over two columns of a wide catalogue costs what those two columns cost.
class StatementCursor final : public Cursor
{
public:
    // A table by name: its columns, without reading a row.
    StatementCursor(std::shared_ptr<Connection> opened, const QString &tableName)
        : Cursor(tableColumns(*opened, tableName), true), connection(std::move(opened)), table(tableName)
    {
        resultColumn.fill(-1, columnNames().size());
        prepare(tableStatement());
    }
    // A SELECT statement: its own columns, "*" the table's.
    StatementCursor(std::shared_ptr<Connection> opened, std::unique_ptr<Statement> prepared, bool columnsFromFile)
        : Cursor(prepared->columnNames(), columnsFromFile), connection(std::move(opened)), statement(std::move(prepared))
    {
        for (int i = 0; i < columnNames().size(); ++i)
            resultColumn.append(i);
    }

private:
    void prepare(const QString &sql)
    {
        statement.reset();
        statement = std::make_unique<Statement>(*connection, sql);
        row = -1;
    }
    QString tableStatement() const
    {
        QStringList columns;
        for (const int column : selected)
            columns << quotedName(columnNames()[column]);
        return "SELECT " + (columns.isEmpty() ? QString("0") : columns.join(", ")) + fromInStoredOrder(table);
    }
    bool step()
    {
        // Done or failed, the statement lets its read lock go at once, so other opens can write.
        if (!statement->step())
            return false;
        ++row;
        return true;
    }
    bool first() override
    {
        // After a failed re-prepare the cursor starts again from a new statement.
        if (!statement)
            prepare(tableStatement());
        statement->reset();
        row = -1;
        return step();
    }
    bool next() override { return step(); }
    bool last() override
    {
        qint64 lastRow = -1;
        for (bool onRow = first(); onRow; onRow = step())
            lastRow = row;
        bool onRow = first();
        while (onRow && row < lastRow)
            onRow = step();
        return onRow;
    }
    void willRead(const QList<int> &columns) override
    {
        if (table.isEmpty())
            return;
        bool added = false;
        for (const int column : columns) {
            if (resultColumn[column] < 0) {
                resultColumn[column] = int(selected.size());
                selected.append(column);
                added = true;
            }
        }
        if (!added)
            return;
        // Read again to the row it stood on, with the new columns.
        const qint64 current = row;
        prepare(tableStatement());
        bool onRow = step();
        while (onRow && row < current)
            onRow = step();
        if (!onRow)
            throw DbError(table + " changed under its cursor");
    }
    QStringView read(int column) override
    {
        willRead({column});
        viewed = statement->text(resultColumn[column]);
        return viewed;
    }
    void letGo() override { statement.reset(); }

    std::shared_ptr<Connection> connection;
    std::unique_ptr<Statement> statement;
    QString table;           // empty for a SELECT statement
    QList<int> resultColumn; // for each column, its place in the statement; -1: not read yet
    QList<int> selected;     // a table's columns read so far, in the statement's order
    qint64 row = -1;
    QString viewed; // the last value read
};

} // namespace

std::unique_ptr<Cursor> Cursor::open(std::shared_ptr<Connection> connection, const QString &source)
{
    std::unique_ptr<Cursor> cursor;
    if (isTableName(source)) {
        const QString table = source.trimmed();
        if (std::shared_ptr<HeldTable> held = connection->heldTable(table))
            cursor = std::make_unique<HeldCursor>(connection, held);
        else
            cursor = std::make_unique<StatementCursor>(connection, table);
    } else {
        auto statement = std::make_unique<Statement>(*connection, toSqlite(source));
        if (!statement->readOnly())
            throw sys::Fault("a cursor only reads: " + source);
        // A statement's "*" gives the table's columns, which the file decides.
        static const QRegularExpression star("^\\s*SELECT\\s+\\*", QRegularExpression::CaseInsensitiveOption);
        cursor = std::make_unique<StatementCursor>(connection, std::move(statement), star.match(source).hasMatch());
    }
    cursor->move([&] { return cursor->first(); });
    return cursor;
}

Cursor::Cursor(QStringList columns, bool columnsFromFile) : names(std::move(columns)), namedByFile(columnsFromFile) {}

Cursor::~Cursor() = default;

template <typename Move>
void Cursor::move(Move step)
{
    // A move that throws leaves the cursor failed, on no row.
    where = State::Failed;
    where = step() ? State::OnRow : State::PastEnd;
}

void Cursor::close()
{
    letGo();
    where = State::Closed;
}

void Cursor::requireOpen() const
{
    if (where == State::Closed)
        throw sys::Fault("a cursor used after it was closed");
}

void Cursor::requireRow() const
{
    requireOpen();
    if (where != State::OnRow)
        throw DbError(where == State::Failed ? "the cursor has failed" : "no current row");
}

int Cursor::checkedColumn(int column) const
{
    if (column < 0 || column >= names.size())
        throw sys::Fault(QString("no column %1 among the cursor's %2").arg(column).arg(names.size()));
    return column;
}

void Cursor::moveFirst()
{
    requireOpen();
    move([&] { return first(); });
    requireRow();
}

void Cursor::moveNext()
{
    requireRow();
    move([&] { return next(); });
}

void Cursor::moveLast()
{
    requireOpen();
    move([&] { return last(); });
    requireRow();
}

int Cursor::columnIndex(const QString &column) const
{
    requireOpen();
    const int index = findColumn(names, column);
    if (index < 0 && namedByFile)
        throw DbError("no column " + column);
    if (index < 0)
        throw sys::Fault("the statement gives no column " + column);
    return index;
}

QString Cursor::value(const QString &column)
{
    return value(columnIndex(column));
}

QString Cursor::value(int column)
{
    return view(column).toString();
}

QStringView Cursor::view(int column)
{
    checkedColumn(column);
    requireRow();
    try {
        return read(column);
    } catch (const DbError &) {
        where = State::Failed;
        throw;
    }
}

QStringList Cursor::values()
{
    requireRow();
    QList<int> all;
    for (int i = 0; i < names.size(); ++i)
        all.append(i);
    try {
        willRead(all);
    } catch (const DbError &) {
        where = State::Failed;
        throw;
    }
    QStringList current;
    for (const int column : all)
        current << view(column).toString();
    return current;
}

} // namespace db
