#include "CatalogueWriter.h"

#include "catalogue/Columns.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Statement.h"

#include <cstdio>

#include <unistd.h>

using catalogue::cardColumns;

namespace catalogue_writer {

namespace {

QByteArray createTable(const char *table, const QStringList &columns, const QStringList &types)
{
    QStringList definitions;
    for (qsizetype i = 0; i < columns.size(); ++i)
        definitions << columns[i] + " " + types.value(i, types.last());
    return QByteArray("CREATE TABLE ") + table + " (" + definitions.join(", ").toUtf8() + ")";
}

QByteArray insertStatement(const char *table, qsizetype columns)
{
    QByteArray marks = "?";
    for (qsizetype i = 1; i < columns; ++i)
        marks += ",?";
    return QByteArray("INSERT INTO ") + table + " VALUES (" + marks + ")";
}

// A name beside the target that no other file has: the target's folder must be writable
// anyway for the rename at the end.
QString partialName(const QString &target)
{
    QTemporaryFile reserved(target + ".part-XXXXXX");
    if (!reserved.open())
        return {};
    // Removed again so that the database engine creates it with the user's usual permissions.
    return reserved.fileName();
}

const QByteArray emptyText("");

} // namespace

Writer::Writer(const QString &path) : target(path)
{
    if (QFileInfo(path).isDir()) {
        fail("cannot write " + path + ": it is a folder");
        return;
    }
    partial = partialName(path);
    if (partial.isEmpty()) {
        fail("cannot write in the folder of " + path);
        return;
    }
    attempt([&] {
        connection = db::Connection::create(partial);
        // The file is not the catalogue until renamed, so it needs no rollback journal, and a
        // failure needs no care of the disk's: the partial file is dropped.
        const QByteArray cards = createTable(catalogue::cardTable, cardColumns(), {"TEXT COLLATE NOCASE"});
        const QByteArray names = createTable(catalogue::namesTable, catalogue::nameColumns(),
                                             {"TEXT COLLATE NOCASE", "INTEGER"});
        for (const char *statement : {"PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF",
                                      "PRAGMA cache_size = -32768", cards.constData(), names.constData(), "BEGIN"})
            connection->run(statement);
        insertCard = std::make_unique<db::Statement>(*connection, insertStatement(catalogue::cardTable, cardColumns().size()));
        insertName = std::make_unique<db::Statement>(
            *connection, insertStatement(catalogue::namesTable, catalogue::nameColumns().size()));
    });
}

Writer::~Writer()
{
    insertCard.reset();
    insertName.reset();
    connection.reset();
    if (!partial.isEmpty())
        QFile::remove(partial);
}

bool Writer::fail(const QString &why)
{
    if (reason.isEmpty())
        reason = why;
    return false;
}

bool Writer::attempt(const std::function<void()> &step)
{
    if (!reason.isEmpty())
        return false;
    try {
        step();
        return true;
    } catch (const db::DbError &error) {
        return fail(error.message());
    }
}

bool Writer::insert(db::Statement *statement, const QByteArrayList &values)
{
    return statement && attempt([&] {
        for (int i = 0; i < values.size(); ++i)
            statement->bind(i + 1, values[i]);
        statement->step();
    });
}

bool Writer::addCard(const QByteArrayList &values)
{
    return insert(insertCard.get(), values);
}

bool Writer::addName(const QByteArrayList &values)
{
    return insert(insertName.get(), values);
}

bool Writer::add(const CardRow &row)
{
    QByteArrayList values;
    values.reserve(cardColumns().size());
    for (const QString &column : cardColumns())
        values << (row.contains(column) ? row.value(column).toUtf8() : emptyText);
    return addCard(values);
}

bool Writer::finish()
{
    if (!insertCard)
        return false;
    insertCard.reset();
    insertName.reset();
    // Names are looked up by the program with WHERE clauses; indexes keep those lookups
    // fast on large catalogues, with the same case-blind collation as the columns. Made
    // after the rows, they are built in one sort.
    if (!attempt([&] {
            connection->run("CREATE INDEX idxName ON tblZentDeck (fldName COLLATE NOCASE)");
            connection->run("CREATE INDEX idxTrainers ON tblZentDeck (fldTrainers COLLATE NOCASE)");
            connection->run("COMMIT");
        }))
        return false;
    connection.reset();
    // The rows reach the disk before the name does, so a crash cannot leave a damaged file
    // under the target's name; rename() then replaces the target in one step.
    QFile written(partial);
    if (!written.open(QIODevice::ReadWrite) || fsync(written.handle()) != 0)
        return fail("cannot write " + partial);
    written.close();
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0)
        return fail("cannot replace " + target);
    partial.clear();
    return true;
}

bool writeCatalogue(const QString &path, const QList<CardRow> &rows, QString *error)
{
    Writer writer(path);
    for (const CardRow &row : rows)
        writer.add(row);
    const bool written = writer.finish();
    if (!written && error)
        *error = writer.error();
    return written;
}

} // namespace catalogue_writer
