#include "CatalogueShape.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using catalogue_writer::CardRow;

TEST(CatalogueWriter, StoresRowsInOrderWithQuotesAndEmptyTextForMissingColumns)
{
    TempDir dir;
    const QString path = dir.file("cards.znt");
    const QList<CardRow> rows = {{{"fldName", "Gamma"}, {"fldTrainers", "z"}},
                                 {{"fldName", "z"}, {"fldTrainers", "Warden's Lantern"}},
                                 {{"fldName", "Alpha"}, {"fldTrainers", "z"}, {"fldNotes", "it's \"quoted\""}}};
    ASSERT_TRUE(catalogue_writer::writeCatalogue(path, rows));

    const QList<CardRow> read = readCards(path);
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0].value("fldName"), "Gamma");
    EXPECT_EQ(read[1].value("fldTrainers"), "Warden's Lantern");
    EXPECT_EQ(read[2].value("fldName"), "Alpha");
    EXPECT_EQ(read[2].value("fldNotes"), "it's \"quoted\"");
    EXPECT_EQ(QStringList(read[0].keys()).size(), catalogue_writer::cardColumns().size());

    // Stored order (a query of the name column alone would walk its index instead, in name
    // order), missing columns as empty text (not NULL), names compared without regard to
    // case, and an empty working deck.
    EXPECT_EQ(sqlite3Tool(path, "select fldName from tblZentDeck order by rowid").toStdString(), "Gamma\nz\nAlpha");
    EXPECT_EQ(sqlite3Tool(path, "select count(*) from tblZentDeck where fldImage = ''").toStdString(), "3");
    EXPECT_EQ(sqlite3Tool(path, "select count(*) from tblZentDeck where fldName = 'gamma'").toStdString(), "1");
    EXPECT_EQ(sqlite3Tool(path, "select count(*) from tblZentDeck where fldTrainers = 'Warden''s Lantern'").toStdString(), "1");
    EXPECT_EQ(sqlite3Tool(path, "select count(*) from tblNames").toStdString(), "0");
    EXPECT_EQ(sqlite3Tool(path, "select group_concat(name, ',') from pragma_table_info('tblZentDeck')"),
              catalogue_writer::cardColumns().join(','));
}

TEST(CatalogueWriter, ReplacesAnOldFileAndReportsAFolderItCannotWrite)
{
    TempDir dir;
    const QString path = dir.file("cards.znt");
    ASSERT_TRUE(catalogue_writer::writeCatalogue(path, {{{"fldName", "Old"}}, {{"fldName", "Older"}}}));
    ASSERT_TRUE(catalogue_writer::writeCatalogue(path, {{{"fldName", "New"}}}));
    EXPECT_EQ(sqlite3Tool(path, "select fldName from tblZentDeck").toStdString(), "New");

    QString error;
    EXPECT_FALSE(catalogue_writer::writeCatalogue(dir.file("no-such-folder/cards.znt"), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}
