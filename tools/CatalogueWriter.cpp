#include "CatalogueWriter.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

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

QString createCardTable()
{
    QStringList columns;
    for (const QString &column : cardColumns())
        columns << column + " TEXT COLLATE NOCASE";
    return "CREATE TABLE tblZentDeck (" + columns.join(", ") + ")";
}

bool run(QSqlQuery &query, const QString &statement, QString *error)
{
    if (query.exec(statement))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

bool fill(QSqlDatabase &db, const QList<CardRow> &rows, QString *error)
{
    QSqlQuery query(db);
    // Names are looked up by the program with WHERE clauses; indexes keep those lookups
    // fast on large catalogues, with the same case-blind collation as the columns.
    const QStringList schema = {
        createCardTable(),
        "CREATE INDEX idxName ON tblZentDeck (fldName COLLATE NOCASE)",
        "CREATE INDEX idxTrainers ON tblZentDeck (fldTrainers COLLATE NOCASE)",
        "CREATE TABLE tblNames (fldNames TEXT COLLATE NOCASE, fldID INTEGER)"};
    for (const QString &statement : schema)
        if (!run(query, statement, error))
            return false;

    QStringList marks;
    for (qsizetype i = 0; i < cardColumns().size(); ++i)
        marks << "?";
    if (!db.transaction())
        return false;
    if (!query.prepare("INSERT INTO tblZentDeck VALUES (" + marks.join(",") + ")")) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    for (const CardRow &row : rows) {
        for (qsizetype i = 0; i < cardColumns().size(); ++i)
            query.bindValue(int(i), row.value(cardColumns()[i], QString("")));
        if (!query.exec()) {
            if (error)
                *error = query.lastError().text();
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

} // namespace

bool writeCatalogue(const QString &path, const QList<CardRow> &rows, QString *error)
{
    if (QFile::exists(path) && !QFile::remove(path)) {
        if (error)
            *error = "cannot replace " + path;
        return false;
    }
    const QString connection = "catalogue-writer-" + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            if (error)
                *error = db.lastError().text();
        } else {
            ok = fill(db, rows, error);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace catalogue_writer
