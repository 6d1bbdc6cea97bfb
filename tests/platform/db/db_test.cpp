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
    const Engine engine;
    Database db = Database::open(engine, path);
    db.allowWrites("tblNames");
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('N', '7')");
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('n','8') ");
    // The quoted identifier lands in the whole-number column as a number; names compare
    // without regard to case, as the catalogue's engine did.
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldNames, typeof(fldID) FROM tblNames"), "N|integer\nn|integer");
    EXPECT_EQ(walk(*db.openCursor("SELECT * FROM tblNames WHERE fldNames =  'N' "), "fldID"),
              QStringList({"7", "8"}));
    db.execute("DELETE * FROM tblNames WHERE fldID = 7");
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldID FROM tblNames"), "8");

    // A missing file is not made; a write of a table the program only reads is refused. A text
    // that is no statement, or two, and a cursor asked to write are the program's own faults.
    // Nothing is written.
    EXPECT_THROW(Database::open(engine, dir.file("missing.znt")), DbError);
    EXPECT_FALSE(QFile::exists(dir.file("missing.znt")));
    for (const char *refused : {"DELETE FROM tblZentDeck", "UPDATE tblNames SET fldNames = 'X'"})
        EXPECT_THROW(db.execute(refused, Database::OnPassingFailure::Keep), DbError) << refused;
    for (const char *fault : {"INSERT INTO tblNames (fldNames,fldID) VALUES ('O'Brien', '2')",
                              "INSERT INTO tblNames VALUES ('X', 3); DELETE * FROM tblNames"})
        EXPECT_THROW(db.execute(fault), sys::Fault) << fault;
    for (const char *write : {"DELETE * FROM tblNames", "INSERT INTO tblNames (fldNames,fldID) VALUES ('C', '2') RETURNING *"})
        EXPECT_THROW(db.openCursor(write), sys::Fault) << write;
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldID FROM tblNames; SELECT count(*) FROM tblZentDeck"), "8\n7");
}

// Every write is in the file at once, in the ordinary journal, which is gone again after it.
// Another program's lock delays a write; one kept past the wait refuses it for a passing reason:
// the write is then kept, and written, in order, before anything reads the deck table again.
TEST(Database, AWriteRefusedForAPassingReasonIsKeptAndWrittenBeforeTheDeckIsReadAgain)
{
    TempDir dir;
    const QString path = writeCards(dir);
    sqlite3Tool(path, "PRAGMA journal_mode=WAL"); // as an older copy of the program left it
    const Engine engine(Limits{.busyWaitMs = 300});
    const auto insert = [](const Database &db, int id, auto onFailure) {
        db.execute(QString("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', %1)").arg(id), onFailure);
    };
    const auto ids = [&] { return sqlite3Tool(path, "SELECT group_concat(fldID) FROM tblNames"); };
    using enum Database::OnPassingFailure;
    {
        Database db = Database::open(engine, path);
        db.allowWrites("tblNames");
        insert(db, 1, Fail);
        EXPECT_EQ(sqlite3Tool(path, "PRAGMA journal_mode"), "delete");
        {
            // Another program's reader, and a writer that lets go within the wait: each delays
            // the write, neither fails it.
            LockHeld reader(path, readLock, 100);
            ASSERT_TRUE(reader.holding);
            insert(db, 2, Fail);
        }
        LockHeld writer(path, writeLock, 100);
        ASSERT_TRUE(writer.holding);
        insert(db, 3, Fail);
        EXPECT_FALSE(QFile::exists(path + "-journal"));

        LockHeld browser(path, writeLock);
        insert(db, 4, Keep);
        insert(db, 5, Keep);
        // While the kept writes wait, what comes after them fails: a write that may not wait,
        // and a read of the deck; the cards are read as ever.
        EXPECT_THROW(insert(db, 6, Fail), DbError);
        try {
            walk(*db.openCursor("SELECT fldID FROM tblNames"), "fldID");
            ADD_FAILURE() << "the deck was read before the writes kept for it";
        } catch (const DbError &waiting) {
            EXPECT_EQ(waiting.cause(), DbError::Cause::Passing);
        }
        EXPECT_EQ(walk(*db.openCursor("SELECT fldName FROM tblZentDeck WHERE fldNotes = '0'"), "fldName"),
                  QStringList{"Gamma"});
        browser.other.rows("COMMIT");
        EXPECT_EQ(walk(*db.openCursor("SELECT fldID FROM tblNames"), "fldID"), QStringList({"1", "2", "3", "4", "5"}));

        // A write refused for good is not kept, and kept writes the handle could not write
        // before it closes are tried once more then.
        EXPECT_THROW(db.execute("INSERT INTO tblNames (fldNoSuch) VALUES (7)", Keep), DbError);
        LockHeld last(path, writeLock, 400);
        insert(db, 8, Keep);
        EXPECT_EQ(ids(), "1,2,3,4,5");
    }
    EXPECT_EQ(ids(), "1,2,3,4,5,8");
}

