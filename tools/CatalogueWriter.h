#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Writes catalogue files (*.znt): an SQLite database with the card table tblZentDeck and
// the working-deck table tblNames. Used by the catalogue generator and by tests that need
// a catalogue made for the case.
namespace catalogue_writer {

// One card: column name -> text. Columns left out are stored as empty text.
using CardRow = QHash<QString, QString>;

// The columns of tblZentDeck, in their stored order.
const QStringList &cardColumns();

// Creates (or replaces) the file at path with both tables and the given rows, in order.
// Returns false, with a reason in *error when given, if the file cannot be written.
bool writeCatalogue(const QString &path, const QList<CardRow> &rows, QString *error = nullptr);

} // namespace catalogue_writer
