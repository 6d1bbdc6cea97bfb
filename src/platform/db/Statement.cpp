#include "platform/db/Statement.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlDialect.h"
#include "platform/system/Fault.h"

#include <sqlite3.h>

namespace db {

namespace {

// Whether the engine found fault with the text itself, whatever file it runs on: then the
// program, which wrote it, is at fault. (A file's own schema that does not parse is reported
// as a malformed schema, never so.)
bool isBadText(const QString &reason)
{
    return (reason.startsWith("near \"") && reason.endsWith("syntax error")) || reason == "incomplete input"
           || reason.startsWith("unrecognized token:");
}

} // namespace

QString decodeExactly(QByteArrayView utf8)
{
    static const QByteArrayView bom = "\xEF\xBB\xBF";
    if (utf8.startsWith(bom))
        return QChar(0xFEFF) + decodeExactly(utf8.sliced(3));
    return QString::fromUtf8(utf8);
}

QStringList tableColumns(Connection &connection, const QString &table)
{
    return Statement(connection, "SELECT * FROM " + quotedName(table)).columnNames();
}

Statement::Statement(Connection &on, const QString &sql) : connection(on)
{
    const QByteArray text = sql.toUtf8();
    const char *rest = nullptr;
    connection.dataOnly.noteTablesIn(&tables);
    const int prepared = sqlite3_prepare_v2(connection.handle(), text.constData(), int(text.size()), &statement, &rest);
    connection.dataOnly.noteTablesIn(nullptr);
    if (prepared != SQLITE_OK) {
        const DbError failure = connection.failure(sqlite3_extended_errcode(connection.handle()));
        sqlite3_finalize(statement);
        if (isBadText(failure.message()))
            throw sys::Fault(failure.message() + " in: " + sql);
        throw failure;
    }
    if (!statement || (rest && !QByteArray(rest).trimmed().isEmpty())) {
        sqlite3_finalize(statement);
        throw sys::Fault("not a single statement: " + sql);
    }
}

Statement::~Statement()
{
    sqlite3_finalize(statement);
}

void Statement::bind(int parameter, const QByteArray &text)
{
    if (text.isNull())
        sqlite3_bind_null(statement, parameter);
    else
        sqlite3_bind_text(statement, parameter, text.constData(), int(text.size()), SQLITE_STATIC);
}

void Statement::bind(int parameter, qint64 number)
{
    sqlite3_bind_int64(statement, parameter, number);
}

bool Statement::step()
{
    if (!started)
        connection.beforeStatement(tables);
    started = true;
    connection.beforeStep();
    const int result = sqlite3_step(statement);
    if (result == SQLITE_ROW)
        return true;
    // Done or failed: the statement lets its locks go at once.
    started = false;
    if (result == SQLITE_DONE) {
        sqlite3_reset(statement);
        return false;
    }
    const DbError failure = connection.failure(result);
    sqlite3_reset(statement);
    throw failure;
}

void Statement::reset()
{
    sqlite3_reset(statement);
    started = false;
}

bool Statement::readOnly() const
{
    return sqlite3_stmt_readonly(statement) != 0;
}

QStringList Statement::columnNames() const
{
    QStringList names;
    for (int i = 0, n = sqlite3_column_count(statement); i < n; ++i)
        names << QString::fromUtf8(sqlite3_column_name(statement, i));
    return names;
}

QByteArrayView Statement::utf8(int column) const
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return {};
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QByteArrayView(text ? text : "", sqlite3_column_bytes(statement, column));
}

QString Statement::text(int column) const
{
    const QByteArrayView stored = utf8(column);
    return stored.isNull() ? QString() : decodeExactly(stored);
}

qint64 Statement::number(int column) const
{
    return sqlite3_column_int64(statement, column);
}

} // namespace db