// The engine's side of a catalogue being data (the window's hostile catalogue test runs every
// kind of hostile schema through every action): a statement may call only the functions the
// program's own use, no virtual table's code runs, and a step that runs too long is stopped.
TEST(Database, AStatementCallsNoFunctionOrModuleItNeedNotAndStopsAtTheTimeLimit)
{
    TempDir dir;
    const QString path = writeCards(dir);
    sqlite3Tool(path, "CREATE VIRTUAL TABLE tblSearch USING fts5(fldName)");
    const Engine engine(Limits{.statementMs = 100});
    const Database db = Database::open(engine, path);
    QStringList tooLong;
    for (int i = 0; i < 12; ++i)
        tooLong << QString("tblZentDeck t%1").arg(i);
    const std::pair<QString, QString> refusals[] = {
        {"tblSearch", "no such module: fts5"},
        {"SELECT upper(fldName) FROM tblZentDeck", "not authorized to use function: upper"},
        {"SELECT max(t0.fldName || t11.fldName) FROM " + tooLong.join(", "), path + ": a statement ran past the time limit"}};
    for (const auto &[refused, why] : refusals) {
        try {
            db.openCursor(refused);
            ADD_FAILURE() << "read: " << refused.toStdString();
        } catch (const DbError &error) {
            EXPECT_EQ(error.message(), why);
        }
    }
}

// The same walks, moves and failures whether the card table is read from the file at each
// step or held in memory for the open.
TEST(Cursor, HeldOrNotATableGivesTheSameRowsAndNoReadWithoutARow)
{
    TempDir dir;
    const QString path = writeCards(dir);
    const Engine engine;
    Database fromFile = Database::open(engine, path);
    Database held = Database::open(engine, path);
    held.allowWrites("tblNames");
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

// Another program may overwrite the file while a cursor stands on a row: the cursor fails every
// read from then on. A column the program's own statement does not give, an index out of range
// and a closed cursor are the program's faults, never passed over as failures are.
TEST(Cursor, ACursorThatCannotReadOnFailsEveryReadAndTheProgramsFaultsAreNotFailures)
{
    TempDir dir;
    const QString path = writeCards(dir);
    const Engine engine;
    const Database db = Database::open(engine, path);
    auto cursor = db.openCursor("tblZentDeck");
    cursor->moveNext();
    EXPECT_EQ(cursor->value("fldName"), "alpha");
    auto names = db.openCursor("SELECT fldName FROM tblZentDeck");
    EXPECT_THROW(names->value("fldNotes"), sys::Fault);
    EXPECT_THROW(names->value(1), sys::Fault);
    EXPECT_NO_THROW(names->value(0));
    names->close();
    EXPECT_THROW(names->value(0), sys::Fault);
    EXPECT_THROW(names->moveFirst(), sys::Fault);
    EXPECT_THROW(names->moveNext(), sys::Fault);

    EXPECT_THROW(db.openCursor(" SELECT * FROM tblZentDeck ")->value("fldNoSuch"), DbError);
    // Another program overwrites the file while the cursor stands on a row.
    TempDir other;
    ASSERT_TRUE(catalogue_writer::writeCatalogue(other.file("other.znt"), {{{"fldName", "Other"}}}));
    ASSERT_TRUE(writeFile(path, readFile(other.file("other.znt"))));
    EXPECT_THROW(cursor->value("fldNotes"), DbError);
    EXPECT_EQ(cursor->state(), Cursor::State::Failed);
    EXPECT_TRUE(cursor->eof());
    EXPECT_THROW(cursor->value("fldName"), DbError);
    EXPECT_THROW(cursor->moveNext(), DbError);
    // Starting again reads the file as it is now, or fails again.
    EXPECT_THROW(cursor->moveFirst(), DbError);
    EXPECT_THROW(cursor->value("fldName"), DbError);
}
