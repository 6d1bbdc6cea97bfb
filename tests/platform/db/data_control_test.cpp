#include "CatalogueWriter.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"
#include "platform/db/DataControl.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QTextEdit>
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace db;

namespace {

struct Boxes
{
    QLineEdit name;
    QLineEdit hitPoints;
    QTextEdit notes;
};

void bindAll(DataControl &control, Boxes &boxes)
{
    control.bind(&boxes.name, "fldName");
    control.bind(&boxes.hitPoints, "fldHitPoints");
    control.bind(&boxes.notes, "fldNotes");
}

QString makeCatalogue(const TempDir &dir)
{
    const QString path = dir.file("cards.znt");
    EXPECT_TRUE(catalogue_writer::writeCatalogue(
        path, {{{"fldName", "Alpha"}, {"fldTrainers", "z"}, {"fldHitPoints", "60"},
                {"fldNotes", "Line one\nline two"}},
               {{"fldName", "z"}, {"fldTrainers", "Beta"}, {"fldNotes", "Draw 2 cards."}}}));
    return path;
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

TEST(DataControl, BoundBoxesShowTheFirstRowOrNothing)
{
    TempDir dir;
    const QString path = makeCatalogue(dir);
    DataControl datZents;
    Boxes boxes;
    bindAll(datZents, boxes);
    datZents.setDatabaseName(path);
    datZents.setRecordSource("tblZentDeck");
    EXPECT_EQ(boxes.name.text(), ""); // nothing is read before the refresh

    datZents.refresh();
    EXPECT_EQ(boxes.name.text(), "Alpha");
    EXPECT_EQ(boxes.hitPoints.text(), "60");
    EXPECT_EQ(boxes.notes.toPlainText(), "Line one\nline two");

    datZents.setRecordSource(" SELECT * FROM tblZentDeck  WHERE fldTrainers =  'beta' ");
    datZents.refresh();
    EXPECT_EQ(boxes.name.text(), "z");
    EXPECT_EQ(boxes.notes.toPlainText(), "Draw 2 cards.");
    EXPECT_EQ(datZents.value("fldTrainers"), "Beta");

    datZents.setRecordSource(" SELECT * FROM tblZentDeck  WHERE fldName =  'Nobody' ");
    datZents.refresh();
    EXPECT_FALSE(datZents.hasCurrentRow());
    EXPECT_EQ(boxes.name.text(), "");
    EXPECT_EQ(boxes.hitPoints.text(), "");
    EXPECT_EQ(boxes.notes.toPlainText(), "");

    // A statement the engine rejects changes nothing on show.
    datZents.setRecordSource("tblZentDeck");
    datZents.refresh();
    datZents.setRecordSource(" SELECT * FROM tblZentDeck  WHERE fldName =  'O'Brien' ");
    EXPECT_THROW(datZents.refresh(), DbError);
    EXPECT_EQ(boxes.name.text(), "Alpha");

    datZents.setDatabaseName(dir.file("missing.znt"));
    EXPECT_THROW(datZents.refresh(), DbError);
    EXPECT_FALSE(QFile::exists(dir.file("missing.znt")));
}

TEST(DataControl, ReadOnlyControlNeverWritesAndSeesOtherWrites)
{
    TempDir dir;
    const QString path = makeCatalogue(dir);
    const Database gdbZents = Database::open(path);
    DataControl datZents;
    DataControl datNames;
    Boxes boxes;
    bindAll(datZents, boxes);
    QLineEdit deckName;
    datNames.bind(&deckName, "fldNames");

    datZents.setDatabaseName(path);
    datZents.setRecordSource("tblZentDeck");
    datZents.setReadOnly(true);
    datNames.setDatabaseName(path);
    datNames.setRecordSource("tblNames");
    datZents.refresh();
    datNames.refresh();
    EXPECT_EQ(deckName.text(), "");

    // Writes through the database handle show in the other control at its next refresh.
    gdbZents.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Alpha', '1')");
    datNames.refresh();
    EXPECT_EQ(deckName.text(), "Alpha");

    const QByteArray before = digest(path);
    boxes.name.setText("Typed by the user");
    boxes.notes.setPlainText("More typing");
    datZents.refresh();
    EXPECT_EQ(boxes.name.text(), "Alpha");
    datZents.setRecordSource("DELETE FROM tblNames");
    EXPECT_THROW(datZents.refresh(), DbError);
    EXPECT_EQ(digest(path), before);
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldNames FROM tblNames"), "Alpha");
}
