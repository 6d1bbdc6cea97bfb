#include "Testing.h"
#include "CatalogueWriter.h"
#include "catalogue/BoundBoxes.h"
#include "platform/db/DataControl.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"

using namespace db;

// The card display's own tests show bound boxes filled from a chosen row; here, what no row,
// a refused statement and typing into a box do. (That no open makes a missing file is the
// database's tests' to check.)
TEST(BoundBoxes, ShowNothingWithoutARowKeepWhatTheyShowedOnFailureAndNeverWriteReadOnly)
{
    TempDir dir;
    const QString path = dir.file("cards.znt");
    ASSERT_TRUE(catalogue_writer::writeCatalogue(
        path, {{{"fldName", "Alpha"}, {"fldTrainers", "z"}, {"fldNotes", "Line one\nline two"}}}));
    const Database gdbZents = Database::open(path);
    DataControl datZents, datNames;
    catalogue::BoundBoxes cardBoxes(datZents), deckBoxes(datNames);
    QLineEdit name, deckName;
    QTextEdit notes;
    cardBoxes.bind(&name, "fldName");
    cardBoxes.bind(&notes, "fldNotes");
    deckBoxes.bind(&deckName, "fldNames");
    datZents.setDatabaseName(path);
    datZents.setReadOnly(true);
    datNames.setDatabaseName(path);
    datNames.setRecordSource("tblNames");
    datZents.setRecordSource(" SELECT * FROM tblZentDeck  WHERE fldName =  'Nobody' ");
    datZents.refresh();
    EXPECT_FALSE(datZents.hasCurrentRow());
    EXPECT_EQ(name.text() + notes.toPlainText(), "");
    datZents.setRecordSource("tblZentDeck");
    datZents.refresh();
    EXPECT_EQ(notes.toPlainText(), "Line one\nline two");
    datZents.setRecordSource(" SELECT * FROM tblZentDeck  WHERE fldName =  'O'Brien' ");
    EXPECT_THROW(datZents.refresh(), DbError);
    EXPECT_EQ(name.text(), "Alpha");

    // Writes through the database show in the other control at its next refresh; what the user
    // types into a box of the read-only one is never stored. (That no cursor, and so no control,
    // runs a write is the database's tests' to check.)
    gdbZents.execute("INSERT INTO tblNames (fldNames,fldID) VALUES ('Alpha', '1')");
    datNames.refresh();
    EXPECT_EQ(deckName.text(), "Alpha");
    name.setText("Typed by the user");
    datZents.setRecordSource("tblZentDeck");
    datZents.refresh();
    EXPECT_EQ(name.text(), "Alpha");
    EXPECT_EQ(sqlite3Tool(path, "SELECT fldName FROM tblZentDeck UNION ALL SELECT fldNames FROM tblNames"),
              "Alpha\nAlpha");
}
