#include "CatalogueWriter.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/StatementLog.h"

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
    EXPECT_TRUE(cursor->eof());
    EXPECT_THROW(cursor->moveNext(), DbError);
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
    cursor->moveNext();
    EXPECT_TRUE(cursor->eof());

    auto empty = db.openCursor("tblNames");
    EXPECT_TRUE(empty->eof());
    EXPECT_THROW(empty->moveFirst(), DbError);
    EXPECT_THROW(empty->moveLast(), DbError);
}

TEST(Database, ProgramStatementsHaveTheirEffectOnTheFile)
{
    TempDir dir;
    const QString path = makeCatalogue(dir, {"Alpha"});
    StatementLog log;
    const Database db = Database::open(path, &log);

    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('N', '7')");
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('n','8') ");
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('O''Brien', '9')");
    // The quoted identifier lands in the whole-number column as a number.
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldNames, fldID, typeof(fldID) FROM tblNames"),
              "N|7|integer\nn|8|integer\nO'Brien|9|integer");

    // Names compare without regard to case, as the catalogue's engine did.
    auto copies = db.openCursor("SELECT * FROM tblNames WHERE fldNames =  'N' ");
    EXPECT_EQ(walk(*copies, "fldID"), QStringList({"7", "8"}));

    db.execute("DELETE * FROM tblNames WHERE fldID = 7");
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldID FROM tblNames"), "8\n9");
    auto names = db.openCursor("SELECT fldNames FROM tblNames");
    EXPECT_EQ(walk(*names, "fldNames"), QStringList({"n", "O'Brien"}));

    db.execute("DELETE * FROM tblNames");
    EXPECT_EQ(sqlite3Tool(path, "SELECT count(*) FROM tblNames"), "0");
    // The log keeps the texts exactly as the program built them.
    EXPECT_EQ(log.texts().size(), 7);
    EXPECT_EQ(log.texts()[4], "DELETE * FROM tblNames WHERE fldID = 7");
}

TEST(Database, FailuresAreReportedAndChangeNothing)
{
    TempDir dir;
    const QString missing = dir.file("missing.znt");
    EXPECT_THROW(Database::open(missing), DbError);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_THROW(Database::open(""), DbError);

    QFile text(dir.file("notes.znt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("This is a shopping list, not a catalogue.\n").repeated(40));
    text.close();
    EXPECT_THROW(Database::open(text.fileName()), DbError);

    const QString path = makeCatalogue(dir, {"Alpha"});
    const Database db = Database::open(path);
    db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Alpha', '1')");
    // A name with an unescaped quote breaks the statement: reported, nothing written.
    EXPECT_THROW(db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('O'Brien', '2')"),
                 DbError);
    EXPECT_THROW(db.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('X', '3'); "
                            "DELETE * FROM tblNames"),
                 DbError);
    EXPECT_THROW(db.execute("DELETE * FROM tblNoSuchTable"), DbError);
    EXPECT_THROW(db.openCursor("SELECT * FROM tblZentDeck WHERE fldName = 'O'Brien'"), DbError);
    EXPECT_THROW(db.openCursor("tblNoSuchTable"), DbError);
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldNames, fldID FROM tblNames"), "Alpha|1");
}

TEST(Database, ThreeOpensOfOneFileSeeEachOthersWrites)
{
    TempDir dir;
    const QString path = makeCatalogue(dir, {"Alpha", "Beta"});
    const Database first = Database::open(path);
    const Database second = Database::open(path);
    const Database third = Database::open(path);

    second.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Alpha', '1')");
    third.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Beta', '2')");
    auto names = first.openCursor("tblNames");
    EXPECT_EQ(walk(*names, "fldNames"), QStringList({"Alpha", "Beta"}));

    // A cursor left standing on a row does not keep its own open from writing, and the
    // others read what was written at once.
    auto catalogue = first.openCursor("tblZentDeck");
    ASSERT_EQ(catalogue->value("fldName"), "Alpha");
    first.execute("DELETE * FROM tblNames WHERE fldID = 1");
    auto rest = third.openCursor("tblNames");
    EXPECT_EQ(walk(*rest, "fldNames"), QStringList({"Beta"}));
    EXPECT_EQ(catalogue->value("fldName"), "Alpha");
    catalogue->moveNext();
    EXPECT_EQ(catalogue->value("fldName"), "Beta");
}
