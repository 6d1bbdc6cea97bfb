#pragma once

#include "CatalogueWriter.h"

#include <QImage>
#include <QList>
#include <QString>

// Draws card pictures: a card-like image in the colours of the card's type with its name,
// hit points, a drawn emblem, its attacks and its weakness, resistance and retreat cost;
// trainers get a silver frame and their card text.
namespace zentgen {

inline constexpr int pictureWidth = 240;
inline constexpr int pictureHeight = 330;

QImage paintCard(const catalogue_writer::CardRow &row);

// Draws every picture the rows name (fldImage, relative to folder) from the first row that
// names it, creating sub-folders as needed. Returns false with a reason on the first failure.
bool paintPictures(const QList<catalogue_writer::CardRow> &rows, const QString &folder, QString *error);

} // namespace zentgen
