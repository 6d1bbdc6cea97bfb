#pragma once

#include "CatalogueWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

// Reads a catalogue file read-only: the rows of the card table in stored order.
QList<catalogue_writer::CardRow> readCards(const QString &path);

// What a catalogue holds, as the program's list filling and evolution lookup see it.
struct CatalogueShape
{
    int linesOfThree = 0;
    int linesOfTwo = 0;
    int loneBasics = 0;
    int trainers = 0;
    QStringList faults; // every row that breaks the catalogue's conventions, with the reason
};

// Walks the rows in stored order: each creature starts a line at its basic (stage "1"),
// followed directly by its later stages in the same group, with the evolution texts naming
// the stage before; a group is used by one line only; names are unique; trainers carry no
// group, stage or attacks.
CatalogueShape shapeOf(const QList<catalogue_writer::CardRow> &rows);

// The picture paths of the rows, in order, without repeats.
QStringList picturePaths(const QList<catalogue_writer::CardRow> &rows);
