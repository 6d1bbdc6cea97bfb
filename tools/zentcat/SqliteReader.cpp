#include "SqliteReader.h"

#include <QFile>

#include <sqlite3.h>

namespace zentcat {

namespace {

QString quotedName(const QString &name)
{
    return '"' + QString(name).replace("\"", "\"\"") + '"';
}

// A prepared statement, finalized when it goes.
struct Statement
{
    ~Statement() { sqlite3_finalize(handle); }
    sqlite3_stmt *handle = nullptr;
};

} // namespace

SqliteReader::SqliteReader(const QString &path)
{
    Statement list;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &list.handle,
                              nullptr)
               != SQLITE_OK) {
        fail("cannot read " + path + ": " + QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_close_v2(db);
        db = nullptr;
        return;
    }
    while (sqlite3_step(list.handle) == SQLITE_ROW)
        tables << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(list.handle, 0)));
}

SqliteReader::~SqliteReader()
{
    sqlite3_close_v2(db);
}

bool SqliteReader::hasTable(const QString &table) const
{
    return tables.contains(table, Qt::CaseInsensitive);
}

bool SqliteReader::readTable(const QString &table, const QStringList &columns, const TakeRow &take)
{
    QStringList names;
    for (const QString &column : columns)
        names << quotedName(column);
    // Without ORDER BY a table is walked in its stored order, as the program walks it.
    const QByteArray sql = ("SELECT " + names.join(", ") + " FROM " + quotedName(table)).toUtf8();
    Statement select;
    if (!db || sqlite3_prepare_v2(db, sql.constData(), -1, &select.handle, nullptr) != SQLITE_OK)
        return fail("cannot read the table " + table + ": " + QString::fromUtf8(sqlite3_errmsg(db)));
    QByteArrayList values(columns.size());
    int step;
    while ((step = sqlite3_step(select.handle)) == SQLITE_ROW) {
        for (int c = 0; c < int(columns.size()); ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(select.handle, c));
            values[c] = text ? QByteArray(text, sqlite3_column_bytes(select.handle, c)) : QByteArray();
        }
        if (!take(values))
            return false;
    }
    return step == SQLITE_DONE || fail("cannot read the table " + table + ": " + QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace zentcat
