// The database layer on real files: statements as the program writes them, another program's
// locks, and cursors, held or read from the file, and what they do when the file changes or the
// program errs. The sqlite3 tool reads the files independently.
#include "Testing.h"
#include "CatalogueWriter.h"
#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/system/Fault.h"

#include <thread>

#include <unistd.h>

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

// A catalogue passed between players can neither act nor hold the window: no trigger of it
// runs, no view or virtual table is read in place of a table, no function but the program's few
// is called, a damaged file is refused whole, every length and depth is bounded, and a step that
// runs too long is stopped.
TEST(Database, ACatalogueIsDataAndNeverCode)
{
    TempDir dir;
    const QString path = writeCards(dir);
    sqlite3Tool(path, "CREATE TRIGGER emptied AFTER INSERT ON tblNames BEGIN DELETE FROM tblZentDeck; END;"
                      "CREATE TRIGGER weakened AFTER DELETE ON tblNames BEGIN UPDATE tblZentDeck SET fldHitPoints = 1; END;"
                      "CREATE VIEW tblEndless AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                      "SELECT i AS fldName FROM n;"
                      "CREATE VIRTUAL TABLE tblSearch USING fts5(fldName);");
    const QString cards = sqlite3Tool(path, ".dump tblZentDeck");
    const Engine engine(Limits{.statementMs = 100});
    Database db = Database::open(engine, path);
    db.allowWrites("tblNames");
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', 1)");
    db.execute("DELETE FROM tblNames WHERE fldID = 1");
    EXPECT_EQ(sqlite3Tool(path, ".dump tblZentDeck"), cards);
    EXPECT_EQ(Connection::open(engine, path, Connection::Mode::ReadOnly)->refusedParts(),
              QStringList({"The trigger emptied on tblNames never runs: the program runs nothing a catalogue holds.",
                           "The trigger weakened on tblNames never runs: the program runs nothing a catalogue holds.",
                           "tblEndless is a view, which the program never reads.",
                           "tblSearch is a virtual table, which the program never reads."}));
    QStringList tooLong;
    for (int i = 0; i < 12; ++i)
        tooLong << QString("tblZentDeck t%1").arg(i);
    // A view is never expanded far enough to run (the engine's words for it vary).
    EXPECT_THROW(db.openCursor("tblEndless"), DbError);
    const std::pair<QString, QString> refusals[] = {
        {"tblSearch", "no such module: fts5"},
        {"SELECT upper(fldName) FROM tblZentDeck", "not authorized to use function: upper"},
        {"SELECT count(*) FROM " + tooLong.join(", "), path + ": a statement ran past the time limit"}};
    for (const auto &[refused, why] : refusals) {
        try {
            db.openCursor(refused);
            ADD_FAILURE() << "read: " << refused.toStdString();
        } catch (const DbError &error) {
            EXPECT_EQ(error.message(), why);
        }
    }

    // A value longer than any card needs cannot be read; a schema nested deeper than any
    // catalogue needs, or a damaged page, keeps the whole file from opening.
    sqlite3Tool(path, "DROP TRIGGER emptied; INSERT INTO tblZentDeck (fldName, fldNotes) VALUES ('Long', zeroblob(2000000))");
    EXPECT_THROW(db.openCursor("SELECT fldNotes FROM tblZentDeck WHERE fldName = 'Long'")->value(0), DbError);
    const QString deep = dir.file("deep.znt"), damaged = dir.file("damaged.znt");
    sqlite3Tool(deep, "CREATE TABLE tblZentDeck (fldName TEXT CHECK (" + QString("-(").repeated(12) + "1"
                          + QString(12, ')') + "))");
    QFile::copy(path, damaged);
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096); // the card table's first page
    file.write(QByteArray(8, '\xff'));
    file.close();
    for (const QString &refused : {deep, damaged})
        EXPECT_THROW(Database::open(engine, refused), DbError) << refused.toStdString();
}

// A file another program moves, overwrites or deletes under the program is let go: nothing more
// is read from it or written to it, so nothing of the deck goes into what took its place, and
// the file the program had stays whole wherever it is.
TEST(Database, AFileMovedOverwrittenOrDeletedByAnotherProgramIsLetGo)
{
    for (const char *outside : {"renamed over", "copied over", "deleted"}) {
        SCOPED_TRACE(outside);
        TempDir dir;
        const QString path = writeCards(dir), kept = dir.file("kept.znt"), newer = dir.file("newer.znt");
        ASSERT_TRUE(catalogue_writer::writeCatalogue(newer, {{{"fldName", "Newer"}, {"fldTrainers", "z"}}}));
        const QString newerCards = sqlite3Tool(newer, ".dump");
        const Engine engine;
        Database db = Database::open(engine, path);
        db.allowWrites("tblNames");
        db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Gamma', 1)");
        // A second name for the file the program opened, to look at it after the change.
        ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()), 0);
        if (outside == QString("renamed over"))
            ASSERT_EQ(::rename(QFile::encodeName(newer).constData(), QFile::encodeName(path).constData()), 0);
        else if (outside == QString("copied over"))
            ASSERT_TRUE(writeFile(path, readFile(newer)));
        else
            ASSERT_TRUE(QFile::remove(path));
        try {
            db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Gamma', 2)", Database::OnPassingFailure::Keep);
            ADD_FAILURE() << "written after the file was replaced";
        } catch (const DbError &letGo) {
            EXPECT_EQ(letGo.cause(), DbError::Cause::Replaced);
        }
        EXPECT_THROW(db.openCursor("SELECT fldName FROM tblZentDeck"), DbError);
        const bool deleted = outside == QString("deleted"), copied = outside == QString("copied over");
        EXPECT_EQ(deleted ? QString() : sqlite3Tool(path, ".dump"), deleted ? QString() : newerCards);
        EXPECT_EQ(QFile::exists(path), !deleted);
        // The file the program had is whole, with its own deck, unless another took its bytes.
        EXPECT_EQ(sqlite3Tool(kept, "PRAGMA integrity_check; SELECT group_concat(fldID) FROM tblNames"),
                  copied ? "ok" : "ok\n1");
        // Opened again, the file at the path is a catalogue of its own.
        if (!deleted) {
            EXPECT_EQ(walk(*Database::open(engine, path).openCursor("tblZentDeck"), "fldName"), QStringList{"Newer"});
        }
    }
}

// Two running copies of the program never write one deck table: the second may read the file,
// not write it, until the first lets it go.
TEST(Database, ASecondRunningCopyCannotOpenTheFileToWriteIt)
{
    TempDir dir;
    const QString path = writeCards(dir);
    const Engine first, second;
    auto held = std::make_unique<Database>(Database::open(first, path));
    try {
        Database::open(second, path);
        ADD_FAILURE() << "opened to write by two copies";
    } catch (const DbError &inUse) {
        EXPECT_EQ(inUse.cause(), DbError::Cause::InUse);
    }
    EXPECT_NO_THROW(Connection::open(second, path, Connection::Mode::ReadOnly));
    held.reset();
    EXPECT_NO_THROW(Database::open(second, path));
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
