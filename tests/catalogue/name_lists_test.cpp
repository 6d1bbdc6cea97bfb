// The name lists as the load and File > Open fill them from the catalogue cursor.
#include "CatalogueWriter.h"
#include "QtPrinters.h"
#include "TempDir.h"
#include "catalogue/NameLists.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"

#include <QComboBox>

#include <gtest/gtest.h>

TEST(NameLists, ListEveryNameButTheExactZInStoredOrderAndKeepTheTextTyped)
{
    TempDir dir;
    const QString path = dir.file("cards.znt");
    ASSERT_TRUE(catalogue_writer::writeCatalogue(path, {{{"fldName", "Alpha"}, {"fldTrainers", "z"}},
                                                        {{"fldName", "z"}, {"fldTrainers", "Beta"}},
                                                        {{"fldName", "Gamma"}, {"fldTrainers", "z "}},
                                                        {{"fldName", "Z"}, {"fldTrainers", "z"}},
                                                        {{"fldName", "Aardvark"}, {"fldTrainers", ""}}}));
    const db::Database database = db::Database::open(path);
    const auto rsCatalogue = database.openCursor("tblZentDeck");
    QComboBox cboName, cboTrainers;
    for (QComboBox *list : {&cboName, &cboTrainers})
        list->setEditable(true);
    cboTrainers.setEditText("typed");

    // Each list from the cursor's first row, which the fill leaves it on again.
    catalogue::fillNameList(*rsCatalogue, "fldName", cboName);
    catalogue::fillNameList(*rsCatalogue, "fldTrainers", cboTrainers);
    EXPECT_EQ(rsCatalogue->value("fldName"), "Alpha");
    const auto names = [](const QComboBox &list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i)
            all << list.itemText(i);
        return all;
    };
    EXPECT_EQ(names(cboName), QStringList({"Alpha", "Gamma", "Z", "Aardvark"}));
    EXPECT_EQ(names(cboTrainers), QStringList({"Beta", "z ", ""}));
    EXPECT_EQ(cboName.currentText(), "");
    EXPECT_EQ(cboTrainers.currentText(), "typed");
    catalogue::emptyNameList(cboTrainers);
    EXPECT_EQ(cboTrainers.count(), 0);
    EXPECT_EQ(cboTrainers.currentText(), "typed");
}
