#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

// Writes catalogue files (*.znt): an SQLite database with the card table tblZentDeck and
// the working-deck table tblNames. Used by the catalogue tools and by tests that need
// a catalogue made for the case.
namespace catalogue_writer {

// One card: column name -> text. Columns left out are stored as empty text.
using CardRow = QHash<QString, QString>;

// Writes a catalogue one row at a time, so a catalogue of any size takes little memory.
// The rows go to a new file beside the target, which takes the target's name only when
// finish() succeeds: the target never holds a partly written catalogue.
class Writer
{
public:
    explicit Writer(const QString &path);
    ~Writer();

    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    bool add(const CardRow &row);
    // A row given as its values in column order (a null QString is stored as NULL), for
    // tblZentDeck and for tblNames.
    bool addCard(const QStringList &values);
    bool addName(const QStringList &values);
    bool finish();
    // Why the last step failed; empty while all went well.
    const QString &error() const { return reason; }

private:
    bool run(const char *statement);
    bool insert(sqlite3_stmt *statement, const QStringList &values);
    bool fail(const QString &why = {});

    QString target;
    QString partial; // the file being written, renamed to target at the end
    sqlite3 *db = nullptr;
    sqlite3_stmt *insertCard = nullptr;
    sqlite3_stmt *insertName = nullptr;
    QString reason;
};

// Writes the file with the given rows, in order. Returns false, with a reason in *error when
// given, if the file cannot be written.
bool writeCatalogue(const QString &path, const QList<CardRow> &rows, QString *error = nullptr);

} // namespace catalogue_writer
