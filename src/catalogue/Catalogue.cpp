#include "catalogue/Catalogue.h"

#include "platform/db/DbError.h"

Catalogue::Catalogue() : zents(&log), names(&log)
{
    // The card display only ever reads the catalogue.
    zents.setReadOnly(true);
}

void Catalogue::open(const QString &path)
{
    gdbZents = Database::open(path, &log);
}

void Catalogue::pointDataControls(const QString &path)
{
    zents.setDatabaseName(path);
    zents.setRecordSource("tblZentDeck");
    names.setDatabaseName(path);
    names.setRecordSource("tblNames");
}

const Database &Catalogue::database() const
{
    if (!gdbZents)
        throw DbError("no catalogue is open");
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

Cursor &Catalogue::catalogueCursor()
{
    if (!rsCatalogue)
        throw DbError("the catalogue cursor is not open");
    return *rsCatalogue;
}

Cursor &Catalogue::namesCursor()
{
    if (!rsNames)
        throw DbError("the working-deck cursor is not open");
    return *rsNames;
}
