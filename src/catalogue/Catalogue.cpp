#include "catalogue/Catalogue.h"

#include "platform/db/DbError.h"

namespace catalogue {

Catalogue::Catalogue(db::StatementLog *statementLog)
    : log(statementLog), zents(statementLog), names(statementLog)
{
    // The card display only ever reads the catalogue.
    zents.setReadOnly(true);
}

void Catalogue::open(const QString &path)
{
    // An empty or foreign database is no catalogue: opening it would leave the program pointing
    // at a file where its deck cannot be kept.
    db::Database opened = db::Database::open(path, log);
    for (const char *table : {"tblZentDeck", "tblNames"}) {
        if (!opened.hasTable(table))
            throw db::DbError(path + " holds no table " + table);
    }
    // The program never writes the cards, so its walks over them (the name lists, the search,
    // the member count and the evolution walk) read them from memory.
    opened.hold("tblZentDeck", {"fldName", "fldTrainers", "fldZentGroup"});
    gdbZents = std::move(opened);
}

void Catalogue::pointDataControls(const QString &path)
{
    zents.setDatabaseName(path);
    zents.setRecordSource("tblZentDeck");
    names.setDatabaseName(path);
    names.setRecordSource("tblNames");
}

const db::Database &Catalogue::database() const
{
    if (!gdbZents)
        throw db::DbError("no catalogue is open");
    return *gdbZents;
}

void Catalogue::openCatalogueCursor()
{
    rsCatalogue = database().openCursor("tblZentDeck");
}

void Catalogue::openNamesCursor()
{
    rsNames = database().openCursor("tblNames");
}

void Catalogue::queryNames(const QString &statement)
{
    rsNames = database().openCursor(statement);
}

db::Cursor &Catalogue::catalogueCursor()
{
    if (!rsCatalogue)
        throw db::DbError("the catalogue cursor is not open");
    return *rsCatalogue;
}

db::Cursor &Catalogue::namesCursor()
{
    if (!rsNames)
        throw db::DbError("the working-deck cursor is not open");
    return *rsNames;
}

} // namespace catalogue
