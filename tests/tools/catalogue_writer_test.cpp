#include "CatalogueWriter.h"
#include "QtPrinters.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using catalogue_writer::CardRow;

TEST(CatalogueWriter, StoresRowsInOrderAndReplacesAnOldFile)
{
    TempDir dir;
    const QString path = dir.file("cards.znt");
    ASSERT_TRUE(catalogue_writer::writeCatalogue(path, {{{"fldName", "Old"}}, {{"fldName", "Older"}}}));
    ASSERT_TRUE(catalogue_writer::writeCatalogue(
        path, {{{"fldName", "Gamma"}, {"fldTrainers", "z"}},
               {{"fldName", "z"}, {"fldTrainers", "Warden's Lantern"}, {"fldNotes", "it's \"quoted\""}}}));

    EXPECT_EQ(sqlite3Tool(path, "select fldName, fldNotes from tblZentDeck order by rowid"),
              "Gamma|\nz|it's \"quoted\"");
    // Missing columns as empty text (not NULL), every column in its place, and an empty working deck.
    EXPECT_EQ(sqlite3Tool(path, "select count(*) from tblZentDeck where fldImage = ''"), "2");
    EXPECT_EQ(sqlite3Tool(path, "select group_concat(name, ',') from pragma_table_info('tblZentDeck')"),
              catalogue_writer::cardColumns().join(','));
    EXPECT_EQ(sqlite3Tool(path, "select count(*) from tblNames"), "0");
}
