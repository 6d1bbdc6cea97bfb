#include "catalogue/Catalogue.h"

#include "catalogue/Columns.h"
#include "platform/db/DbError.h"
#include "platform/system/Files.h"
#include "platform/system/Programs.h"
#include "platform/ui/BusyCursor.h"

#include <QFile>
#include <QFileInfo>

namespace catalogue {

Catalogue::Catalogue(db::StatementLog *statementLog, CatalogueTool catalogueTool, sys::FailureSink *failures)
    : tool(std::move(catalogueTool)), log(statementLog), attempt(failures), zents(statementLog), names(statementLog)
{
    // The card display only ever reads the catalogue.
    zents.setReadOnly(true);
}

void Catalogue::open(const QString &path)
{
    const QString chosen = QFileInfo(path).canonicalFilePath();
    const QString copied = workingCopies.value(chosen);
    const QString file = copied.isEmpty() ? fileToOpen(path) : copied;
    const bool newCopy = copied.isEmpty() && file != path;
    try {
        db::Database opened = db::Database::open(file, log);
        // The program never writes the cards, so its walks over them (the name lists, the
        // search, the member count and the evolution walk) read them from memory. The deck is
        // read from memory too, read again after each change: a cursor left standing on one of
        // its rows would hold a read of the file open, and keep a change from being written.
        opened.hold(cardTable, {column::name, column::trainers, column::group});
        opened.hold(namesTable, {column::deckName, column::id});
        gdbZents = std::move(opened);
        // The cursors of the file replaced read nothing of this one.
        rsCatalogue.reset();
        rsNames.reset();
    } catch (const sys::Failure &) {
        if (newCopy)
            QFile::remove(file);
        throw;
    }
    if (newCopy)
        workingCopies.insert(chosen, file);
    openFile = file;
}

QString Catalogue::fileToOpen(const QString &path)
{
    switch (fileKind(sys::fileStart(path, fileKindBytes))) {
    case FileKind::Legacy:
        return makeWorkingCopy(path, true);
    case FileKind::Sqlite:
        // SQLite writes a journal beside the file: its folder must be writable too.
        return sys::canWriteInPlace(path) ? path : makeWorkingCopy(path, false);
    case FileKind::Other:
        break;
    }
    throw db::DbError(path + " is not a catalogue");
}

QString Catalogue::makeWorkingCopy(const QString &path, bool legacy)
{
    if (!folder)
        folder.emplace();
    const QString copy = folder->path() + QString("/catalogue-%1.znt").arg(workingCopies.size() + 1);
    if (!legacy) {
        sys::copyPrivately(path, copy);
        return copy;
    }
    // Full paths, so that no name is taken for one of the tool's options.
    const QStringList arguments{"import", QFileInfo(path).absoluteFilePath(), copy};
    ui::BusyCursor busy;
    if (!sys::runProgram(tool.path, arguments, tool.timeLimitMs)) {
        QFile::remove(copy);
        throw db::DbError("the catalogue tool could not read " + path);
    }
    return copy;
}

void Catalogue::pointDataControls()
{
    zents.setDatabaseName(openFile);
    zents.setRecordSource(cardTable);
    names.setDatabaseName(openFile);
    names.setRecordSource(namesTable);
}

const db::Database &Catalogue::database() const
{
    if (!gdbZents)
        throw db::DbError("no catalogue is open");
    return *gdbZents;
}

void Catalogue::openCatalogueCursor()
{
    rsCatalogue = database().openCursor(cardTable);
}

void Catalogue::openNamesCursor()
{
    rsNames = database().openCursor(namesTable);
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
