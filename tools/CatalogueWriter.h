#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

// Writes catalogue files (*.znt): an SQLite database with the card table tblZentDeck and
// the working-deck table tblNames. Used by the catalogue generator and by tests that need
// a catalogue made for the case.
namespace catalogue_writer {

// One card: column name -> text. Columns left out are stored as empty text.
using CardRow = QHash<QString, QString>;

// The columns of tblZentDeck, in their stored order.
const QStringList &cardColumns();

// Writes a catalogue one row at a time, so a catalogue of any size takes little memory.
// Nothing is in the file until finish() succeeds.
class Writer
{
public:
    // Creates (or replaces) the file at path with both tables.
    explicit Writer(const QString &path);
    ~Writer();

    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    bool add(const CardRow &row);
    bool finish();
    // Why the last step failed; empty while all went well.
    const QString &error() const { return reason; }

private:
    bool run(const char *statement);
    bool fail();

    sqlite3 *db = nullptr;
    sqlite3_stmt *insert = nullptr;
    QString reason;
};

// Writes the file with the given rows, in order. Returns false, with a reason in *error when
// given, if the file cannot be written.
bool writeCatalogue(const QString &path, const QList<CardRow> &rows, QString *error = nullptr);

} // namespace catalogue_writer
