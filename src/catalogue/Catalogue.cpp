#include "catalogue/Catalogue.h"

#include "catalogue/Columns.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/system/Files.h"
#include "platform/system/Programs.h"
#include "platform/ui/BusyCursor.h"

#include <QFile>
#include <QFileInfo>

namespace catalogue {

Catalogue::Catalogue(const db::Engine &databaseEngine, db::StatementLog *statementLog, CatalogueTool catalogueTool,
                     sys::FailureSink *failures)
    : engine(databaseEngine), tool(std::move(catalogueTool)), log(statementLog), attempt(failures),
      zents(databaseEngine, statementLog), names(databaseEngine, statementLog)
{
    // The card display only ever reads the catalogue.
    zents.setReadOnly(true);
}

void Catalogue::open(const QString &path)
{
    const QString chosen = QFileInfo(path).canonicalFilePath();
    QString file = workingCopies.value(chosen);
    bool newCopy = false;
    const auto openCopy = [&](WorkingCopy kind) {
        file = makeWorkingCopy(path, kind);
        newCopy = true;
        return db::Database::open(engine, file, log);
    };
    try {
        std::optional<db::Database> opened;
        if (!file.isEmpty()) {
            opened = db::Database::open(engine, file, log);
        } else if (const std::optional<WorkingCopy> kind = copyNeeded(path)) {
            opened = openCopy(*kind);
        } else {
            file = path;
            try {
                opened = db::Database::open(engine, file, log);
            } catch (const db::DbError &error) {
                // Another running copy of the program keeps its deck in this file: this copy
                // keeps its own, in a copy of the file as it is now.
                if (error.cause() != db::DbError::Cause::InUse)
                    throw;
                opened = openCopy(WorkingCopy::InUse);
            }
        }
        // The program writes the working deck, and nothing else.
        opened->allowWrites(namesTable);
        // The program never writes the cards, so its walks over them (the name lists, the
        // search, the member count and the evolution walk) read them from memory. The deck is
        // read from memory too, read again after each change: a cursor left standing on one of
        // its rows would hold a read of the file open, and keep a change from being written.
        opened->hold(cardTable, {column::name, column::trainers, column::group});
        opened->hold(namesTable, {column::deckName, column::id});
        current = std::move(opened);
        // The cursors of the file replaced read nothing of this one.
        cards.reset();
        deck.reset();
    } catch (const sys::Failure &) {
        if (newCopy)
            QFile::remove(file);
        throw;
    }
    if (newCopy)
        workingCopies.insert(chosen, file);
    openFile = file;
}

std::optional<Catalogue::WorkingCopy> Catalogue::copyNeeded(const QString &path) const
{
    switch (fileKind(sys::fileStart(path, fileKindBytes))) {
    case FileKind::Legacy:
        return WorkingCopy::Legacy;
    case FileKind::Sqlite:
        // SQLite writes a journal beside the file: its folder must be writable too.
        if (sys::canWriteInPlace(path))
            return std::nullopt;
        return WorkingCopy::ReadOnly;
    case FileKind::Other:
        break;
    }
    throw db::DbError(path + " is not a catalogue");
}

QString Catalogue::makeWorkingCopy(const QString &path, WorkingCopy kind)
{
    if (!folder)
        folder.emplace();
    const QString copy = folder->path() + QString("/catalogue-%1.znt").arg(workingCopies.size() + 1);
    switch (kind) {
    case WorkingCopy::ReadOnly:
        sys::copyPrivately(path, copy);
        break;
    case WorkingCopy::InUse:
        // Read as the engine reads it, so a write of the other copy's is in it whole or not at all.
        db::Connection::open(engine, path, db::Connection::Mode::ReadOnly)->backUpTo(copy);
        break;
    case WorkingCopy::Legacy: {
        // Full paths, so that no name is taken for one of the tool's options.
        const QStringList arguments{"import", QFileInfo(path).absoluteFilePath(), copy};
        ui::BusyCursor busy;
        if (!sys::runProgram(tool.path, arguments, tool.timeLimitMs, tool.memoryLimitBytes)) {
            QFile::remove(copy);
            throw db::DbError("the catalogue tool could not read " + path);
        }
        break;
    }
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
    if (!current)
        throw db::DbError("no catalogue is open");
    return *current;
}

void Catalogue::openCatalogueCursor()
{
    cards = database().openCursor(cardTable);
}

void Catalogue::openNamesCursor()
{
    deck = database().openCursor(namesTable);
}

void Catalogue::queryNames(const QString &statement)
{
    deck = database().openCursor(statement);
}

db::Cursor &Catalogue::catalogueCursor()
{
    if (!cards)
        throw db::DbError("the catalogue cursor is not open");
    return *cards;
}

db::Cursor &Catalogue::namesCursor()
{
    if (!deck)
        throw db::DbError("the working-deck cursor is not open");
    return *deck;
}

} // namespace catalogue
