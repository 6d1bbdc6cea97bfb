#pragma once

#include "CatalogueWriter.h"

#include <QList>
#include <QString>

// Reads the readable source of a catalogue: lines starting with '#' are comments, blank lines
// are ignored, the first other line names the columns (every column of the card table, in any
// order, separated by tabs) and each further line is one card, its fields separated by tabs.
// Fields are taken exactly as written: no trimming, no quoting, no escapes.
namespace zentgen {

// Parses source text; on a fault returns false and names the line in *error.
bool parseCardSource(const QString &text, QList<catalogue_writer::CardRow> *rows, QString *error);

// Reads and parses a UTF-8 source file.
bool readCardSource(const QString &path, QList<catalogue_writer::CardRow> *rows, QString *error);

} // namespace zentgen
