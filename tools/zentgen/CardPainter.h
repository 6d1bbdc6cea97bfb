#pragma once

#include "CatalogueWriter.h"

#include <QImage>
#include <QList>
#include <QSet>
#include <QString>

// Draws card pictures: a card-like image in the colours of the card's type with its name,
// hit points, a drawn emblem, its attacks and its weakness, resistance and retreat cost;
// trainers get a silver frame and their card text.
namespace zentgen {

inline constexpr int pictureWidth = 240;
inline constexpr int pictureHeight = 330;

QImage paintCard(const catalogue_writer::CardRow &row);

// Draws the pictures rows name (fldImage, relative to the folder), each from the first row that
// names it, creating sub-folders as needed.
class PicturePainter
{
public:
    explicit PicturePainter(const QString &folder) : root(folder) {}
    // False with a reason when the picture cannot be written.
    bool paint(const catalogue_writer::CardRow &row, QString *error);

private:
    QString root;
    QSet<QString> drawn;
};

} // namespace zentgen
