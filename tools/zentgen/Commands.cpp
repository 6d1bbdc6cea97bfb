#include "Commands.h"

#include "CardPainter.h"
#include "CardSource.h"
#include "CatalogueWriter.h"
#include "SyntheticCatalogue.h"

#include <QDir>
#include <QFileInfo>

using catalogue_writer::CardRow;

namespace zentgen {

namespace {

bool writeWithPictures(const QList<CardRow> &rows, const QString &file, QString *error)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = "cannot create the folder " + folder;
        return false;
    }
    if (!catalogue_writer::writeCatalogue(file, rows, error)) {
        *error = "cannot write " + file + ": " + *error;
        return false;
    }
    return paintPictures(rows, folder, error);
}

} // namespace

bool buildCatalogue(const QString &source, const QString &folder, QString *error)
{
    QList<CardRow> rows;
    if (!readCardSource(source, &rows, error))
        return false;
    return writeWithPictures(rows, folder + "/zentdeck.znt", error);
}

bool buildSynthetic(int rows, const QString &file, QString *error)
{
    return writeWithPictures(syntheticRows(rows), file, error);
}

} // namespace zentgen
