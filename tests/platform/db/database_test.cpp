#include "CatalogueWriter.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"

#include "QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace db;

using catalogue_writer::CardRow;

namespace {

QString makeCatalogue(const TempDir &dir, const QStringList &names)
{
    QList<CardRow> rows;
    for (const QString &name : names)
        rows.append({{"fldName", name}, {"fldTrainers", "z"}, {"fldZentGroup", "G" + name}});
    const QString path = dir.file("cards.znt");
    EXPECT_TRUE(catalogue_writer::writeCatalogue(path, rows));
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

TEST(Database, TableOpenedByNameGivesStoredOrderAndMoves)
{
    TempDir dir;
    const QString path = makeCatalogue(dir, {"Gamma", "Alpha", "beta", "Alpha"});
    const Database db = Database::open(path);
    auto cursor = db.openCursor("tblZentDeck");

    // Stored order, not the order of the name index.
    EXPECT_EQ(walk(*cursor, "fldName"), QStringList({"Gamma", "Alpha", "beta", "Alpha"}));
    EXPECT_THROW(cursor->value("fldName"), DbError);

    // A column first asked for part-way through a walk is read from the same row.
    cursor->moveFirst();
    cursor->moveNext();
    cursor->moveNext();
    EXPECT_EQ(cursor->value("FLDZENTGROUP"), "Gbeta");
    EXPECT_EQ(cursor->value("fldName"), "beta");
    EXPECT_THROW(cursor->value("fldNoSuchColumn"), DbError);
    cursor->moveLast();
    EXPECT_EQ(cursor->values().first(), "Alpha");

    auto empty = db.openCursor("tblNames");
    EXPECT_TRUE(empty->eof());
    EXPECT_THROW(empty->moveFirst(), DbError);
}

TEST(Database, StatementsAsTheProgramWritesThemHaveTheirEffectAndFailuresChangeNothing)
{
    TempDir dir;
    const QString path = makeCatalogue(dir, {"Alpha"});
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

namespace {

// The file change counter in the header of the file: one more for each write of the file.
quint32 fileChanges(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(24))
        return 0;
    const QByteArray bytes = file.read(4);
    return bytes.size() == 4 ? quint32(quint8(bytes[0])) << 24 | quint32(quint8(bytes[1])) << 16
                                   | quint32(quint8(bytes[2])) << 8 | quint8(bytes[3])
                             : 0;
}

} // namespace

TEST(Database, StatementsRunTogetherWriteTheFileOnceAndKeepWhatSucceeded)
{
    TempDir dir;
    const QString path = makeCatalogue(dir, {"Alpha"});
    const Database db = Database::open(path);
    const quint32 before = fileChanges(path);
    db.runTogether([&] {
        db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', 1)");
        db.runTogether([&] { db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('B', 2)"); });
        // Read back through the same file while the work runs.
        EXPECT_EQ(walk(*db.openCursor("tblNames"), "fldID"), QStringList({"1", "2"}));
        EXPECT_THROW(db.execute("INSERT INTO tblNoSuchTable VALUES (3)"), DbError);
        db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('C', 4)");
    });
    EXPECT_EQ(fileChanges(path), before + 1);
    EXPECT_EQ(sqlite3Tool(path, "SELECT group_concat(fldID) FROM tblNames"), "1,2,4");

    // Work that throws keeps the statements before the throw, and the file is free afterwards.
    EXPECT_THROW(db.runTogether([&] {
        db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('D', 5)");
        throw DbError("stopped");
    }), DbError);
    EXPECT_EQ(sqlite3Tool(path, "DELETE FROM tblNames WHERE fldID = 1; SELECT group_concat(fldID) FROM tblNames"),
              "2,4,5");
}
