// The database layer on real files: statements as the program writes them, another program's
// locks, and cursors, held or read from the file, and what they do when the file changes or the
// program errs. The sqlite3 tool reads the files independently.
#include "Testing.h"
#include "CatalogueWriter.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/system/Fault.h"

#include <thread>

using namespace db;

namespace {

// Creatures in stored order, with duplicate and case-variant names; each row's notes say where
// it is stored.
QString writeCards(const TempDir &dir)
{
    const QStringList names = {"Gamma", "alpha", "Beta", "Alpha", "ALPHA", "z", "Alpha"};
    QList<catalogue_writer::CardRow> rows;
    for (int i = 0; i < names.size(); ++i) {
        const bool trainer = names[i] == "z";
        rows.append({{"fldName", names[i]}, {"fldTrainers", trainer ? "Alpha" : "z"},
                     {"fldNotes", QString::number(i)}, {"fldZentGroup", "G" + names[i]}});
    }
    const QString path = dir.file("cards.znt");
    EXPECT_TRUE(catalogue_writer::writeCatalogue(path, rows));
    return path;
}

// Another program on the file, as a database browser, a backup or another copy of the program:
// a transaction that has read a page, or a write transaction, begun by a connection of its own
// and ended after heldMs or with the test. The engine keeps two connections' locks apart as two
// programs'.
struct LockHeld
{
    LockHeld(const QString &path, const char *begin, int heldMs = -1) : other(path)
    {
        holding = other.rows(begin).filter("<error").isEmpty();
        if (heldMs >= 0)
            letGo = std::jthread([this, heldMs] {
                std::this_thread::sleep_for(std::chrono::milliseconds(heldMs));
                other.rows("COMMIT");
            });
    }
    SqliteConnection other;
    bool holding = false;
    std::jthread letGo; // gone first, so the commit has run before the connection closes
};
const char *const readLock = "BEGIN; SELECT count(*) FROM sqlite_schema", *const writeLock = "BEGIN IMMEDIATE";

QStringList walk(Cursor &cursor, const QString &column)
{
    QStringList values;
    cursor.forEachValue(column, [&](QStringView value) { values << value.toString(); });
    return values;
}

} // namespace

TEST(Database, StatementsAsTheProgramWritesThemHaveTheirEffectAndFailuresChangeNothing)
{
    TempDir dir;
    const QString path = writeCards(dir);
    const Database db = Database::open(path);
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('N', '7')");
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('n','8') ");
    // The quoted identifier lands in the whole-number column as a number; names compare
    // without regard to case, as the catalogue's engine did.
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldNames, typeof(fldID) FROM tblNames"), "N|integer\nn|integer");
    EXPECT_EQ(walk(*db.openCursor("SELECT * FROM tblNames WHERE fldNames =  'N' "), "fldID"),
              QStringList({"7", "8"}));
    db.execute("DELETE * FROM tblNames WHERE fldID = 7");
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldID FROM tblNames"), "8");

    // A missing file is not made; a broken or double statement is refused with nothing written,
    // and no cursor writes.
    EXPECT_THROW(Database::open(dir.file("missing.znt")), DbError);
    EXPECT_FALSE(QFile::exists(dir.file("missing.znt")));
    for (const char *refused : {"INSERT INTO tblNames (fldNames,fldID) VALUES ('O'Brien', '2')",
                                "INSERT INTO tblNames VALUES ('X', 3); DELETE * FROM tblNames"})
        EXPECT_THROW(db.execute(refused), DbError) << refused;
    for (const char *write : {"DELETE * FROM tblNames", "UPDATE tblNames SET fldNames = 'X'",
                              "INSERT INTO tblNames (fldNames,fldID) VALUES ('C', '2') RETURNING *"})
        EXPECT_THROW(db.openCursor(write), DbError) << write;
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldID FROM tblNames"), "8");
}

TEST(Database, EveryWriteIsInTheFileAtOnceAndAnotherProgramsLockOnlyDelaysIt)
{
    TempDir dir;
    const QString path = writeCards(dir);
    const auto insert = [](const Database &db, int id) {
        db.execute(QString("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', %1)").arg(id));
    };
    {
        // Another program's reader, and a writer that lets go within the wait: each delays
        // the write, neither fails it.
        const Database db = Database::open(path);
        LockHeld reader(path, readLock, 300);
        ASSERT_TRUE(reader.holding);
        insert(db, 1);
        LockHeld writer(path, writeLock, 300);
        ASSERT_TRUE(writer.holding);
        insert(db, 2);
        // Seen at once by every open of the file and by another program, with the write-ahead
        // log in use while the program writes.
        EXPECT_EQ(walk(*Database::open(path).openCursor("tblNames"), "fldID"), QStringList({"1", "2"}));
        EXPECT_EQ(sqlite3Tool(path, "PRAGMA journal_mode; SELECT group_concat(fldID) FROM tblNames"), "wal\n1,2");

        // Once the file is in the log's hands, a reader that never lets go holds nothing up.
        // (A lock kept past the wait is the fault campaign's: the statement fails, nothing held.)
        LockHeld browser(path, readLock);
        insert(db, 3);
    }
    // Let go, the file is back on the ordinary journal, every row in it.
    EXPECT_EQ(sqlite3Tool(path, "PRAGMA journal_mode; SELECT group_concat(fldID) FROM tblNames"),
              "delete\n1,2,3");
    EXPECT_FALSE(QFile::exists(path + "-wal"));
}

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
        // A column the file does not have is the file's failure.
        EXPECT_THROW(cursor->value("fldNoSuchColumn"), DbError);
        EXPECT_EQ(cursor->state(), Cursor::State::OnRow);
    }
    // A row changed through the open all the same is seen by the cursors opened after it.
    held.hold("tblNames", {"fldNames"});
    EXPECT_EQ(held.openCursor("tblNames")->state(), Cursor::State::PastEnd);
    held.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Beta', '1')");
    EXPECT_EQ(walk(*held.openCursor("tblNames"), "fldNames"), QStringList({"Beta"}));
}

// Another program may change the file while a cursor stands on a row: the cursor fails every
// read from then on. A column the program's own statement does not give, an index out of range
// and a closed cursor are the program's faults, never passed over as failures are.
TEST(Cursor, ACursorThatCannotReadOnFailsEveryReadAndTheProgramsFaultsAreNotFailures)
{
    TempDir dir;
    const QString path = writeCards(dir);
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
