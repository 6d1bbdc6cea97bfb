#pragma once

#include <QSet>
#include <QString>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace db {

// What keeps a catalogue's content from acting on the program, on one handle: the engine's
// switches set so that no trigger fires, no view is read and the schema is untrusted; its lengths
// and depths lowered to what a catalogue needs; its virtual table modules dropped; the slow
// printf() refused; and an authorizer that lets a statement read the file's ordinary tables,
// write the ones the program writes, call the few functions and pragmas the program uses, and
// nothing else. It also notes the tables each statement names as it is prepared.
class DataOnly
{
public:
    // Sets the handle up so; this object must outlive it.
    void guard(sqlite3 *handle);
    // The file's ordinary tables, once its schema is read; until then only the schema is read.
    void tablesAre(QSet<QString> ordinary);
    // The one table the program's statements may change.
    void allowWrites(const QString &table) { writable.insert(table.toLower()); }
    // Whether any of the tables is one the program writes.
    bool writesAny(const QSet<QString> &named) const { return named.intersects(writable); }
    const QSet<QString> &writableTables() const { return writable; }
    // While a statement is prepared, the tables it reads or writes go into `named` (lower case);
    // null when none is.
    void noteTablesIn(QSet<QString> *named) { noted = named; }

private:
    static int authorize(void *self, int action, const char *first, const char *second, const char *database,
                         const char *trigger);
    static void refuseCall(sqlite3_context *call, int arguments, sqlite3_value **values);

    QSet<QString> tables;
    bool tablesKnown = false;
    QSet<QString> writable;
    QSet<QString> *noted = nullptr;
};

} // namespace db
