#include "CatalogueWriter.h"
#include "LockHolder.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"

#include "QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace db;

namespace {

QString makeCatalogue(const TempDir &dir)
{
    const QString path = dir.file("cards.znt");
    EXPECT_TRUE(catalogue_writer::writeCatalogue(path, {{{"fldName", "Alpha"}, {"fldTrainers", "z"}}}));
    return path;
}

QStringList walk(Cursor &cursor, const QString &column)
{
    QStringList values;
    for (; !cursor.eof(); cursor.moveNext())
        values << cursor.value(column);
    return values;
}

} // namespace

TEST(Database, StatementsAsTheProgramWritesThemHaveTheirEffectAndFailuresChangeNothing)
{
    TempDir dir;
    const QString path = makeCatalogue(dir);
    const Database db = Database::open(path);
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('N', '7')");
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('n','8') ");
    // The quoted identifier lands in the whole-number column as a number; names compare
    // without regard to case, as the catalogue's engine did.
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldNames, typeof(fldID) FROM tblNames"), "N|integer\nn|integer");
    auto copies = db.openCursor("SELECT * FROM tblNames WHERE fldNames =  'N' ");
    EXPECT_EQ(walk(*copies, "fldID"), QStringList({"7", "8"}));
    db.execute("DELETE * FROM tblNames WHERE fldID = 7");
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldID FROM tblNames"), "8");

    // A missing file is not made; a file that is no database fails at once; a broken or
    // double statement is refused with nothing written.
    EXPECT_THROW(Database::open(dir.file("missing.znt")), DbError);
    EXPECT_FALSE(QFile::exists(dir.file("missing.znt")));
    QFile text(dir.file("notes.znt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write(QByteArray("A shopping list.\n").repeated(99)) > 0);
    text.close();
    EXPECT_THROW(Database::open(text.fileName()), DbError);
    EXPECT_THROW(db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('O'Brien', '2')"), DbError);
    EXPECT_THROW(db.execute("INSERT INTO tblNames VALUES ('X', 3); DELETE * FROM tblNames"), DbError);
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldID FROM tblNames"), "8");
}

TEST(Database, EveryWriteIsInTheFileAtOnceAndAnotherProgramsLockOnlyDelaysIt)
{
    TempDir dir;
    const QString path = makeCatalogue(dir);
    const auto insert = [](const Database &db, int id) {
        db.execute(QString("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', %1)").arg(id));
    };
    {
        // Another program's reader, and a writer that lets go within the wait: each delays
        // the write, neither fails it.
        const Database db = Database::open(path);
        LockHolder reader(path, LockHolder::Lock::Read, 300);
        ASSERT_TRUE(reader.holding());
        insert(db, 1);
        LockHolder writer(path, LockHolder::Lock::Write, 300);
        ASSERT_TRUE(writer.holding());
        insert(db, 2);
        // Seen at once by every open of the file and by another program, with the write-ahead
        // log in use while the program writes.
        EXPECT_EQ(walk(*Database::open(path).openCursor("tblNames"), "fldID"), QStringList({"1", "2"}));
        EXPECT_EQ(sqlite3Tool(path, "SELECT group_concat(fldID) FROM tblNames"), "1,2");
        EXPECT_EQ(sqlite3Tool(path, "PRAGMA journal_mode"), "wal");

        // Once the file is in the log's hands, a reader that never lets go holds nothing up.
        LockHolder browser(path, LockHolder::Lock::Read);
        insert(db, 3);
        // A writer that keeps its lock past the wait fails the statement, and the failure
        // leaves nothing held: the file is the other program's to write, then the program's.
        {
            LockHolder stuck(path, LockHolder::Lock::Write);
            EXPECT_THROW(insert(db, 4), DbError);
        }
        EXPECT_EQ(sqlite3Tool(path, "INSERT INTO tblNames VALUES ('B', 5); SELECT 'written'"), "written");
        insert(db, 6);
    }
    // Let go, the file is back on the ordinary journal, every row in it.
    EXPECT_EQ(sqlite3Tool(path, "PRAGMA journal_mode; SELECT group_concat(fldID) FROM tblNames"),
              "delete\n1,2,3,5,6");
    EXPECT_FALSE(QFile::exists(path + "-wal"));
}
