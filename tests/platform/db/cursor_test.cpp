#include "CatalogueWriter.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/system/Fault.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace db;

using catalogue_writer::CardRow;

namespace {

// Creatures in stored order, with duplicate and case-variant names the name index sorts
// differently; each row's notes say where it is stored.
QString writeCards(const TempDir &dir)
{
    const QStringList names = {"Gamma", "alpha", "Beta", "Alpha", "ALPHA", "z", "Alpha"};
    QList<CardRow> rows;
    for (int i = 0; i < names.size(); ++i) {
        const bool trainer = names[i] == "z";
        rows.append({{"fldName", names[i]}, {"fldTrainers", trainer ? "Alpha" : "z"},
                     {"fldNotes", QString::number(i)}, {"fldZentGroup", "G" + names[i]}});
    }
    const QString path = dir.file("cards.znt");
    EXPECT_TRUE(catalogue_writer::writeCatalogue(path, rows));
    return path;
}

QStringList walk(Cursor &cursor, const QString &column)
{
    QStringList values;
    cursor.forEachValue(column, [&](QStringView value) { values << value.toString(); });
    return values;
}

} // namespace

// The same walks, moves and failures whether the card table is read from the file at each
// step or held in memory for the open.
TEST(Cursor, HeldOrNotATableGivesTheSameRowsAndNoReadWithoutARow)
{
    TempDir dir;
    const QString path = writeCards(dir);
    Database fromFile = Database::open(path);
    Database held = Database::open(path);
    held.hold("tblZentDeck", {"fldName", "fldTrainers"});
    for (Database *db : {&fromFile, &held}) {
        SCOPED_TRACE(db == &held ? "held" : "from the file");
        auto cursor = db->openCursor("tblZentDeck");
        EXPECT_EQ(walk(*cursor, "fldName"), QStringList({"Gamma", "alpha", "Beta", "Alpha", "ALPHA", "z", "Alpha"}));
        EXPECT_EQ(cursor->state(), Cursor::State::PastEnd);
        // A column not read before, asked for past the last row, fails as every read there does.
        EXPECT_THROW(cursor->value("fldZentGroup"), DbError);
        EXPECT_THROW(cursor->value("fldName"), DbError);
        EXPECT_THROW(cursor->moveNext(), DbError);

        cursor->moveFirst();
        cursor->moveNext();
        EXPECT_EQ(cursor->value("FLDZENTGROUP"), "Galpha");
        EXPECT_EQ(cursor->value("fldNotes"), "1");
        cursor->moveLast();
        EXPECT_EQ(cursor->values().mid(0, 2), QStringList({"Alpha", "z"}));
        EXPECT_THROW(cursor->value("fldNoSuchColumn"), DbError);
        EXPECT_EQ(cursor->state(), Cursor::State::OnRow);
    }
    // A row changed through the open all the same is seen by the cursors opened after it.
    held.hold("tblNames", {"fldNames"});
    EXPECT_EQ(held.openCursor("tblNames")->state(), Cursor::State::PastEnd);
    held.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Beta', '1')");
    EXPECT_EQ(walk(*held.openCursor("tblNames"), "fldNames"), QStringList({"Beta"}));
}

TEST(Cursor, ACursorThatCannotReadOnFailsEveryReadAndNoCursorWrites)
{
    TempDir dir;
    const QString path = writeCards(dir);
    // Another program may change the file while a cursor stands on a row.
    sqlite3Tool(path, "PRAGMA journal_mode=WAL");
    const Database db = Database::open(path);
    auto cursor = db.openCursor("tblZentDeck");
    cursor->moveNext();
    EXPECT_EQ(cursor->value("fldName"), "alpha");
    sqlite3Tool(path, "ALTER TABLE tblZentDeck RENAME COLUMN fldNotes TO fldRemarks");
    EXPECT_THROW(cursor->value("fldNotes"), DbError);
    EXPECT_EQ(cursor->state(), Cursor::State::Failed);
    EXPECT_TRUE(cursor->eof());
    EXPECT_THROW(cursor->value("fldName"), DbError);
    EXPECT_THROW(cursor->moveNext(), DbError);
    // Starting again reads the file as it is now, or fails again.
    EXPECT_THROW(cursor->moveFirst(), DbError);
    EXPECT_THROW(cursor->value("fldName"), DbError);

    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Beta', '1')");
    for (const char *write : {"DELETE * FROM tblNames", "UPDATE tblNames SET fldNames = 'X'",
                              "INSERT INTO tblNames (fldNames,fldID) VALUES ('C', '2') RETURNING *"})
        EXPECT_THROW(db.openCursor(write), DbError) << write;
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldNames FROM tblNames"), "Beta");
}

// A column the file does not have is the file's failure; one the program's own statement does
// not give, an index out of range and a closed cursor are the program's faults, never passed
// over as failures are.
TEST(Cursor, TheProgramsFaultsAreNotTheFilesFailures)
{
    TempDir dir;
    const Database db = Database::open(writeCards(dir));
    EXPECT_THROW(db.openCursor("tblZentDeck")->value("fldNoSuch"), DbError);
    EXPECT_THROW(db.openCursor(" SELECT * FROM tblZentDeck ")->value("fldNoSuch"), DbError);
    auto names = db.openCursor("SELECT fldName FROM tblZentDeck");
    EXPECT_THROW(names->value("fldNotes"), sys::Fault);
    EXPECT_THROW(names->value(1), sys::Fault);
    EXPECT_NO_THROW(names->value(0));
    names->close();
    EXPECT_THROW(names->value(0), sys::Fault);
    EXPECT_THROW(names->moveFirst(), sys::Fault);
    EXPECT_THROW(names->moveNext(), sys::Fault);
}

// The name indexes make the statements the program sends quick; the rows still come back in
// the order they are stored, as they do without the indexes.
TEST(Cursor, TheNameIndexesLeaveTheOrderOfEveryLookupAsStored)
{
    TempDir dir;
    const QString path = writeCards(dir);
    const QStringList lookups = {" SELECT * FROM tblZentDeck  WHERE fldName =  'alpha' ",
                                 " SELECT * FROM tblZentDeck  WHERE fldTrainers =  'ALPHA' ",
                                 " SELECT * FROM tblZentDeck  WHERE fldName =  'z' "};
    const auto notesOf = [&] {
        const Database db = Database::open(path);
        QStringList found;
        for (const QString &lookup : lookups)
            found << walk(*db.openCursor(lookup), "fldNotes").join(",");
        return found;
    };
    EXPECT_TRUE(sqlite3Tool(path, "EXPLAIN QUERY PLAN" + lookups[0]).contains("idxName"));
    EXPECT_TRUE(sqlite3Tool(path, "EXPLAIN QUERY PLAN" + lookups[1]).contains("idxTrainers"));
    const QStringList indexed = notesOf();
    EXPECT_EQ(indexed, QStringList({"1,3,4,6", "5", "5"}));
    sqlite3Tool(path, "DROP INDEX idxName; DROP INDEX idxTrainers");
    EXPECT_EQ(notesOf(), indexed);
}
