#include "CatalogueWriter.h"

#include "catalogue/Columns.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <cstdio>

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

const QString emptyText = QStringLiteral("");

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
    if (sqlite3_open_v2(partial.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr)
        != SQLITE_OK) {
        fail();
        return;
    }
    // The file is not the catalogue until renamed, so it needs no rollback journal, and a
    // failure needs no care of the disk's: the partial file is dropped.
    const QByteArray cards = createTable(catalogue::cardTable, cardColumns(), {"TEXT COLLATE NOCASE"});
    const QByteArray names = createTable(catalogue::namesTable, catalogue::nameColumns(),
                                         {"TEXT COLLATE NOCASE", "INTEGER"});
    const QByteArray cardInsert = insertStatement(catalogue::cardTable, cardColumns().size());
    const QByteArray nameInsert = insertStatement(catalogue::namesTable, catalogue::nameColumns().size());
    if (run("PRAGMA journal_mode = OFF") && run("PRAGMA synchronous = OFF")
        && run("PRAGMA cache_size = -32768") && run(cards.constData()) && run(names.constData())
        && run("BEGIN")
        && (sqlite3_prepare_v2(db, cardInsert.constData(), -1, &insertCard, nullptr) != SQLITE_OK
            || sqlite3_prepare_v2(db, nameInsert.constData(), -1, &insertName, nullptr) != SQLITE_OK))
        fail();
}

Writer::~Writer()
{
    sqlite3_finalize(insertCard);
    sqlite3_finalize(insertName);
    sqlite3_close_v2(db);
    if (!partial.isEmpty())
        QFile::remove(partial);
}

bool Writer::fail(const QString &why)
{
    if (reason.isEmpty())
        reason = !why.isEmpty() ? why : db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString("out of memory");
    return false;
}

bool Writer::run(const char *statement)
{
    return sqlite3_exec(db, statement, nullptr, nullptr, nullptr) == SQLITE_OK || fail();
}

bool Writer::insert(sqlite3_stmt *statement, const QStringList &values)
{
    if (!reason.isEmpty() || !statement)
        return fail();
    for (int i = 0; i < values.size(); ++i) {
        if (values[i].isNull()) {
            sqlite3_bind_null(statement, i + 1);
            continue;
        }
        const QByteArray text = values[i].toUtf8();
        sqlite3_bind_text(statement, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_reset(statement);
    return done || fail();
}

bool Writer::addCard(const QStringList &values)
{
    return insert(insertCard, values);
}

bool Writer::addName(const QStringList &values)
{
    return insert(insertName, values);
}

bool Writer::add(const CardRow &row)
{
    QStringList values;
    values.reserve(cardColumns().size());
    for (const QString &column : cardColumns()) {
        const QString value = row.value(column);
        values << (value.isNull() ? emptyText : value);
    }
    return addCard(values);
}

bool Writer::finish()
{
    if (!reason.isEmpty() || !insertCard)
        return fail();
    sqlite3_finalize(insertCard);
    sqlite3_finalize(insertName);
    insertCard = insertName = nullptr;
    // Names are looked up by the program with WHERE clauses; indexes keep those lookups
    // fast on large catalogues, with the same case-blind collation as the columns. Made
    // after the rows, they are built in one sort.
    if (!run("CREATE INDEX idxName ON tblZentDeck (fldName COLLATE NOCASE)")
        || !run("CREATE INDEX idxTrainers ON tblZentDeck (fldTrainers COLLATE NOCASE)") || !run("COMMIT"))
        return false;
    if (sqlite3_close(db) != SQLITE_OK)
        return fail();
    db = nullptr;
    // rename() replaces the target in one step, so a reader sees the old file or the new one.
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
