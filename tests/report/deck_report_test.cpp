// The deck list report from a catalogue's working deck and the energy strip, without a window.
#include "Testing.h"
#include "CatalogueWriter.h"
#include "catalogue/Catalogue.h"
#include "deck/DeckControls.h"
#include "platform/db/Engine.h"
#include "platform/system/Failure.h"
#include "report/DeckReport.h"

TEST(DeckReport, ListsTheRowsOfTheTableInStoredOrderAndTheEnergiesAsTheLabelsShowThem)
{
    TempDir folder;
    const QString file = folder.file("cards.znt");
    ASSERT_TRUE(catalogue_writer::writeCatalogue(file, {creature("Alpha")}));
    const db::Engine engine;
    catalogue::Catalogue catalogue(engine);
    catalogue.open(file);
    QLabel labels[deck::energyKindCount];
    deck::EnergyStrip strip;
    for (size_t i = 0; i < strip.columns.size(); ++i) {
        labels[i].setText("0");
        strip.columns[i].count = &labels[i];
    }
    strip[deck::EnergyKind::Fire].count->setText("3");
    strip[deck::EnergyKind::Grass].count->setText("12");
    strip[deck::EnergyKind::Colorless].count->setText("1");

    // An empty deck has no report.
    EXPECT_THROW(report::deckNames(catalogue), sys::Failure);
    // Rows an earlier run left behind in a catalogue are part of it, as the table returns them.
    const QString left = folder.file("left.znt");
    ASSERT_TRUE(catalogue_writer::writeCatalogue(left, {creature("Alpha")}));
    sqlite3Tool(left, "INSERT INTO tblNames VALUES ('Quarlith', 9), ('Kai''ro', 1), ('', 2)");
    catalogue.open(left);
    EXPECT_EQ(report::DeckReport(report::deckNames(catalogue), strip),
              "Current Deck:\r\n\r\nQuarlith\r\nKai'ro\r\n\r\n\r\n * * * * * * * * * * * *\r\n"
              "1  Colorless Energy\r\n0  Fighting Energy\r\n3  Fire Energy\r\n0  Water Energy\r\n"
              "0  Psychic Energy\r\n0  Lightning Energy\r\n12  Grass Energy");
}
