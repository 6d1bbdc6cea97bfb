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

// Writes the rows that make() hands over into the file, drawing their pictures beside it.
bool writeWithPictures(const QString &file, QString *error,
                       const std::function<void(const TakeRow &)> &make)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = "cannot create the folder " + folder;
        return false;
    }
    catalogue_writer::Writer writer(file);
    PicturePainter painter(folder);
    bool painted = true;
    make([&](const CardRow &row) {
        writer.add(row);
        painted = painted && painter.paint(row, error);
    });
    if (!writer.finish()) {
        *error = "cannot write " + file + ": " + writer.error();
        return false;
    }
    return painted;
}

} // namespace

bool buildCatalogue(const QString &source, const QString &folder, QString *error)
{
    QList<CardRow> rows;
    if (!readCardSource(source, &rows, error))
        return false;
    return writeWithPictures(folder + "/zentdeck.znt", error, [&rows](const TakeRow &take) {
        for (const CardRow &row : rows)
            take(row);
    });
}

bool buildSynthetic(int rows, const QString &file, QString *error)
{
    return writeWithPictures(file, error, [rows](const TakeRow &take) { makeSyntheticRows(rows, take); });
}

} // namespace zentgen
