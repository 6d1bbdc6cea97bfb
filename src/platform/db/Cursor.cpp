#include "platform/db/Cursor.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <sqlite3.h>

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

// The cursor steps an SQLite statement on the connection's own handle: only the columns the
// program reads are converted, which keeps a walk over a large catalogue close to the cost of
// the engine itself.
Cursor::Cursor(std::shared_ptr<Connection> connection, const QString &sql)
    : connection(std::move(connection))
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(this->connection->handle(), text.constData(), int(text.size()),
                           &statement, nullptr) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(sqlite3_errmsg(this->connection->handle()));
        sqlite3_finalize(statement);
        statement = nullptr;
        throw DbError(reason);
    }
    if (!statement) // only blanks or a comment
        throw DbError("empty statement");
    for (int i = 0, n = sqlite3_column_count(statement); i < n; ++i)
        names << QString::fromUtf8(sqlite3_column_name(statement, i));
    try {
        start();
    } catch (...) {
        sqlite3_finalize(statement);
        throw;
    }
}

Cursor::~Cursor()
{
    sqlite3_finalize(statement);
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
    if (result != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(connection->handle())));
    // Done: release the statement's read lock at once, so other connections can write.
    sqlite3_reset(statement);
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

int Cursor::columnIndex(const QString &column) const
{
    const int index = findColumn(names, column);
    if (index < 0)
        throw DbError("no column " + column);
    return index;
}

QString Cursor::value(const QString &column) const
{
    return value(columnIndex(column));
}

QString Cursor::value(int index) const
{
    if (atEnd)
        throw DbError("no current row");
    if (index < 0 || index >= names.size())
        throw DbError("no such column");
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, index));
}
