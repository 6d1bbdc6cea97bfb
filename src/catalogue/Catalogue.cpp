#include "catalogue/Catalogue.h"

#include "catalogue/Columns.h"
#include "platform/db/DbError.h"
#include "platform/system/Files.h"
#include "platform/system/Programs.h"
#include "platform/ui/BusyCursor.h"

#include <QFile>
#include <QFileInfo>

namespace catalogue {

namespace {

enum class FileKind { Sqlite, Legacy, Other };

// Known by content, whatever the file's name.
FileKind kindOf(const QString &path)
{
    const QByteArray start = sys::fileStart(path, 19);
    if (start.startsWith(QByteArray("SQLite format 3\0", 16)))
        return FileKind::Sqlite;
    const QByteArray engine = start.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        return FileKind::Legacy;
    return FileKind::Other;
}

bool sameFile(const QString &one, const QString &other)
{
    const QString canonical = QFileInfo(one).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}

} // namespace

Catalogue::Catalogue(db::StatementLog *statementLog, CatalogueTool catalogueTool)
    : tool(std::move(catalogueTool)), log(statementLog), zents(statementLog), names(statementLog)
{
    // The card display only ever reads the catalogue.
    zents.setReadOnly(true);
}

void Catalogue::open(const QString &path)
{
    const bool again = !workingCopy.isEmpty() && sameFile(path, chosenFile);
    const QString file = again ? workingCopy : fileToOpen(path);
    const bool newCopy = !again && file != path;
    try {
        // An empty or foreign database is no catalogue: opening it would leave the program
        // pointing at a file where its deck cannot be kept.
        db::Database opened = db::Database::open(file, log);
        for (const char *table : {cardTable, namesTable}) {
            if (!opened.hasTable(table))
                throw db::DbError(path + " holds no table " + table);
        }
        // The program never writes the cards, so its walks over them (the name lists, the
        // search, the member count and the evolution walk) read them from memory.
        opened.hold(cardTable, {column::name, column::trainers, column::group});
        gdbZents = std::move(opened);
    } catch (const sys::Failure &) {
        if (newCopy)
            QFile::remove(file);
        throw;
    }
    // The copy of the file replaced is no longer read by anything that stays.
    if (!workingCopy.isEmpty() && workingCopy != file)
        QFile::remove(workingCopy);
    chosenFile = path;
    workingCopy = file == path ? QString() : file;
}

QString Catalogue::fileToOpen(const QString &path)
{
    switch (kindOf(path)) {
    case FileKind::Legacy:
        return makeWorkingCopy(path, true);
    case FileKind::Sqlite:
        // SQLite writes a journal beside the file: its folder must be writable too.
        return sys::canWriteInPlace(path) ? path : makeWorkingCopy(path, false);
    case FileKind::Other:
        break;
    }
    return path;
}

QString Catalogue::makeWorkingCopy(const QString &path, bool legacy)
{
    if (!folder)
        folder.emplace();
    const QString copy = folder->path() + QString("/catalogue-%1.znt").arg(++copies);
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

void Catalogue::pointDataControls(const QString &path)
{
    const QString file = !workingCopy.isEmpty() && path == chosenFile ? workingCopy : path;
    zents.setDatabaseName(file);
    zents.setRecordSource(cardTable);
    names.setDatabaseName(file);
    names.setRecordSource(namesTable);
}

void Catalogue::runTogether(const std::function<void()> &work) const
{
    if (gdbZents)
        gdbZents->runTogether(work);
    else
        work();
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
