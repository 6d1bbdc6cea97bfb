#include "CatalogueWriter.h"

#include <QFile>

#include <sqlite3.h>

namespace catalogue_writer {

const QStringList &cardColumns()
{
    static const QStringList columns = {
        "fldName",       "fldTrainers",    "fldImage",       "fldCatagory",   "fldHitPoints",
        "fldWeakness",   "fldResistance",  "fldRetreatCost", "fldLevel",      "fldEvolution",
        "fldZentPower",  "fldNotes",       "fldAttack1",     "fldAtck1Cost",  "fldAtck1Damage",
        "fldAtck1Effects", "fldAttack2",   "fldAtck2Cost",   "fldAtck2Damage", "fldAtck2Effects",
        "fldZentGroup",  "fldGroupLev"};
    return columns;
}

namespace {

QByteArray createCardTable()
{
    QStringList columns;
    for (const QString &column : cardColumns())
        columns << column + " TEXT COLLATE NOCASE";
    return "CREATE TABLE tblZentDeck (" + columns.join(", ").toUtf8() + ")";
}

QByteArray insertStatement()
{
    QStringList marks;
    for (qsizetype i = 0; i < cardColumns().size(); ++i)
        marks << "?";
    return "INSERT INTO tblZentDeck VALUES (" + marks.join(",").toUtf8() + ")";
}

} // namespace

Writer::Writer(const QString &path)
{
    if (QFile::exists(path) && !QFile::remove(path)) {
        reason = "cannot replace " + path;
        return;
    }
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr)
        != SQLITE_OK) {
        fail();
        return;
    }
    // Names are looked up by the program with WHERE clauses; indexes keep those lookups
    // fast on large catalogues, with the same case-blind collation as the columns.
    const QByteArray table = createCardTable();
    const QByteArray insertText = insertStatement();
    if (run(table.constData())
        && run("CREATE INDEX idxName ON tblZentDeck (fldName COLLATE NOCASE)")
        && run("CREATE INDEX idxTrainers ON tblZentDeck (fldTrainers COLLATE NOCASE)")
        && run("CREATE TABLE tblNames (fldNames TEXT COLLATE NOCASE, fldID INTEGER)")
        && run("BEGIN")
        && sqlite3_prepare_v2(db, insertText.constData(), -1, &insert, nullptr) != SQLITE_OK)
        fail();
}

Writer::~Writer()
{
    sqlite3_finalize(insert);
    sqlite3_close_v2(db);
}

bool Writer::fail()
{
    if (reason.isEmpty())
        reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString("out of memory");
    return false;
}

bool Writer::run(const char *statement)
{
    return sqlite3_exec(db, statement, nullptr, nullptr, nullptr) == SQLITE_OK || fail();
}

bool Writer::add(const CardRow &row)
{
    if (!reason.isEmpty() || !insert)
        return fail();
    for (int i = 0; i < cardColumns().size(); ++i) {
        const QByteArray text = row.value(cardColumns()[i]).toUtf8();
        sqlite3_bind_text(insert, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    const bool done = sqlite3_step(insert) == SQLITE_DONE;
    sqlite3_reset(insert);
    return done || fail();
}

bool Writer::finish()
{
    if (!reason.isEmpty() || !insert)
        return fail();
    sqlite3_finalize(insert);
    insert = nullptr;
    return run("COMMIT");
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
