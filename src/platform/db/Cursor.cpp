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

Cursor::Cursor(std::shared_ptr<Connection> opened, const QString &source)
    : connection(std::move(opened))
{
    if (isTableName(source)) {
        table = source.trimmed();
        held = connection->heldTable(table);
        if (held) {
            names = held->columnNames();
            if (held->rowCount(*connection) == 0 && !held->failure().isEmpty())
                throw DbError(held->failure());
            moveToFirstHeld();
            return;
        }
        // The table's columns, without reading a row.
        prepare("SELECT * FROM " + quotedName(table));
        names = statementColumns();
        resultColumn.fill(-1, names.size());
        prepare(tableStatement());
    } else {
        static const QRegularExpression everyColumn("^\\s*SELECT\\s+\\*", QRegularExpression::CaseInsensitiveOption);
        columnsFromFile = everyColumn.match(source).hasMatch();
        prepare(toSqlite(source));
        if (!statement->readOnly()) {
            statement.reset();
            throw DbError("a cursor only reads: " + source);
        }
        names = statementColumns();
        for (int i = 0; i < names.size(); ++i)
            resultColumn.append(i);
    }
    try {
        start();
    } catch (...) {
        statement.reset();
        throw;
    }
}

Cursor::~Cursor() = default;

void Cursor::prepare(const QString &sql)
{
    statement.reset();
    statement = std::make_unique<Statement>(*connection, sql);
}

QStringList Cursor::statementColumns() const
{
    QStringList columns;
    for (int i = 0, n = statement->columnCount(); i < n; ++i)
        columns << statement->columnName(i);
    return columns;
}

QString Cursor::tableStatement() const
{
    // Without an index the engine walks the table itself, in the order its rows are stored,
    // whatever indexes or column names the table has.
    QStringList columns;
    for (const int column : selected)
        columns << quotedName(names[column]);
    return "SELECT " + (columns.isEmpty() ? QString("0") : columns.join(", ")) + " FROM "
           + quotedName(table) + " NOT INDEXED";
}

void Cursor::select(const QList<int> &columns)
{
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
    // Failed until the new statement stands on the row the old one stood on.
    const qint64 current = row;
    where = State::Failed;
    prepare(tableStatement());
    start();
    while (where == State::OnRow && row < current)
        step();
    if (where != State::OnRow) {
        where = State::Failed;
        throw DbError(table + " changed under its cursor");
    }
}

void Cursor::start()
{
    statement->reset();
    row = -1;
    step();
}

void Cursor::step()
{
    // Done or failed, the statement lets its read lock go at once, so other opens can write.
    where = State::Failed;
    if (statement->step()) {
        ++row;
        where = State::OnRow;
    } else {
        where = State::PastEnd;
    }
}

void Cursor::close()
{
    statement.reset();
    held.reset();
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

void Cursor::moveToFirstHeld()
{
    row = held->rowCount(*connection) > 0 ? 0 : -1;
    where = row == 0 ? State::OnRow : State::PastEnd;
}

QStringView Cursor::heldView(int column)
{
    if (!held->isHeld(column)) {
        viewed = held->lookUp(*connection, column, row);
        return viewed;
    }
    const TextColumn &values = held->column(*connection, column);
    if (row >= values.size()) {
        // The rows of a damaged file end here for this column.
        where = State::Failed;
        throw DbError(values.failure);
    }
    return values.at(row);
}

void Cursor::moveFirst()
{
    requireOpen();
    if (held) {
        moveToFirstHeld();
    } else {
        // After a failed re-prepare the cursor starts again from a new statement.
        if (!statement)
            prepare(tableStatement());
        start();
    }
    requireRow();
}

void Cursor::moveNext()
{
    requireRow();
    if (!held) {
        step();
    } else if (row + 1 < held->rowCount(*connection)) {
        ++row;
    } else if (!held->failure().isEmpty()) {
        where = State::Failed;
        throw DbError(held->failure());
    } else {
        where = State::PastEnd;
    }
}

void Cursor::moveLast()
{
    moveFirst();
    if (held) {
        row = held->rowCount(*connection) - 1;
        return;
    }
    qint64 last = 0;
    for (step(); where == State::OnRow; step())
        last = row;
    start();
    while (where == State::OnRow && row < last)
        step();
    requireRow();
}

int Cursor::columnIndex(const QString &column)
{
    requireOpen();
    const int index = findColumn(names, column);
    if (index < 0 && columnsFromFile)
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
    checkedColumn(column);
    requireRow();
    if (held)
        return heldView(column).toString();
    if (resultColumn[column] < 0)
        select({column});
    return text(resultColumn[column]);
}

QStringView Cursor::view(int column)
{
    checkedColumn(column);
    requireRow();
    if (held)
        return heldView(column);
    viewed = value(column);
    return viewed;
}

QStringList Cursor::values()
{
    requireRow();
    QStringList current;
    if (held) {
        for (int i = 0; i < names.size(); ++i)
            current << heldView(i).toString();
        return current;
    }
    if (!table.isEmpty()) {
        QList<int> all;
        for (int i = 0; i < names.size(); ++i)
            all.append(i);
        select(all);
    }
    for (int i = 0; i < names.size(); ++i)
        current << text(resultColumn[i]);
    return current;
}

QString Cursor::text(int statementColumn) const
{
    return statement->text(statementColumn);
}

} // namespace db
