#pragma once

#include "platform/db/Cursor.h"
#include "platform/db/DataControl.h"
#include "platform/db/Database.h"

#include <memory>
#include <optional>

namespace db {
class StatementLog;
}

namespace catalogue {

// The "z" in fldName or fldTrainers: the row has no name of that kind.
inline bool isNoName(QStringView name)
{
    return name == u"z";
}

// The main window's handles on the open catalogue file: the database gdbZents, the cursors
// rsCatalogue (all cards) and rsNames (the working deck), and the two data controls,
// datZents (the card display, read-only) and datNames (the working deck).
// Every operation throws DbError when it fails and then leaves the handles as they were.
class Catalogue
{
public:
    // A log, when given, receives every statement text sent to the file.
    explicit Catalogue(db::StatementLog *log = nullptr);

    // Opens the file as gdbZents; it must hold both tables, tblZentDeck and tblNames. On
    // failure the previously open file stays in use.
    void open(const QString &path);
    bool isOpen() const { return gdbZents.has_value(); }
    const db::Database &database() const; // throws DbError when no file is open

    void openCatalogueCursor(); // rsCatalogue on "tblZentDeck"
    void openNamesCursor();     // rsNames on "tblNames"
    // Replaces rsNames by the result of a SELECT on the working deck.
    void queryNames(const QString &statement);
    db::Cursor &catalogueCursor(); // throws DbError when rsCatalogue is not open
    db::Cursor &namesCursor();

    void execute(const QString &statement) const { database().execute(statement); }

    // Points both data controls at the file: datZents at the cards, datNames at the working
    // deck. Nothing is read until each is refreshed.
    void pointDataControls(const QString &path);
    db::DataControl &datZents() { return zents; }
    db::DataControl &datNames() { return names; }
    const db::DataControl &datZents() const { return zents; }
    const db::DataControl &datNames() const { return names; }

private:
    db::StatementLog *log;
    std::optional<db::Database> gdbZents;
    std::unique_ptr<db::Cursor> rsCatalogue;
    std::unique_ptr<db::Cursor> rsNames;
    db::DataControl zents;
    db::DataControl names;
};

} // namespace catalogue
