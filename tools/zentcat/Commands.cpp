#include "Commands.h"

#include "CatalogueCheck.h"
#include "CatalogueSource.h"
#include "CatalogueWriter.h"
#include "TsvFormat.h"

#include "catalogue/Columns.h"

#include <QFileInfo>
#include <QSaveFile>

using catalogue::cardColumns;
using catalogue::cardTable;
using catalogue::nameColumns;
using catalogue::namesTable;

namespace zentcat {

namespace {

// Opens a catalogue that must hold the tables the program requires.
std::unique_ptr<CatalogueSource> openWhole(const QString &path, QString *error)
{
    std::unique_ptr<CatalogueSource> source = openCatalogue(path, error);
    if (!source)
        return nullptr;
    for (const char *table : {cardTable, namesTable}) {
        if (!source->hasTable(table) && (source->isDatabase() || table == cardTable)) {
            *error = path + " has no table " + table + " (a catalogue needs tblZentDeck and tblNames)";
            return nullptr;
        }
    }
    return source;
}

} // namespace

ExitCode importCatalogue(const QString &in, const QString &out, QString *error)
{
    std::unique_ptr<CatalogueSource> source = openWhole(in, error);
    if (!source)
        return BadInput;
    catalogue_writer::Writer writer(out);
    const auto addCard = [&](const QStringList &values) { return writer.addCard(values); };
    const auto addName = [&](const QStringList &values) { return writer.addName(values); };
    const bool read = writer.error().isEmpty() && source->readTable(cardTable, cardColumns(), addCard)
                      && (!source->isDatabase() || source->readTable(namesTable, nameColumns(), addName));
    if (read && writer.finish())
        return Success;
    if (!writer.error().isEmpty()) {
        *error = "cannot write " + out + ": " + writer.error();
        return CannotWrite;
    }
    *error = in + ": " + source->error();
    return BadInput;
}

ExitCode exportCards(const QString &in, const QString &out, QString *error)
{
    std::unique_ptr<CatalogueSource> source = openWhole(in, error);
    if (!source)
        return BadInput;
    // QSaveFile writes beside the target and renames at commit, so no partial text is left.
    QSaveFile file(out);
    if (QFileInfo(out).isDir() || !file.open(QIODevice::WriteOnly)) {
        *error = "cannot write " + out + (QFileInfo(out).isDir() ? ": it is a folder" : ": " + file.errorString());
        return CannotWrite;
    }
    file.write(tsvHeader());
    // A failed write shows at the commit.
    const auto writeLine = [&](const QStringList &values) {
        file.write(tsvLine(values));
        return true;
    };
    if (!source->readTable(cardTable, cardColumns(), writeLine)) {
        file.cancelWriting();
        *error = in + ": " + source->error();
        return BadInput;
    }
    if (!file.commit()) {
        *error = "cannot write " + out + ": " + file.errorString();
        return CannotWrite;
    }
    return Success;
}

ExitCode checkCatalogue(const QString &in, QStringList *findings, QString *error)
{
    std::unique_ptr<CatalogueSource> source = openCatalogue(in, error);
    if (!source)
        return BadInput;
    if (!findSurprises(*source, QFileInfo(in).absolutePath(), findings)) {
        *error = in + ": " + source->error();
        return BadInput;
    }
    return findings->isEmpty() ? Success : ProblemsFound;
}

} // namespace zentcat
