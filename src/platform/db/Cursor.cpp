#include "platform/db/Cursor.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlDialect.h"

#include <sqlite3.h>

namespace db {

namespace {

// UTF-8 as stored, a leading byte-order mark included: QString::fromUtf8 would drop it, and a
// name that lost a character would no longer find its own row.
QString decodeExactly(const char *text, int bytes)
{
    static const char bom[] = "\xEF\xBB\xBF";
    if (bytes >= 3 && qstrncmp(text, bom, 3) == 0)
        return QChar(0xFEFF) + decodeExactly(text + 3, bytes - 3);
    return QString::fromUtf8(text, bytes);
}

} // namespace

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
        // The table's columns, without reading a row.
        prepare("SELECT * FROM " + quotedName(table));
        names = statementColumns();
        resultColumn.fill(-1, names.size());
        prepare(tableStatement());
    } else {
        prepare(toSqlite(source));
        names = statementColumns();
        for (int i = 0; i < names.size(); ++i)
            resultColumn.append(i);
    }
    try {
        start();
    } catch (...) {
        finalize();
        throw;
    }
}

Cursor::~Cursor()
{
    finalize();
}

void Cursor::finalize()
{
    sqlite3_finalize(statement);
    statement = nullptr;
}

void Cursor::prepare(const QString &sql)
{
    finalize();
    const QByteArray text = sql.toUtf8();
    const char *rest = nullptr;
    if (sqlite3_prepare_v2(connection->handle(), text.constData(), int(text.size()), &statement,
                           &rest)
        != SQLITE_OK) {
        const QString reason = connection->lastError();
        finalize();
        throw DbError(reason);
    }
    // Only blanks or a comment, or a second statement that would never run.
    if (!statement || (rest && !QByteArray(rest).trimmed().isEmpty())) {
        finalize();
        throw DbError("not a single statement: " + sql);
    }
}

QStringList Cursor::statementColumns() const
{
    QStringList columns;
    for (int i = 0, n = sqlite3_column_count(statement); i < n; ++i)
        columns << QString::fromUtf8(sqlite3_column_name(statement, i));
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
    const qint64 current = atEnd ? -1 : row;
    prepare(tableStatement());
    start();
    while (row < current && !atEnd)
        atEnd = !step();
}

void Cursor::start()
{
    sqlite3_reset(statement);
    row = -1;
    atEnd = !step();
}

bool Cursor::step()
{
    const int result = sqlite3_step(statement);
    if (result == SQLITE_ROW) {
        ++row;
        return true;
    }
    // Done or failed: release the statement's read lock at once, so other opens can write.
    const QString reason = connection->lastError();
    sqlite3_reset(statement);
    if (result != SQLITE_DONE)
        throw DbError(reason);
    return false;
}

void Cursor::moveFirst()
{
    start();
    if (atEnd)
        throw DbError("no current row");
}

void Cursor::moveNext()
{
    if (atEnd)
        throw DbError("no current row");
    atEnd = !step();
}

void Cursor::moveLast()
{
    moveFirst();
    qint64 last = 0;
    while (step())
        last = row;
    start();
    while (row < last)
        step();
}

int Cursor::columnIndex(const QString &column)
{
    const int index = findColumn(names, column);
    if (index < 0)
        throw DbError("no column " + column);
    if (resultColumn[index] < 0)
        select({index});
    return index;
}

QString Cursor::value(const QString &column)
{
    return value(columnIndex(column));
}

QString Cursor::value(int column)
{
    if (column < 0 || column >= names.size())
        throw DbError("no such column");
    if (resultColumn[column] < 0)
        select({column});
    if (atEnd)
        throw DbError("no current row");
    return text(resultColumn[column]);
}

QStringList Cursor::values()
{
    if (!table.isEmpty()) {
        QList<int> all;
        for (int i = 0; i < names.size(); ++i)
            all.append(i);
        select(all);
    }
    if (atEnd)
        throw DbError("no current row");
    QStringList current;
    for (int i = 0; i < names.size(); ++i)
        current << text(resultColumn[i]);
    return current;
}

QString Cursor::text(int statementColumn) const
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(statement, statementColumn));
    return decodeExactly(bytes, sqlite3_column_bytes(statement, statementColumn));
}

} // namespace db
