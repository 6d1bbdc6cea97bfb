// The deck list report from a catalogue's working deck and the energy strip, without a window.
#include "DeckFixture.h"
#include "platform/system/Failure.h"
#include "report/DeckReport.h"

TEST(DeckReport, ListsTheRowsOfTheTableInStoredOrderAndTheEnergiesAsTheLabelsShowThem)
{
    Deck deck({creature("Alpha")});
    deck.deck.showCounters();
    deck.strip[deck::EnergyKind::Fire].count->setText("3");
    deck.strip[deck::EnergyKind::Grass].count->setText("12");
    deck.strip[deck::EnergyKind::Colorless].count->setText("1");

    // An empty deck has no report.
    EXPECT_THROW(report::deckNames(deck.catalogue), sys::Failure);
    // Rows an earlier run left behind in a catalogue are part of it, as the table returns them.
    const QString left = deck.write({creature("Alpha")}, "left.znt");
    sqlite3Tool(left, "INSERT INTO tblNames VALUES ('Quarlith', 9), ('Kai''ro', 1), ('', 2)");
    deck.open(left);
    EXPECT_EQ(report::DeckReport(report::deckNames(deck.catalogue), deck.strip),
              "Current Deck:\r\n\r\nQuarlith\r\nKai'ro\r\n\r\n\r\n * * * * * * * * * * * *\r\n"
              "1  Colorless Energy\r\n0  Fighting Energy\r\n3  Fire Energy\r\n0  Water Energy\r\n"
              "0  Psychic Energy\r\n0  Lightning Energy\r\n12  Grass Energy");
}
